#include "game/components/CollideMove.h"

#include <cmath>

#include "audio/SoundEmitter.h"
#include "game/components/Activator.h"
#include "game/components/Touch.h"
#include "object/Entity.h"
#include "physics/BoxCollider.h"
#include "physics/Transform.h"

namespace Orvex
{
ORVEX_REGISTER_COMPONENT(CollideMove)

ORVEX_MEMBERS(CollideMove)
{
    ORVEX_FIELD(finishSound, "FinishSound");
    ORVEX_FIELD(posOriginal, "PosOriginal");
    ORVEX_FIELD(posNew, "PosNew");
    ORVEX_FIELD(speed, "Speed");
    ORVEX_FIELD(deltaX, "DeltaX");
    ORVEX_FIELD(activatable, "Activatable");
}

void CollideMove::Init()
{
    RequireComponent<Transform>();
    RequireComponent<BoxCollider>();
    Subscribe(MSG_COLLISION, &CollideMove::OnCollision);
}

void CollideMove::OnCollision(const void* payload)
{
    if (!moving && !finished && PlayerToucher(payload))
    {
        moving = true;
        if (SoundEmitter* emitter = owner->Get<SoundEmitter>())
            emitter->Play();
    }
    // A pressed switch lets everything through.
    if (activatable)
        if (BoxCollider* box = owner->Get<BoxCollider>())
            box->ghost = true;
}

void CollideMove::Update(float dt)
{
    Transform* transform = owner->Get<Transform>();
    if (!moving || !transform)
        return;
    const tvec2 d = posNew - posOriginal;
    if (std::abs(deltaX) >= std::abs(d.x))
    {
        Finish();
        return;
    }
    transform->position += speed * d * dt;
    deltaX += speed * d.x * dt;
}

void CollideMove::Finish()
{
    moving = false;
    finished = true;
    if (SoundEmitter* emitter = owner->Get<SoundEmitter>())
    {
        emitter->Silence();
        if (!finishSound.name.empty())
        {
            emitter->sound = finishSound;
            emitter->channel = emitter->sound.Play(false, emitter->volume, emitter->pitchRand);
        }
    }
    if (Transform* transform = owner->Get<Transform>())
        transform->position = posNew;
    if (activatable)
        if (Activator* activator = owner->Get<Activator>())
            activator->Activate();
}
} // namespace Orvex
