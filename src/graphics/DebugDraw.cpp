#include "graphics/DebugDraw.h"

#include <string>

#include "engine/Engine.h"
#include "graphics/DrawNow.h"
#include "graphics/Fonts.h"
#include "graphics/SpriteText.h"

namespace Orvex
{
namespace
{
// Where the frame counter stands, in device units.
const tvec2 CounterPosition{0.75f, 0.95f};
const tvec2 CounterScale{0.2f, 0.1f};

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

void DrawDebugOverlay(const IGamestate&, const SceneView&, FrameCounter& counter)
{
    DrawFrameCounter(counter);
}
} // namespace Orvex
