#pragma once
// An engine with one pushed game state that has a message system, for the
// camera tests: entities are made in it, and messages sent to it are delivered
// on request. Without dependency checks the state stands for the editor's.

#include <string>

#include "engine/Engine.h"
#include "engine/IGamestate.h"
#include "engine/Window.h"
#include "graphics/Camera.h"
#include "memory/MemoryManager.h"
#include "messaging/MessageSystem.h"
#include "object/Entity.h"
#include "physics/Transform.h"

namespace Orvex
{
class CameraTestState : public IGamestate
{
public:
    explicit CameraTestState(bool checkDependencies)
        : IGamestate(false, checkDependencies)
    {
        AddSystem(New<MessageSystem>());
    }
    void Init() override {}
    void Update(float) override {}
    void Shutdown() override {}
};

struct CameraScene
{
    explicit CameraScene(bool checkDependencies = true)
        : state(New<CameraTestState>(checkDependencies))
    {
        engine.PushGamestate(state);
        engine.RunFrame();
        Window::ResizeWindow(1280, 720);
    }

    // A new entity of the state with a Transform at position; Init not run.
    Entity* Add(const std::string& name, tvec2 position = {0.0f, 0.0f})
    {
        Entity* entity = New<Entity>(name);
        state->AddEntity(entity);
        entity->Add<Transform>()->position = position;
        return entity;
    }
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
    void Deliver() { state->Messages()->DeliverAll(); }

    Engine engine;
    CameraTestState* state;
};

inline tvec2 Apply(const tmat3& matrix, tvec2 point) { return tvec2(matrix * glm::vec3(point, 1.0f)); }
} // namespace Orvex
