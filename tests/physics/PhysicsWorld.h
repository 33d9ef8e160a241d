#pragma once
// A running engine with one bare game state (a MessageSystem and nothing else),
// and builders for the bodies and shapes the physics tests place in it by hand.

#include <cstdint>
#include <deque>
#include <string>
#include <utility>
#include <vector>

#include "data/LevelSettings.h"
#include "engine/Engine.h"
#include "engine/IGamestate.h"
#include "graphics/Mesh.h"
#include "memory/MemoryManager.h"
#include "messaging/MessageSystem.h"
#include "object/Entity.h"
#include "physics/BoxCollider.h"
#include "physics/MeshCollider.h"
#include "physics/RigidBody.h"
#include "physics/Transform.h"

namespace Orvex
{
class WorldState : public IGamestate
{
public:
    explicit WorldState(bool checkDependencies) : IGamestate(false, checkDependencies) {}
    void Init() override { AddSystem(New<MessageSystem>()); }
    void Update(float) override {}
    void Shutdown() override {}
};

struct BodySpec
{
    tvec2 position{0.0f, 0.0f};
    tvec2 scale{1.0f, 1.0f};
    bool isStatic = true;
    tvec2 velocity{0.0f, 0.0f};
    float rotation = 0.0f;
};

// A closed outline through the points in order, filled by a fan from the first.
inline cMesh Polygon(const std::vector<tvec2>& points)
{
    cMesh mesh;
    mesh.points = points;
    const auto count = static_cast<std::uint32_t>(points.size());
    for (std::uint32_t i = 0; i < count; ++i)
        mesh.edges.push_back({i, (i + 1) % count});
    for (std::uint32_t i = 1; i + 1 < count; ++i)
        mesh.faces.push_back({0, i, i + 1});
    return mesh;
}

// A triangle 2 wide and 1 high whose slope y = x / 2 faces up and to the left.
inline cMesh Ramp() { return Polygon({{-1.0f, -0.5f}, {1.0f, -0.5f}, {1.0f, 0.5f}}); }

class PhysicsWorld
{
public:
    explicit PhysicsWorld(bool checkDependencies = true)
    {
        engine.ClearFlag(Engine::ACTIVE);
        engine.PushGamestate(New<WorldState>(checkDependencies));
        engine.RunFrame();
    }

    IGamestate& State() { return engine.GetActiveGamestate(); }

    // An entity with a Transform and a RigidBody, not yet initialised or added.
    Entity* Body(const std::string& name, const BodySpec& spec)
    {
        Entity* entity = New<Entity>(name);
        Transform* transform = entity->Add<Transform>();
        transform->position = spec.position;
        transform->scale = spec.scale;
        transform->rotation = spec.rotation;
        RigidBody* body = entity->Add<RigidBody>();
        body->isStatic = spec.isStatic;
        body->velocity = spec.velocity;
        return entity;
    }
    // Initialises the entity's components and adds it to the state.
    Entity* Place(Entity* entity)
    {
        State().AddEntity(entity);
        entity->InitComponents();
        return entity;
    }
    Entity* Box(const std::string& name, const BodySpec& spec, bool ghost = false)
    {
        Entity* entity = Body(name, spec);
        entity->Add<BoxCollider>()->ghost = ghost;
        return Place(entity);
    }
    Entity* Shape(const std::string& name, cMesh* mesh, const BodySpec& spec, bool ghost = false)
    {
        Entity* entity = Body(name, spec);
        MeshCollider* collider = entity->Add<MeshCollider>();
        collider->mesh = mesh;
        collider->ghost = ghost;
        return Place(entity);
    }
    // A mesh outside the library that lives as long as the world.
    cMesh* Keep(cMesh mesh) { return &meshes.emplace_back(std::move(mesh)); }
    // A level-settings entity with that gravity speed.
    void SetGravitySpeed(float gravitySpeed)
    {
        Entity* settings = New<Entity>("Settings");
        settings->Add<LevelSettings>()->gravitySpeed = gravitySpeed;
        State().AddEntity(settings);
        State().SetLevelSettings(settings->id);
    }

    std::deque<cMesh> meshes; // declared first: outlives the engine's entities
    Engine engine;
};

inline Transform& TransformOf(Entity* entity) { return *entity->Get<Transform>(); }
inline RigidBody& BodyOf(Entity* entity) { return *entity->Get<RigidBody>(); }
} // namespace Orvex
