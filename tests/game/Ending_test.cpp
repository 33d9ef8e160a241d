#include <cmath>
#include <cstdio>
#include <fstream>

#include "Furniture.h"
#include "data/LevelSettings.h"
#include "engine/AssetPaths.h"
#include "game/components/EndParticles.h"
#include "game/components/EndingPop.h"
#include "game/components/EndingTrigger.h"
#include "game/components/Fireworks.h"
#include "game/components/KillAfterTime.h"
#include "game/components/Pickup.h"
#include "game/components/PickupParticleHelper.h"
#include "graphics/FollowCam.h"
#include "graphics/SpriteText.h"

namespace Orvex
{
namespace
{
constexpr unsigned keySpace = 44, keyEnter = 40;

// The last level in small: settings, a following camera, the dog, the trigger and
// the final object (a pickup worth 20 with its hidden text and Space to leave).
struct FinalLevel : DogLevel
{
    FinalLevel()
    {
        state->AddSystem("ActionSystem");
        Entity& settings = play.Spawn("LevelSettings");
        settings.Add<Color>();
        level = settings.Add<LevelSettings>();
        PlayHarness::Start(settings);
        state->SetLevelSettings(settings.id);

        Entity& view = play.Spawn("Camera");
        view.Add<Transform>()->position = tvec2(1.0f, 2.0f);
        view.Add<Camera>();
        follow = view.Add<FollowCam>();
        PlayHarness::Start(view);
        camera = &view;
        player = &MakePlayer(play);

        Entity& trigger = play.Spawn("EndTrigger");
        ending = trigger.Add<EndingTrigger>();
        ending->finalObjectName = "Final";
        PlayHarness::Start(trigger);

        Entity& final = MakeBox(play, "Final", tvec2(41.0f, -3.0f));
        final.Add<Color>();
        final.Add<Sprite>();
        Pickup* pickup = final.Add<Pickup>();
        pickup->score = 20;
        pickup->destroyDelay = 1000.0f; // the explosions outlast the default

        final.Add<ParticleEmitter>();
        text = final.Add<SpriteText>();
        text->visible = false;
        pop = final.Add<EndingPop>();
        explosions = final.Add<EndParticles>();
        explosions->randSpawnOffset = tvec2(7.5f, 0.5f);
        PlayHarness::Start(final);
        finalObject = &final;
    }
    std::vector<const Entity*> Bursts() const { return Named("explosion"); }
    void KeyDown(unsigned scancode)
    {
        play.Post(MSG_KEYDOWN, KeyMessage{scancode});
        play.Frame(0.0f);
    }

    LevelSettings* level = nullptr;
    Entity* camera = nullptr;
    FollowCam* follow = nullptr;
    EndingTrigger* ending = nullptr;
    Entity* finalObject = nullptr;
    SpriteText* text = nullptr;
    EndingPop* pop = nullptr;
    EndParticles* explosions = nullptr;
};

// Space leaves only once the ending has begun.
TEST(EndingTrigger, ThePlayersTouchStopsTheWorldAndGlidesTheCameraToTheFinalObject)
{
    FinalLevel level;
    level.KeyDown(keySpace);
    EXPECT_EQ(level.play.engine.Gamestates().size(), 1u);
    level.Touch(*level.ending->owner, &level.play.Spawn("Rock"));
    EXPECT_FALSE(level.ending->done);
    EXPECT_EQ(level.level->gravitySpeed, 10.0f);
    level.ending->finalObjectName = "Missing"; // without its final object the level plays on
    level.Touch(*level.ending->owner, level.player);
    EXPECT_FALSE(level.ending->done);
    EXPECT_FALSE(level.follow->stopped);
    EXPECT_EQ(level.level->gravitySpeed, 10.0f);
    level.ending->finalObjectName = "Final";

    level.state->SetCamera(level.camera->id);
    level.Touch(*level.ending->owner, level.player);
    EXPECT_TRUE(level.follow->stopped);
    EXPECT_EQ(level.level->gravitySpeed, 0.0f);
    EXPECT_TRUE(level.text->visible);
    EXPECT_TRUE(level.pop->active);
    Transform* view = level.camera->Get<Transform>();
    level.play.Frames(60);
    EXPECT_NEAR(view->position.x, 21.0f, 0.5f); // half way after 1 s
    EXPECT_NEAR(view->position.y, -0.5f, 0.1f);
    level.play.Frames(61);
    EXPECT_EQ(view->position, tvec2(41.0f, -3.0f));

    view->position = tvec2(0.0f);
    level.Touch(*level.ending->owner, level.player); // once only
    level.play.Frames(10);
    EXPECT_EQ(view->position, tvec2(0.0f));
    level.KeyDown(keyEnter);
    EXPECT_EQ(level.play.engine.Gamestates().size(), 1u);
    level.KeyDown(keySpace);
    EXPECT_TRUE(level.play.engine.Gamestates().empty());
}

TEST(EndParticles, TheTouchReleasesTheFirstAndOneFollowsEveryHalfSecond)
{
    FinalLevel level;
    EXPECT_EQ(level.finalObject->Get<ParticleEmitter>()->emitCount, 20u);
    level.play.Frames(60);
    level.Touch(*level.finalObject, &level.play.Spawn("Rock"));
    EXPECT_TRUE(level.Bursts().empty());

    level.Touch(*level.finalObject, level.player);
    ASSERT_EQ(level.Bursts().size(), 1u);
    const Entity& first = *level.Bursts().front();
    EXPECT_EQ(first.Get<ParticleEmitter>()->Particles().Size(), 1u); // 20 points / 20
    EXPECT_EQ(first.Get<PickupParticleHelper>()->particlesPerPoint, 1u);
    EXPECT_TRUE(first.Get<PickupParticleHelper>()->tracking);
    const tvec2 place = first.Get<Transform>()->position; // no camera here: world units
    EXPECT_LE(std::abs(place.x - 41.0f), 7.5f);
    EXPECT_LE(std::abs(place.y + 3.0f), 0.5f);

    level.play.Frame(0.5f);
    EXPECT_EQ(level.Bursts().size(), 1u); // not yet: strictly more than half a second
    level.play.Frame(0.01f);
    EXPECT_EQ(level.Bursts().size(), 2u);
    level.play.Frames(40, 0.51f);
    EXPECT_EQ(level.explosions->released, 20u);
    level.Touch(*level.finalObject, level.player);
    EXPECT_EQ(level.explosions->released, 20u);
}

// No explosions release nothing; fewer points than explosions leave bursts empty.
TEST(EndParticles, BurstsShareOutThePointsEvenWhenTooFewOrNone)
{
    for (const unsigned explosions : {0u, 8u})
    {
        FinalLevel level;
        level.finalObject->Get<Pickup>()->score = 7;
        level.explosions->numExplosions = explosions;
        level.Touch(*level.finalObject, level.player);
        ASSERT_EQ(level.Bursts().size(), explosions ? 1u : 0u);
        if (explosions)
        {
            EXPECT_TRUE(level.Bursts().front()->Get<ParticleEmitter>()->Particles().Empty());
        }
        level.play.Frames(10, 0.6f);
        EXPECT_EQ(level.explosions->released, explosions ? 8u : 0u);
    }
}

// A rocket archetype written for the test and removed after it.
class RocketArchetype
{
public:
    RocketArchetype() : path(AssetPath("Archetypes", "__test_rocket"))
    {
        std::ofstream(path) << "Transform:\n{\n  Position=0,0\n}\nRigidBody:\n{\n  Static=0\n}\n"
                               "Color:\n{\n  color=1,1,1,1\n}\nKillAfterTime:\n{\n  Time=9\n}\n";
    }
    ~RocketArchetype() { std::remove(path.c_str()); }

private:
    std::string path;
};

TEST(Fireworks, EverySpaceFiresCountRocketsWithWholeRandomSpeedsAndLives)
{
    RocketArchetype archetype;
    FinalLevel level;
    Entity& launcher = level.play.Spawn("Launcher");
    launcher.Add<Transform>()->position = tvec2(3.0f, 4.0f);
    Fireworks* fireworks = launcher.Add<Fireworks>();
    fireworks->archetype = "__test_rocket";
    fireworks->count = 25;
    PlayHarness::Start(launcher);
    level.KeyDown(keyEnter);
    level.KeyDown(keySpace);
    std::vector<const Entity*> rockets;
    for (const auto& entry : level.state->Entities())
        if (entry.second->archetype == "__test_rocket")
            rockets.push_back(entry.second);
    ASSERT_EQ(rockets.size(), 25u);
    // Speeds and lives are whole numbers in their ranges.
    const auto whole = [](float value, float low, float high)
    { return value == std::trunc(value) && value >= low && value <= high; };
    bool sideways = false;
    for (const Entity* rocket : rockets)
    {
        EXPECT_EQ(rocket->name, "");
        EXPECT_EQ(rocket->Get<Transform>()->position, tvec2(3.0f, 4.0f));
        const tvec2 speed = rocket->Get<RigidBody>()->velocity;
        EXPECT_TRUE(whole(speed.x, -2.0f, 3.0f) && whole(speed.y, 3.0f, 8.0f)) << speed.x << ", " << speed.y;
        EXPECT_TRUE(whole(rocket->Get<KillAfterTime>()->time, 1.0f, 4.0f)) << rocket->Get<KillAfterTime>()->time;
        sideways |= speed.x != 0.0f;
    }
    EXPECT_TRUE(sideways);
}
} // namespace
} // namespace Orvex
