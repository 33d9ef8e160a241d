#include <gtest/gtest.h>

#include "Probes.h"
#include "object/TypeRegistry.h"

namespace Orvex
{
namespace
{
// Written out again on purpose: a reordering of the registry's lists would move
// every saved level's components and every entity's slots.
const std::vector<std::string> components = {
    "ActionBody", "Activator", "ActivatorParticles", "AirBoost", "AttachTo", "BounceParticle",
    "Bouncy", "CameraFade", "ChangeLevelOnKey", "ChangeMusicOnCollision",
    "ChangeResolutionOnClick", "CollideColor", "CollideInvert", "CollideMove", "CollideTeleport",
    "Color", "DisplayFPS", "DynamicCamera", "EmitOnMessage", "CollideFade", "EndingPop",
    "EndingTrigger", "EndParticles", "ExpandOnMouseOver", "Fade", "Fireworks", "FollowCam",
    "FullscreenOnClick", "GrowOnAddScore", "IceBlock", "IdleSound", "InvertAfterTime",
    "IrisOnLevelEnd", "LevelEditorCameraController", "LoadLevelOnCollision", "BoxCollider",
    "Camera", "CameraController", "CreateOnClick", "KillAfterTime", "KillBelowY",
    "LevelSettings", "LocationalSound", "MakeVisibleAfterTime", "MeshChanger", "MeshCollider",
    "MeshComponent", "MoveCamera", "Moving", "MultiActivator", "ObjectController",
    "ObjectFollow", "ParticleEmitter", "Patrol", "Pickup", "PickupParticleHelper",
    "PickupParticles", "PlaySoundOnCollision", "TumboController", "PopGSOnClick", "PopGSOnKey",
    "WuffinAnimation", "PushGSOnClick", "QuaternionCounter", "Quest", "Rainbow",
    "RandomColorOnClick", "RandomColorOnEvent", "ResizeOnCollide", "RestartButton",
    "RigidBody", "RoboWuffin", "RocketPad", "Rotate", "RotateOnAddScore", "SoundEmitter",
    "SoundOnMouseOver", "SoundSlider", "Sprite", "SpriteText", "Timer", "Transform",
    "TransitionFade", "ZoomInAndOut", "FadePushGSOnClick", "ScoreTracker",
};
const std::vector<std::string> gamestates = {
    "ConfirmationGS", "EndGS", "Gameplay", "IntroGS", "LevelEditor", "MenuGS", "PauseGS",
    "QuitGS", "Segment1GS", "SpeedrunGS", "TestGS",
};
const std::vector<std::string> systems = {
    "ActionSystem", "CollisionsSystem", "GraphicsSystem", "MessageSystem", "PhysicsSystem",
    "UpdateParticleSystem", "UpdateSpriteTextSystem",
};

void ExpectListPrefix(MetaKind kind, const std::vector<std::string>& expected)
{
    const std::vector<std::string>& names = TypeRegistry::Names(kind);
    ASSERT_GE(names.size(), expected.size());
    for (unsigned id = 0; id < expected.size(); ++id)
        EXPECT_EQ(names[id], expected[id]) << "id " << id;
}

TEST(TypeRegistryIds, EveryListedNameHasItsListPosition)
{
    ASSERT_EQ(components.size(), 86u);
    ExpectListPrefix(MetaKind::Component, components);
    ExpectListPrefix(MetaKind::Gamestate, gamestates);
    ExpectListPrefix(MetaKind::System, systems);
}

TEST(TypeRegistryFind, ListedClassesNotBuiltInAreNotRegistered)
{
    // This test binary links no component classes of the game.
    EXPECT_EQ(TypeRegistry::Find("TumboController"), nullptr);
    EXPECT_EQ(TypeRegistry::FindComponent("TumboController"), nullptr);
    EXPECT_EQ(TypeRegistry::Component(58), nullptr);
    EXPECT_EQ(TypeRegistry::CreateComponent("TumboController"), nullptr);
}

TEST(TypeRegistryFind, UnknownNamesAreNotRegistered)
{
    EXPECT_EQ(TypeRegistry::Find("NoSuchThing"), nullptr);
    EXPECT_EQ(TypeRegistry::Find(""), nullptr);
    EXPECT_EQ(TypeRegistry::CreateComponent("NoSuchThing"), nullptr);
    EXPECT_EQ(TypeRegistry::CreateSystem("NoSuchThing"), nullptr);
    EXPECT_EQ(TypeRegistry::CreateGamestate("NoSuchThing"), nullptr);
    EXPECT_EQ(TypeRegistry::Component(100000), nullptr);
}

TEST(TypeRegistryKinds, ARecordOfAnotherKindCountsAsNotRegistered)
{
    EXPECT_NE(TypeRegistry::Find("ProbeComponent", MetaKind::Component), nullptr);
    EXPECT_EQ(TypeRegistry::Find("ProbeComponent", MetaKind::Gamestate), nullptr);
    EXPECT_EQ(TypeRegistry::Find("ProbeComponent", MetaKind::System), nullptr);
    EXPECT_EQ(TypeRegistry::Find("ProbeSystem", MetaKind::Component), nullptr);
    EXPECT_EQ(TypeRegistry::FindComponent("ProbeSystem"), nullptr);
    EXPECT_EQ(TypeRegistry::FindComponent("ProbeState"), nullptr);
    EXPECT_EQ(TypeRegistry::CreateGamestate("ProbeComponent"), nullptr);
    EXPECT_EQ(TypeRegistry::CreateComponent("ProbeSystem"), nullptr);
    EXPECT_EQ(TypeRegistry::CreateSystem("ProbeState"), nullptr);
}

TEST(TypeRegistryCreate, ComponentsAndSystemsByName)
{
    IComponent* component = TypeRegistry::CreateComponent("ProbeComponent");
    ASSERT_NE(component, nullptr);
    auto* probe = dynamic_cast<ProbeComponent*>(component);
    ASSERT_NE(probe, nullptr);
    EXPECT_EQ(probe->label, "none");
    EXPECT_EQ(probe->owner, nullptr);
    ProbeComponent::Meta().Destroy(component);

    ISystem* system = TypeRegistry::CreateSystem("ProbeSystem");
    ASSERT_NE(system, nullptr);
    EXPECT_NE(dynamic_cast<ProbeSystem*>(system), nullptr);
    ProbeSystem::Meta().Destroy(system);
}

template <class Record> std::string RegistrationError(const char* name)
{
    try
    {
        Record record(name);
    }
    catch (const std::string& error)
    {
        return error;
    }
    return "registered";
}

TEST(TypeRegistryRegister, ASecondRecordOfANameIsRefused)
{
    EXPECT_EQ(RegistrationError<META_SYSTEM<ProbeSystem>>("ProbeSystem"),
              "Type attempted to be registered twice: ProbeSystem");
    EXPECT_EQ(RegistrationError<META_COMPONENT<ProbeDependent>>("ProbeSystem"),
              "Type attempted to be registered twice: ProbeSystem");
    EXPECT_EQ(TypeRegistry::Find("ProbeSystem"), &ProbeSystem::Meta());
    EXPECT_EQ(TypeRegistry::Count(MetaKind::System), systems.size() + 1);
}

TEST(TypeRegistryRegister, AListedNameOfAnotherKindIsRefused)
{
    EXPECT_EQ(RegistrationError<META_COMPONENT<ProbeDependent>>("TestGS"),
              "Type attempted to be registered as the wrong kind: TestGS");
    EXPECT_EQ(RegistrationError<META_GAMESTATE<ProbeState>>("ScoreTracker"),
              "Type attempted to be registered as the wrong kind: ScoreTracker");
    EXPECT_EQ(TypeRegistry::Find("TestGS", MetaKind::Component), nullptr);
    EXPECT_EQ(TypeRegistry::Count(MetaKind::Component), components.size() + 2);
}
} // namespace
} // namespace Orvex
