#pragma once
// What the level tests share: test-only components (registered in
// Level_test.cpp), a bare game state, and a fixture that writes levels and
// archetypes into the data tree beside the test executable and removes them
// afterwards.

#include <gtest/gtest.h>

#include "support/ErrorOf.h"

#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "data/Serialization.h"
#include "engine/AssetPaths.h"
#include "engine/IGamestate.h"
#include "graphics/Mesh.h"
#include "graphics/ResourceTraits.h"
#include "object/Entity.h"
#include "object/IComponent.h"
#include "object/MetaComponent.h"
#include "object/TypeRegistry.h"

namespace Orvex
{
// Every plain field type a level holds, and the Transform position its Init saw.
class LevelProbe : public IComponent
{
    ORVEX_COMPONENT(LevelProbe)
    void Init() override;

    std::string label = "none";
    float speed = 1.5f;
    int count = -3;
    unsigned amount = 5;
    cMesh* shape = nullptr;
    bool active = true;
    tvec2 offset{1.0f, 2.0f};
    tvec4 tint{0.1f, 0.2f, 0.3f, 0.4f};
    tvec2 positionAtInit{-99.0f, -99.0f}; // not reflected
    bool initialised = false;             // not reflected
};

// A component without fields.
class LevelMarker : public IComponent
{
    ORVEX_COMPONENT(LevelMarker)
};

class LevelTestState : public IGamestate
{
public:
    LevelTestState() : IGamestate(false, true) {}
    void Init() override {}
    void Update(float) override {}
    void Shutdown() override {}
};

class LevelFiles : public ::testing::Test
{
protected:
    void SetUp() override { SetAssetConfig(nullptr); }
    void TearDown() override
    {
        // A probe's shape falls back to a cached mesh; the leak check at exit
        // would count it.
        ShutdownMeshes();
        for (const std::string& path : written)
        {
            std::remove(path.c_str());
            std::remove((path + ".saving").c_str());
        }
    }

    void WriteArchetype(const std::string& name, const std::string& text)
    {
        Write(AssetPath("Archetypes", name), text);
    }
    void WriteLevel(const std::string& name, const std::string& text)
    {
        Write(LevelPath(name), text);
    }
    // The level's path, removed at the end (for files the code under test writes).
    std::string LevelPath(const std::string& name)
    {
        const std::string path = AssetPath("Levels", name);
        written.push_back(path);
        return path;
    }
    static std::string ReadFile(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }

    // Requests the level and runs the state's housekeeping, as a frame start does.
    static void Load(IGamestate& state, const std::string& level)
    {
        state.RequestLevel(level);
        state.Housekeeping();
    }

    // Entity name -> flags and every component's reflected fields as written.
    static std::map<std::string, std::string> Snapshot(const IGamestate& state)
    {
        std::map<std::string, std::string> snapshot;
        for (const auto& entry : state.Entities())
        {
            const Entity& entity = *entry.second;
            SerialOutput output;
            Serial::Write(entity.flags.to_string() + "\n");
            for (unsigned id = 0; id < entity.components.size(); ++id)
                if (const IComponent* component = entity.components[id])
                {
                    const META_COMPONENT_BASE& record = *TypeRegistry::Component(id);
                    Serial::Write(record.name + ":\n");
                    record.WriteFields(*component);
                }
            snapshot[entity.name] = output.Text();
        }
        return snapshot;
    }

private:
    void Write(const std::string& path, const std::string& text)
    {
        std::ofstream(path, std::ios::binary) << text;
        written.push_back(path);
    }
    std::vector<std::string> written;
};
} // namespace Orvex
