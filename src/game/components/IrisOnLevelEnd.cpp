#include "game/components/IrisOnLevelEnd.h"

#include <cmath>
#include <vector>

#include "data/LevelSettings.h"
#include "engine/Engine.h"
#include "engine/IGamestate.h"
#include "engine/Window.h"
#include "graphics/ImmediateShapes.h"
#include "graphics/SceneView.h"
#include "graphics/Sprite.h"
#include "object/Entity.h"
#include "physics/Transform.h"

namespace Orvex
{
ORVEX_REGISTER_COMPONENT(IrisOnLevelEnd)

ORVEX_MEMBERS(IrisOnLevelEnd)
{
    ORVEX_FIELD(startRadius, "startRadius");
    ORVEX_FIELD(endRadius, "endRadius");
    ORVEX_FIELD(pauseTime, "pauseTime");
    ORVEX_FIELD(interpolateAlpha, "interpolateAlpha");
}

namespace
{
constexpr float ClosingOuterRadius = 3.0f;
constexpr float HeldOuterRadius = 2.5f;

float EndTimer(const IGamestate& state)
{
    const LevelSettings* level = LevelSettingsOf(state);
    return level ? level->endTimer : 0.0f;
}

// One triangle strip between the two radii, x squeezed by the aspect so the ring
// stays round. The angle is summed in single precision, which closes the ring.
void DrawRing(float inner, float outer, float centreY, float alpha)
{
    const float aspect = Window::Aspect() > 0.0f ? Window::Aspect() : 1.0f;
    std::vector<tvec2> strip;
    for (float theta = 0.0f; theta < 2.0f * Pi; theta += 2.0f * Pi / 60.0f)
        for (float r : {inner, outer})
            strip.push_back({r / aspect * std::cos(theta), r * std::sin(theta) + centreY});
    DrawTriangleStrip(strip, tvec4(0.0f, 0.0f, 0.0f, alpha));
}
} // namespace

void IrisOnLevelEnd::Init() { Subscribe(MSG_END_LEVEL, &IrisOnLevelEnd::OnEndLevel); }

void IrisOnLevelEnd::OnEndLevel(const void*)
{
    active = true;
    IGamestate* state = Engine::Get()->ActiveGamestate();
    if (!state)
        return;
    const Entity* player = state->FindEntity("TumboWuffin");
    playerId = player ? std::optional<std::uint32_t>(player->id) : std::nullopt;
    worldToView = SceneView(*state).WorldView();
}

float IrisOnLevelEnd::PlayerViewHeight() const
{
    const IGamestate* state = ActiveState();
    const Entity* player = state && playerId ? state->FindEntity(*playerId) : nullptr;
    const Transform* playerTransform = player ? player->Get<Transform>() : nullptr;
    if (!playerTransform)
        return 0.0f;
    const tvec2 position = playerTransform->position;
    const Sprite* playerSprite = player->Get<Sprite>();
    const float lift = playerSprite ? playerSprite->offset.y : 0.0f;
    return (worldToView * glm::vec3(position.x, position.y + lift, 1.0f)).y;
}

void IrisOnLevelEnd::Update(float dt)
{
    IGamestate* state = Engine::Get()->ActiveGamestate();
    if (!active || !state)
        return;
    timer += dt;
    const float closing = EndTimer(*state) - pauseTime;
    if (timer < closing)
    {
        const float t = timer / closing;
        radius = (1.0f - t) * startRadius + t * endRadius;
        DrawRing(radius, ClosingOuterRadius, PlayerViewHeight(), interpolateAlpha ? t : 1.0f);
    }
    else
        DrawRing(radius, HeldOuterRadius, PlayerViewHeight(), 1.0f);
}
} // namespace Orvex
