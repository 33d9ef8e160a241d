#include "PlayHarness.h"
#include "game/components/WuffinAnimation.h"
#include "graphics/Color.h"
#include "graphics/Sprite.h"
#include "physics/Transform.h"
#include "support/ErrorOf.h"

namespace Orvex
{
namespace
{
struct Dog
{
    Entity* entity;
    Sprite* sprite;
    WuffinAnimation* animation;
};

Dog MakeDog(PlayHarness& play)
{
    Entity& dog = play.Spawn("TumboWuffin");
    dog.Add<Transform>();
    dog.Add<Color>();
    Sprite* sprite = dog.Add<Sprite>();
    WuffinAnimation* animation = dog.Add<WuffinAnimation>();
    PlayHarness::Start(dog);
    return {&dog, sprite, animation};
}

void Land(PlayHarness& play, Entity& dog, int vertex = 2, bool ghost = false)
{
    play.Post(MSG_COLLISION, CollisionMessage{&dog, nullptr, tvec2(0.0f), vertex, ghost});
    play.Frame(0.0f); // delivered at the end of the frame, no time passes
}

// Impact frame shown after each step of a little over 0.25 s.
std::vector<unsigned> Steps(PlayHarness& play, Dog& dog, int count)
{
    std::vector<unsigned> shown;
    for (int i = 0; i < count; ++i)
    {
        play.Frame(0.26f);
        shown.push_back(dog.animation->frame);
        EXPECT_EQ(dog.sprite->texture, dog.animation->impactFrames[dog.animation->frame]);
    }
    return shown;
}

// At rest the falling frames follow, the last held.
TEST(WuffinAnimation, ALandingPlaysOneTwoHoldsTwoThenReturnsToRestAndALandingMeanwhileStartsAgain)
{
    BarePlay play;
    Dog dog = MakeDog(play);
    ASSERT_EQ(dog.animation->impactFrames.size(), 3u);
    ASSERT_EQ(dog.animation->fallingFrames.size(), 3u);
    for (unsigned expected : {0u, 1u, 2u, 2u})
    {
        play.Frame(0.26f);
        EXPECT_EQ(dog.sprite->texture, dog.animation->fallingFrames[expected]);
    }
    Land(play, *dog.entity, 2, true); // ghost and side contacts do not squash
    Land(play, *dog.entity, 0);
    Land(play, *dog.entity, -1);
    EXPECT_FALSE(dog.animation->playing);
    Land(play, *dog.entity);
    EXPECT_TRUE(dog.animation->playing);
    EXPECT_EQ(dog.animation->frame, 1u);
    EXPECT_EQ(dog.sprite->texture, dog.animation->impactFrames[1]);
    EXPECT_EQ(Steps(play, dog, 3), (std::vector<unsigned>{2, 2, 1}));
    EXPECT_TRUE(dog.animation->returning);
    Land(play, *dog.entity); // again while returning: from frame one
    EXPECT_FALSE(dog.animation->returning);
    EXPECT_EQ(dog.animation->frame, 1u);
    EXPECT_EQ(Steps(play, dog, 3), (std::vector<unsigned>{2, 2, 1}));
    EXPECT_EQ(Steps(play, dog, 2), (std::vector<unsigned>{0, 0}));
    EXPECT_FALSE(dog.animation->returning);
    EXPECT_FALSE(dog.animation->playing);
}

TEST(WuffinAnimation, FewerThanTwoImpactFramesIsAnErrorNamingTheEntity)
{
    for (unsigned frames : {0u, 1u})
    {
        BarePlay play;
        Entity& dog = play.Spawn("TumboWuffin");
        dog.Add<Transform>();
        dog.Add<Sprite>();
        dog.Add<WuffinAnimation>()->numFramesImpact = frames;
        EXPECT_EQ(ErrorOf([&dog] { dog.InitComponents(); }), "WuffinAnimation of TumboWuffin: numFramesImpact is " +
                                                    std::to_string(frames) +
                                                    ", a landing needs at least 2 impact frames");
    }
}

} // namespace
} // namespace Orvex
