#include "object/FixedTypeNames.h"

namespace Orvex
{
namespace
{
const std::vector<std::string>& ComponentNames()
{
    static const std::vector<std::string> names = {
        "ActionBody", "Activator", "ActivatorParticles", "AirBoost", "AttachTo",
        "BounceParticle", "Bouncy", "CameraFade", "ChangeLevelOnKey", "ChangeMusicOnCollision",
        "ChangeResolutionOnClick", "CollideColor", "CollideInvert", "CollideMove",
        "CollideTeleport", "Color", "DisplayFPS", "DynamicCamera", "EmitOnMessage",
        "CollideFade", "EndingPop", "EndingTrigger", "EndParticles", "ExpandOnMouseOver",
        "Fade", "Fireworks", "FollowCam", "FullscreenOnClick", "GrowOnAddScore", "IceBlock",
        "IdleSound", "InvertAfterTime", "IrisOnLevelEnd", "LevelEditorCameraController",
        "LoadLevelOnCollision", "BoxCollider", "Camera", "CameraController", "CreateOnClick",
        "KillAfterTime", "KillBelowY", "LevelSettings", "LocationalSound",
        "MakeVisibleAfterTime", "MeshChanger", "MeshCollider", "MeshComponent", "MoveCamera",
        "Moving", "MultiActivator", "ObjectController", "ObjectFollow", "ParticleEmitter",
        "Patrol", "Pickup", "PickupParticleHelper", "PickupParticles", "PlaySoundOnCollision",
        "TumboController", "PopGSOnClick", "PopGSOnKey", "WuffinAnimation", "PushGSOnClick",
        "QuaternionCounter", "Quest", "Rainbow", "RandomColorOnClick", "RandomColorOnEvent",
        "ResizeOnCollide", "RestartButton", "RigidBody", "RoboWuffin", "RocketPad", "Rotate",
        "RotateOnAddScore", "SoundEmitter", "SoundOnMouseOver", "SoundSlider", "Sprite",
        "SpriteText", "Timer", "Transform", "TransitionFade", "ZoomInAndOut",
        "FadePushGSOnClick", "ScoreTracker",
    };
    return names;
}

const std::vector<std::string>& GamestateNames()
{
    static const std::vector<std::string> names = {
        "ConfirmationGS", "EndGS", "Gameplay", "IntroGS", "LevelEditor", "MenuGS",
        "PauseGS", "QuitGS", "Segment1GS", "SpeedrunGS", "TestGS",
    };
    return names;
}

const std::vector<std::string>& SystemNames()
{
    static const std::vector<std::string> names = {
        "ActionSystem", "CollisionsSystem", "GraphicsSystem", "MessageSystem",
        "PhysicsSystem", "UpdateParticleSystem", "UpdateSpriteTextSystem",
    };
    return names;
}
} // namespace

const std::vector<std::string>& FixedTypeNames(MetaKind kind)
{
    static const std::vector<std::string> none;
    switch (kind)
    {
    case MetaKind::Component:
        return ComponentNames();
    case MetaKind::Gamestate:
        return GamestateNames();
    case MetaKind::System:
        return SystemNames();
    case MetaKind::Pod:
        break;
    }
    return none;
}
} // namespace Orvex
