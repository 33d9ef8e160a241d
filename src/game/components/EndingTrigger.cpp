#include "game/components/EndingTrigger.h"

#include "actions/Action.h"
#include "data/LevelSettings.h"
#include "engine/Engine.h"
#include "engine/IGamestate.h"
#include "game/components/EndingPop.h"
#include "game/components/TumboController.h"
#include "graphics/FollowCam.h"
#include "graphics/SpriteText.h"
#include "messaging/Message.h"
#include "object/Entity.h"
#include "physics/Transform.h"

namespace Orvex
{
ORVEX_REGISTER_COMPONENT(EndingTrigger)

ORVEX_MEMBERS(EndingTrigger) { ORVEX_FIELD(finalObjectName, "FinalObjectName"); }

namespace
{
// Stops the follower and glides the camera to target.
void PanCamera(Entity& camera, const tvec2& target)
{
    if (FollowCam* follow = camera.Get<FollowCam>())
        follow->stopped = true;
    if (Transform* transform = camera.Get<Transform>())
        AddAction(camera, &transform->position, target, EndingTrigger::PanTime, Linear);
}
} // namespace

void EndingTrigger::Init() { Subscribe(MSG_COLLISION, &EndingTrigger::OnCollision); }

void EndingTrigger::OnCollision(const void* payload)
{
    IGamestate* state = Engine::Get()->ActiveGamestate();
    if (done || !state || !IsPlayer(static_cast<const CollisionMessage*>(payload)->Other))
        return;
    Entity* finalObject = state->FindEntity(finalObjectName);
    const Transform* target = finalObject ? finalObject->Get<Transform>() : nullptr;
    if (!target)
        return;
    done = true;
    if (Entity* camera = state->CameraEntity())
        PanCamera(*camera, target->position);
    if (SpriteText* text = finalObject->Get<SpriteText>())
        text->visible = true;
    if (EndingPop* pop = finalObject->Get<EndingPop>())
        pop->active = true;
    if (LevelSettings* level = LevelSettingsOf(*state))
        level->gravitySpeed = 0.0f;
}
} // namespace Orvex
