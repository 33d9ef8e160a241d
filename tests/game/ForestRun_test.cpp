// The forest at the fixed step: its points, and what the player sees of a
// collected pickup.

#include <string>

#include "PlayHarness.h"
#include "engine/Random.h"
#include "game/components/Pickup.h"
#include "game/states/Gameplay.h"
#include "graphics/SpriteText.h"

namespace Orvex
{
namespace
{
Gameplay& StartForest(PlayHarness& play)
{
    Random::Seed(1);
    Gameplay& state = dynamic_cast<Gameplay&>(play.Push("Gameplay"));
    EXPECT_EQ(state.CurrentLevel(), "Level1Forest");
    return state;
}

TEST(ForestRun, ACollectedBoneFliesHomeAndTheScoreReadsOneOfTheLevelsPoints)
{
    PlayHarness play;
    Gameplay& state = StartForest(play);
    Entity* bone = state.FindEntity("Bone0");
    Entity* dog = state.FindEntity("TumboWuffin");
    ASSERT_TRUE(bone && dog);
    int worth = 0;
    for (const auto& entry : state.Entities())
        if (const Pickup* pickup = entry.second->Get<Pickup>())
            worth += pickup->score;
    EXPECT_GT(worth, 0);
    EXPECT_EQ(state.AvailablePoints(), worth);
    play.Frames(2);
    const SpriteText* score = state.FindEntity("hud")->Get<SpriteText>();
    const std::string total = " / " + std::to_string(state.AvailablePoints());
    EXPECT_EQ(score->text, "Score: 0" + total);
    play.Post(MSG_COLLISION, CollisionMessage{bone, dog, tvec2(0.0f), -1, true});
    play.Frame();
    ASSERT_NE(state.FindEntity("explosion"), nullptr);
    play.Frames(120);
    EXPECT_EQ(score->text, "Score: 1" + total);
}
} // namespace
} // namespace Orvex
