#include "Furniture.h"
#include "engine/Random.h"
#include "game/components/Quest.h"
#include "game/components/RoboWuffin.h"
#include "graphics/SpriteText.h"

namespace Orvex
{
namespace
{
constexpr unsigned keyT = 23, keyY = 28, keyOne = 30;
constexpr unsigned leftKeys[] = {80, 4}, rightKeys[] = {79, 7};

struct Adventure
{
    Adventure()
    {
        play.PushBare();
        Entity& book = play.Spawn("Quest");
        book.Add<Transform>()->position = tvec2(2.0f, 5.0f);
        book.Add<Color>();
        book.Add<SpriteText>();
        quest = book.Add<Quest>();
        PlayHarness::Start(book);
    }
    // The five lines, top to bottom, with the boxes' places.
    std::vector<std::string> Lines()
    {
        std::vector<std::string> lines{quest->owner->Get<SpriteText>()->text};
        for (const std::uint32_t id : quest->boxes)
            lines.push_back(play.engine.GetActiveGamestate().FindEntity(id)->Get<SpriteText>()->text);
        return lines;
    }
    tvec2 BoxPosition(int i)
    {
        const Entity* box = play.engine.GetActiveGamestate().FindEntity(quest->boxes[i]);
        return box->Get<Transform>()->position;
    }

    PlayHarness play;
    Quest* quest = nullptr;
};

TEST(Quest, AsksFirstThenKeysTurnThePages)
{
    Adventure adventure;
    ASSERT_EQ(adventure.quest->boxes.size(), 4u);
    EXPECT_EQ(adventure.BoxPosition(0), tvec2(2.0f, 4.0f));
    EXPECT_EQ(adventure.BoxPosition(3), tvec2(2.0f, 1.0f));
    adventure.play.Frame();
    EXPECT_EQ(adventure.Lines(), (std::vector<std::string>{"Would you like to play an Adventure?",
                                                           "Y for yes, N for no", "", "", ""}));
    adventure.play.Press(keyY);
    EXPECT_EQ(adventure.quest->xp, 1);
    EXPECT_EQ(adventure.Lines()[3], "1: Fight the kobolds");
    adventure.play.Press(keyOne);
    EXPECT_EQ(adventure.quest->xp, 2);
    EXPECT_EQ(adventure.Lines()[4], ""); // a line the page does not use is emptied
    adventure.quest->xp = 12;
    adventure.play.Frame();
    EXPECT_EQ(adventure.Lines()[3], "What a glorious adventure!");
    adventure.quest->xp = 13; // beyond the last page: the lines stay
    adventure.play.Frame();
    EXPECT_EQ(adventure.Lines()[0], "Victory!");
}

// The lean keys held now: -1 left, 1 right, 0 none; a side's two keys go together.
int Leaning()
{
    const bool left = Input::KeyHeld(leftKeys[0]), right = Input::KeyHeld(rightKeys[0]);
    EXPECT_EQ(Input::KeyHeld(leftKeys[1]), left) << "half a left move";
    EXPECT_EQ(Input::KeyHeld(rightKeys[1]), right) << "half a right move";
    EXPECT_FALSE(left && right);
    return left ? -1 : right ? 1 : 0;
}

TEST(RoboWuffin, TIsATakeoverThatLeansBothWaysAndLeavesKeysDownWhenCutOff)
{
    Random::Seed(7);
    BarePlay play;
    Entity& dog = MakeDog(play);
    RoboWuffin* robot = dog.Add<RoboWuffin>();
    PlayHarness::Start(dog);

    ::testing::internal::CaptureStdout();
    play.Press(keyT);
    const std::string said = ::testing::internal::GetCapturedStdout();
    EXPECT_EQ(said.rfind("R0B0WUFFIN TAKEOVER INITIALIZING. . .\n"
                         "STANDBY FOR R0B0W00f INFORMATION FEED. . .\n",
                         0),
              0u);
    ASSERT_TRUE(robot->active);
    bool wentLeft = false, wentRight = false, stood = false;
    ::testing::internal::CaptureStdout();
    for (int frame = 0; frame < 1200; ++frame)
    {
        play.Frame();
        const int lean = Leaning();
        wentLeft |= lean < 0;
        wentRight |= lean > 0;
        stood |= robot->freezing;
    }
    EXPECT_TRUE(wentLeft && wentRight && stood);
    for (int frame = 0; frame < 600 && Leaning() == 0; ++frame)
        play.Frame();
    const int lean = Leaning();
    ASSERT_NE(lean, 0);
    play.Press(keyT);
    play.Frames(120);
    ::testing::internal::GetCapturedStdout();
    EXPECT_FALSE(robot->active);
    EXPECT_EQ(Leaning(), lean);
}
} // namespace
} // namespace Orvex
