#pragma once
// A game state to draw in tests: entities with a Transform and a Color, sprites
// with a given texture record (no GL needed until something is drawn), a camera.
// EngineScene pushes one, with a message system, onto an engine of its own.

#include <string>

#include "data/LevelSettings.h"
#include "engine/Engine.h"
#include "engine/IGamestate.h"
#include "engine/Window.h"
#include "graphics/Camera.h"
#include "graphics/Color.h"
#include "graphics/ParticleEmitter.h"
#include "graphics/Sprite.h"
#include "graphics/cTexture.h"
#include "memory/MemoryManager.h"
#include "messaging/MessageSystem.h"
#include "object/Entity.h"
#include "physics/Transform.h"

namespace Orvex
{
class TestScene : public IGamestate
{
public:
    // Without dependency checks the state stands for the editor's.
    explicit TestScene(bool checkDependencies = false, bool messages = false)
        : IGamestate(true, checkDependencies)
    {
        if (messages)
            AddSystem(New<MessageSystem>());
    }
    void Init() override {}
    void Update(float) override {}
    void Shutdown() override {}

    Entity* AddPlaced(const std::string& name, tvec2 position, tvec2 scale = {1.0f, 1.0f})
    {
        Entity* entity = New<Entity>(name);
        Transform* transform = entity->Add<Transform>();
        transform->position = position;
        transform->scale = scale;
        entity->Add<Color>();
        AddEntity(entity);
        return entity;
    }

    Sprite* AddSprite(const std::string& name, tvec2 position, cTexture* texture, int layer = 0)
    {
        Sprite* sprite = AddPlaced(name, position)->Add<Sprite>();
        sprite->texture = texture;
        sprite->layer = layer;
        sprite->drawMesh = false;
        return sprite;
    }

    // The level settings, whose Color is the background.
    Entity* AddSettings(tvec4 background)
    {
        Entity* settings = New<Entity>("LevelSettings");
        settings->Add<LevelSettings>();
        settings->Add<Color>()->color = background;
        AddEntity(settings);
        SetLevelSettings(settings->id);
        return settings;
    }

    Camera* AddCamera(tvec2 position, float size)
    {
        Entity* entity = AddPlaced("Camera", position);
        Camera* camera = entity->Add<Camera>();
        camera->size = size;
        SetCamera(entity->id);
        return camera;
    }
};

// An engine running one TestScene on a 1280 x 720 window; messages sent to it
// are delivered on request. Emitters get a texture record, so that no OpenGL is
// needed, and no random velocity, so that particles stay put.
struct EngineScene
{
    explicit EngineScene(bool checkDependencies = true) : state(New<TestScene>(checkDependencies, true))
    {
        engine.PushGamestate(state);
        engine.RunFrame();
        Window::ResizeWindow(1280, 720);
    }

    Entity* Add(const std::string& name, tvec2 position = {0.0f, 0.0f}) { return state->AddPlaced(name, position); }
    // An initialised camera entity of that size, the state's camera when active.
    Camera* AddCamera(const std::string& name, tvec2 position, float size, bool active = true)
    {
        Entity* entity = Add(name, position);
        Camera* camera = entity->Add<Camera>();
        camera->size = size;
        entity->InitComponents();
        if (active)
            state->SetCamera(entity->id);
        return camera;
    }
    // An emitter on a new entity at position; Init not run.
    ParticleEmitter* AddEmitter(const std::string& name, tvec2 position = {0.0f, 0.0f})
    {
        ParticleEmitter* emitter = Add(name, position)->Add<ParticleEmitter>();
        emitter->texture = &texture;
        emitter->randomVelocity = tvec2(0.0f);
        return emitter;
    }
    template <class Record> void Send(std::uint32_t type, const Record& record)
    {
        engine.Send(type, record);
        Deliver();
    }
    void Deliver() { state->Messages()->DeliverAll(); }

    Engine engine;
    TestScene* state;
    cTexture texture{7, 1, 1};
};

inline tvec2 Apply(const tmat3& matrix, tvec2 point) { return tvec2(matrix * glm::vec3(point, 1.0f)); }
} // namespace Orvex
