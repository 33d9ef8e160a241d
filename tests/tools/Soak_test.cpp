#include <sstream>
#include <vector>

#include "game/PlayHarness.h"
#include "game/components/RoboWuffin.h"
#include "game/states/Gameplay.h"
#include "soak/Soak.h"

namespace Orvex
{
namespace
{
// The chain __soak_a, __soak_b and back to the menu, the soak looking on after
// every frame.
class SoakCourse
{
public:
    explicit SoakCourse(const Soak::Options& options) : soak(options, out)
    {
        IGamestate* state = play.engine.PushGamestate("Gameplay");
        state->SetCurrentLevel("__soak_a");
        play.engine.RunFrame();
        gameplay = &dynamic_cast<Gameplay&>(play.engine.GetActiveGamestate());
    }

    // In the game loop's order: a level asked for loads before the next update.
    void Frame()
    {
        play.engine.RunFixedFrame(0.5f);
        soak.AfterFrame(play.engine);
    }
    // Frames until the soak quits, at most count; each level ends, as its goal
    // reached would, a frame after it starts when endLevels is set.
    void PlayOut(bool endLevels, int count = 40)
    {
        for (int i = 0; i < count && !play.engine.HasFlag(Engine::QUIT); ++i)
        {
            if (endLevels && gameplay->LevelRunning() && gameplay->LevelTime() > 0.0f)
                play.engine.SendMessage(MSG_END_LEVEL);
            Frame();
        }
    }

    // "LEVEL round N" of every start line, in order.
    std::vector<std::string> Starts() const
    {
        std::vector<std::string> starts;
        std::istringstream lines(out.str());
        for (std::string line; std::getline(lines, line);)
        {
            const std::size_t at = line.find(": start ");
            if (at != std::string::npos)
                starts.push_back(line.substr(at + 8, line.find(',', at) - at - 8));
        }
        return starts;
    }

    SettingsLevel first{"__soak_a", "1", "__soak_b"};
    SettingsLevel last{"__soak_b", "1", "0"};
    PlayHarness play;
    std::ostringstream out;
    Soak soak;
    Gameplay* gameplay = nullptr;
};

TEST(Soak, PlaysEveryLevelOfTheChainEachRoundWhetherItEndsOrItsTimeIsUp)
{
    const std::vector<std::string> expected = {"__soak_a round 1", "__soak_b round 1",
                                               "__soak_a round 2", "__soak_b round 2"};
    struct Case
    {
        const char* name;
        double seconds;
        bool endLevels;
    };
    for (const Case& c : {Case{"ended", 600.0, true}, Case{"time up", 1e-9, false}})
    {
        SCOPED_TRACE(c.name);
        SoakCourse course({c.seconds, 2, 600.0});
        course.PlayOut(c.endLevels);
        EXPECT_TRUE(course.play.engine.HasFlag(Engine::QUIT));
        EXPECT_EQ(course.Starts(), expected);
        EXPECT_EQ(course.play.engine.Gamestates().size(), 1u);
        EXPECT_EQ(course.out.str().find("ERROR"), std::string::npos) << course.out.str();
        EXPECT_FALSE(course.soak.Failed());
    }
}

TEST(Soak, ALevelStartingWithOtherBlocksInUseThanInTheFirstRoundIsAnError)
{
    SoakCourse course({1e-9, 2, 600.0});
    course.Frame(); // __soak_a has started: what it holds from now on stays
    Pooled<Entity> kept(New<Entity>("kept"));
    course.PlayOut(false);
    EXPECT_TRUE(course.soak.Failed());
    EXPECT_NE(
        course.out.str().find("ERROR: __soak_a started with other blocks in use than in round 1, "),
        std::string::npos)
        << course.out.str();
}

TEST(Soak, SwitchesOnTheAutopilotALevelGivesItsDogSwitchedOff)
{
    SoakCourse course({600.0, 1, 600.0});
    RoboWuffin* robot = course.play.Spawn("TumboWuffin").Add<RoboWuffin>();
    course.Frame();
    EXPECT_TRUE(robot->active);
}
} // namespace
} // namespace Orvex
