// The furniture room, where every piece of level furniture stands to be tried:
// it holds each of them, loads cleanly, and the autopilot can play it for a
// while without a collision going wrong.

#include "PlayHarness.h"
#include "data/Level.h"
#include "engine/Random.h"
#include "game/states/Gameplay.h"
#include "object/TypeRegistry.h"

namespace Orvex
{
namespace
{
const char* const furniture[] = {
    "Activator", "MultiActivator", "CollideMove", "CollideTeleport", "CollideColor",
    "CollideInvert", "CollideFade", "ResizeOnCollide", "CreateOnClick", "ChangeLevelOnKey",
    "KillBelowY", "Bouncy", "RocketPad", "AirBoost", "ObjectController", "Moving", "Patrol",
    "Rotate", "AttachTo", "ObjectFollow", "IceBlock", "TransitionFade", "Fade", "Rainbow",
    "ZoomInAndOut", "InvertAfterTime", "MakeVisibleAfterTime", "RandomColorOnClick",
    "RandomColorOnEvent", "Quest", "RoboWuffin", "QuaternionCounter", "ActivatorParticles",
};

bool Holds(const IGamestate& state, const std::string& component)
{
    const unsigned id = TypeRegistry::ListedId(component, MetaKind::Component);
    for (const auto& entry : state.Entities())
        if (entry.second->Get(id))
            return true;
    return false;
}

TEST(FurnitureLevel, HoldsEveryPieceLoadsCleanlyAndTheAutopilotPlaysIt)
{
    Random::Seed(3);
    PlayHarness play;
    IGamestate* pushed = play.engine.PushGamestate("Gameplay");
    ASSERT_NE(pushed, nullptr);
    pushed->SetCurrentLevel("Furniture");
    // Nothing may fail while the output is captured, or the failure's text, and
    // every line after it, would be swallowed with the output.
    std::string missing, thrown;
    ::testing::internal::CaptureStdout();
    try
    {
        play.engine.RunFrame();
        for (const std::string component : furniture)
            if (component != "KillBelowY" && !Holds(play.engine.GetActiveGamestate(), component))
                missing += component + " ";
        play.Press(23); // T: the autopilot takes over
        play.Frames(1200);
    }
    catch (const std::string& error)
    {
        thrown = error;
    }
    const std::string printed = ::testing::internal::GetCapturedStdout();
    EXPECT_EQ(thrown, "");
    EXPECT_EQ(missing, "");
    const std::size_t error = printed.find("ERROR");
    EXPECT_EQ(error, std::string::npos) << printed.substr(std::min(error, printed.size()), 200);
    EXPECT_NE(printed.find("GOING"), std::string::npos);
    // The crates come from clicks: their archetype holds the falling-out rule.
    const Pooled<Entity> crate(CreateFromArchetype("", "Crate"));
    EXPECT_NE(crate->Get(TypeRegistry::ListedId("KillBelowY", MetaKind::Component)), nullptr);
}
} // namespace
} // namespace Orvex
