#include "graphics/DebugDraw.h"

#include <string>

#include "engine/Engine.h"
#include "engine/IGamestate.h"
#include "graphics/DrawNow.h"
#include "graphics/Fonts.h"
#include "graphics/ImmediateShapes.h"
#include "graphics/SceneView.h"
#include "graphics/SpriteText.h"
#include "object/Entity.h"
#include "physics/ColliderQueries.h"
#include "physics/RigidBody.h"
#include "physics/Transform.h"

namespace Orvex
{
namespace
{
// Where the frame counter stands, in device units: the bottom left corner, which
// no HUD of the game uses (score top left, clock and splits top right).
const tvec2 CounterPosition{-0.95f, -0.93f};
const tvec2 CounterScale{0.2f, 0.1f};
const tvec4 VelocityColour{0.1f, 0.1f, 0.1f, 1.0f};
const tvec4 BoundsColour{1.0f, 1.0f, 0.0f, 1.0f};

void DrawVelocity(const Entity& entity, const tmat3& toDevice)
{
    const RigidBody* body = entity.Get<RigidBody>();
    const Transform* transform = entity.Get<Transform>();
    if (body && transform)
        DrawLine(transform->position, transform->position + body->velocity, toDevice, VelocityColour);
}

void DrawBounds(const Entity& entity, const tmat3& toDevice)
{
    if (!entity.collider)
        return;
    const ColliderBounds b = GetColliderBounds(entity);
    DrawClosedOutline({{b.minX, b.minY}, {b.maxX, b.minY}, {b.maxX, b.maxY}, {b.minX, b.maxY}},
                      toDevice, BoundsColour);
}

void DrawFrameCounter(FrameCounter& counter)
{
    const std::size_t frames = counter.Tick(SteadySeconds());
    DrawTextNow("FPS: " + std::to_string(frames), GetFont(SpriteText::DefaultFont),
                CounterPosition, 0.0f, CounterScale, tvec4(1.0f));
}
} // namespace

bool DebugDrawOn()
{
    const Engine* engine = Engine::Get();
    if (!engine || !engine->CoreConfig().HasChild("Debug"))
        return false;
    bool on = false;
    engine->CoreConfig().GetChild("Debug").GetBool("DebugDraw", on);
    return on;
}

void DrawDebugOverlay(const IGamestate& state, const SceneView& view, FrameCounter& counter)
{
    const tmat3 toDevice = view.WorldView();
    for (const auto& entry : state.Entities())
    {
        DrawVelocity(*entry.second, toDevice);
        DrawBounds(*entry.second, toDevice);
    }
    DrawFrameCounter(counter);
}
} // namespace Orvex
