#pragma once
// A game state to draw in tests: entities with a Transform and a Color, sprites
// with a given texture record (no GL needed until something is drawn), a camera.

#include <string>

#include "data/LevelSettings.h"
#include "engine/IGamestate.h"
#include "graphics/Camera.h"
#include "graphics/Color.h"
#include "graphics/Sprite.h"
#include "graphics/cTexture.h"
#include "memory/MemoryManager.h"
#include "object/Entity.h"
#include "physics/Transform.h"

namespace Orvex
{
class TestScene : public IGamestate
{
public:
    TestScene() : IGamestate(true, false) {}
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
} // namespace Orvex
