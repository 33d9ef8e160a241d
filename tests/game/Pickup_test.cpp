#include "PlayHarness.h"
#include "game/components/Pickup.h"
#include "game/components/TumboController.h"
#include "graphics/Color.h"
#include "graphics/ParticleEmitter.h"
#include "graphics/Sprite.h"
#include "physics/BoxCollider.h"
#include "physics/RigidBody.h"
#include "physics/Transform.h"

namespace Orvex
{
namespace
{
Entity& MakeBone(PlayHarness& play, bool glowing = false)
{
    Entity& bone = play.Spawn("Bone");
    bone.Add<Transform>();
    bone.Add<RigidBody>();
    bone.Add<BoxCollider>();
    bone.Add<Color>();
    bone.Add<Sprite>();
    bone.Add<Pickup>();
    if (glowing)
        bone.Add<ParticleEmitter>();
    return PlayHarness::Start(bone);
}

void Touch(PlayHarness& play, Entity& self, Entity* other)
{
    play.Post(MSG_COLLISION, CollisionMessage{&self, other, tvec2(0.0f), -1, true});
    play.Frame(0.0f);
}

TEST(Pickup, ThePlayersTouchCollectsOnceHidesAndRemovesItLater)
{
    PlayHarness play;
    IGamestate& state = play.PushBare();
    Entity& bone = MakeBone(play);
    Entity& dog = play.Spawn("TumboWuffin");
    dog.Add<TumboController>(); // enough to be recognised
    const std::uint32_t id = bone.id;
    Touch(play, bone, &dog);
    EXPECT_TRUE(bone.Get<Pickup>()->collected);
    EXPECT_FALSE(bone.Get<Sprite>()->visible);
    Touch(play, bone, &dog);
    play.Frames(2, 0.5f);
    EXPECT_EQ(state.Entities().count(id), 1u);
    play.Frame(0.5f); // 1.5 s
    EXPECT_EQ(state.Entities().count(id), 0u);
}

TEST(Pickup, CollectingItStopsItsGlow)
{
    PlayHarness play;
    play.PushBare();
    Entity& bone = MakeBone(play, true);
    ParticleEmitter* glow = bone.Get<ParticleEmitter>();
    Entity& dog = play.Spawn("TumboWuffin");
    dog.Add<TumboController>();
    Touch(play, bone, &dog);
    EXPECT_FALSE(glow->active);
    play.Frames(60);
    EXPECT_TRUE(glow->Particles().Empty());
}

TEST(Pickup, OtherEntitiesDoNotCollectIt)
{
    PlayHarness play;
    play.PushBare();
    Entity& bone = MakeBone(play);
    Entity& rock = play.Spawn("Rock");
    Touch(play, bone, &rock);
    Touch(play, bone, nullptr);
    EXPECT_FALSE(bone.Get<Pickup>()->collected);
    EXPECT_TRUE(bone.Get<Sprite>()->visible);
}

} // namespace
} // namespace Orvex
