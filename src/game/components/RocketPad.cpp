#include "game/components/RocketPad.h"

#include "actions/Action.h"
#include "actions/Ease.h"
#include "engine/Engine.h"
#include "engine/IGamestate.h"
#include "game/components/Activator.h"
#include "game/components/TumboController.h"
#include "game/components/Touch.h"
#include "graphics/Color.h"
#include "graphics/ParticleEmitter.h"
#include "messaging/Message.h"
#include "object/Entity.h"

namespace Orvex
{
ORVEX_REGISTER_COMPONENT(RocketPad)

ORVEX_MEMBERS(RocketPad)
{
    ORVEX_FIELD(timeLength, "TimeLength");
    ORVEX_FIELD(jumpFactor, "JumpFactor");
    ORVEX_FIELD(activated, "Activated");
    ORVEX_FIELD(fireColor, "fireColor");
    ORVEX_FIELD(randColor, "randColor");
    ORVEX_FIELD(colorChange, "colorChange");
    ORVEX_FIELD(xVelocity, "xVelocity");
    ORVEX_FIELD(screenShakeAmplitude, "screenShakeAmplitude");
    ORVEX_FIELD(screenShakeFrequency, "screenShakeFrequency");
}

namespace
{
constexpr float LightUpTime = 1.0f; // seconds to white once activated

// The landing on the pad that the player is given every driven frame.
CollisionMessage Landing(Entity& player, Entity& pad)
{
    return CollisionMessage{&player, &pad, tvec2(0.0f), TumboController::FootVertex, false};
}
} // namespace

void RocketPad::Init()
{
    RequireCollider();
    Subscribe(MSG_COLLISION, &RocketPad::OnCollision);
    Subscribe(MSG_SET_ACTIVE, &RocketPad::OnSetActive);
}

void RocketPad::OnCollision(const void* payload)
{
    if (!activated)
        return;
    // A touch during a drive changes the player, never the timer.
    if (const Entity* player = PlayerToucher(payload))
        driven = player->id;
    Engine::Get()->Send(MSG_SCREEN_SHAKE,
                        ScreenShakeMessage{screenShakeAmplitude, timeLength, screenShakeFrequency});
}

void RocketPad::OnSetActive(const void* payload)
{
    if (SetActiveTarget(payload) != owner)
        return;
    activated = true;
    if (Color* color = owner->Get<Color>())
        AddAction(*owner, &color->color, tvec4(1.0f), LightUpTime, Linear);
}

void RocketPad::Update(float dt)
{
    if (!driven)
        return;
    IGamestate* state = ActiveState();
    Entity* player = state ? state->FindEntity(*driven) : nullptr;
    if (!player)
    {
        LetGo(nullptr);
        return;
    }
    Drive(*player);
    timer += dt;
    if (timer >= timeLength)
        LetGo(player);
}

void RocketPad::Drive(Entity& player)
{
    Engine& engine = *Engine::Get();
    engine.Send(MSG_COLLISION, Landing(player, *owner));
    engine.Send(MSG_ROCKET_START, Landing(player, *owner));
    engine.Send(MSG_BOUNCE, BounceMessage{&player, jumpFactor});
    Light(player);
}

void RocketPad::Light(Entity& player)
{
    ParticleEmitter* sparks = player.Get<ParticleEmitter>();
    if (!sparks || sparks->color == fireColor)
        return;
    // Saved only once: the sparks are flames from here until the drive ends.
    if (!savedSparks)
        savedSparks = SparkSettings{sparks->velocity.x, sparks->color, sparks->randomColor,
                                    sparks->colorChange};
    sparks->velocity.x = xVelocity;
    sparks->color = fireColor;
    sparks->randomColor = randColor;
    sparks->colorChange = colorChange;
}

void RocketPad::LetGo(Entity* player)
{
    if (player)
    {
        Engine::Get()->Send(MSG_ROCKET_END, Landing(*player, *owner));
        ParticleEmitter* sparks = player->Get<ParticleEmitter>();
        if (sparks && savedSparks)
        {
            sparks->velocity.x = savedSparks->velocityX;
            sparks->color = savedSparks->color;
            sparks->randomColor = savedSparks->randomColor;
            sparks->colorChange = savedSparks->colorChange;
        }
    }
    savedSparks.reset();
    driven.reset();
    timer = 0.0f;
}
} // namespace Orvex
