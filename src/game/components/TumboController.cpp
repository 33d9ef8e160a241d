#include "game/components/TumboController.h"

#include <cmath>

#include "audio/SoundEmitter.h"
#include "data/Level.h"
#include "engine/Engine.h"
#include "engine/IGamestate.h"
#include "game/components/BounceParticle.h"
#include "game/components/Bouncy.h"
#include "game/components/RocketPad.h"
#include "game/components/Timer.h"
#include "graphics/Color.h"
#include "graphics/ParticleEmitter.h"
#include "graphics/Sprite.h"
#include "messaging/Input.h"
#include "messaging/Message.h"
#include "object/Entity.h"
#include "physics/RigidBody.h"
#include "physics/Transform.h"

namespace Orvex
{
ORVEX_REGISTER_COMPONENT(TumboController)

ORVEX_MEMBERS(TumboController)
{
    ORVEX_FIELD(rotSpeed, "RotSpeed");
    ORVEX_FIELD(jump, "Jump");
    ORVEX_FIELD(clamp, "Clamp");
    ORVEX_FIELD(controller, "Controller");
    ORVEX_FIELD(normalSound, "NormalSound");
    ORVEX_FIELD(sideSound, "SideSound");
    ORVEX_FIELD(bounceySound, "BounceySound");
    ORVEX_FIELD(rocketSound, "RocketSound");
}

namespace
{
constexpr float HalfPi = 1.5707964f;

struct KeyPair
{
    unsigned left;
    unsigned right;
};
constexpr KeyPair AD{4, 7}, Arrows{80, 79}, Keypad{92, 94};
// Each layout reads two pairs; a key of either pair leans once, so holding both
// leans no faster (a recorded run holds every layout's key at once).
constexpr KeyPair Layouts[][2] = {{AD, AD}, {Arrows, Arrows}, {Keypad, Keypad}, {AD, Arrows}};

bool EitherHeld(unsigned a, unsigned b) { return Input::KeyHeld(a) || Input::KeyHeld(b); }

// v / |v|, or zero for a zero vector.
tvec2 Direction(const tvec2& v)
{
    const float length = glm::length(v);
    return length > 0.0f ? v / length : tvec2(0.0f, 0.0f);
}
} // namespace

tvec2 LandingVelocity(const tvec2& velocity, float rotation, float jump)
{
    const tvec2 up(-std::sin(rotation), std::cos(rotation));
    const tvec2 blend = Direction(velocity) + 2.0f * up + tvec2(0.0f, 1.0f);
    const tvec2 direction = Direction(blend);
    return jump * (direction == tvec2(0.0f, 0.0f) ? tvec2(0.0f, 1.0f) : direction);
}

bool IsPlayer(const Entity* entity) { return entity && entity->Get<TumboController>(); }

void TumboController::Init()
{
    RequireComponent<Transform>();
    RequireComponent<RigidBody>();
    RequireComponent<Sprite>();
    RequireComponent<SoundEmitter>();
    RequireComponent<Timer>();
    Subscribe(MSG_COLLISION, &TumboController::OnCollision);
    Subscribe(MSG_BOUNCE, &TumboController::OnBounce);
    Subscribe(MSG_ROCKET_START, &TumboController::OnRocketStart);
    Subscribe(MSG_ROCKET_END, &TumboController::OnRocketEnd);
}

void TumboController::Update(float dt)
{
    dustTimer += dt;
    if (controller >= sizeof Layouts / sizeof Layouts[0])
        return;
    const KeyPair(&keys)[2] = Layouts[controller];
    if (EitherHeld(keys[0].left, keys[1].left))
        Lean(1.0f, dt);
    if (EitherHeld(keys[0].right, keys[1].right))
        Lean(-1.0f, dt);
    // A gamepad leans every dog that has keys: the stick gently, the d-pad fully.
    if (const float pad = Input::PadLean(); pad != 0.0f)
        Lean(-pad, dt);
}

void TumboController::Lean(float direction, float dt)
{
    Transform* transform = owner->Get<Transform>();
    RigidBody* body = owner->Get<RigidBody>();
    if (!transform || !body)
        return;
    // A stick leans part of the way as fast and pushes as hard as it is pushed.
    const float side = direction > 0.0f ? 1.0f : -1.0f;
    float& rotation = transform->rotation;
    rotation += direction * rotSpeed * Pi * dt;
    if (rotation * side > clamp)
        rotation = side * clamp;
    // Pushed sideways only while leaning the way the key turns, not on the way back.
    if (rotation * side > 0.0f)
        body->velocity.x += std::cos(rotation + HalfPi) * dt * jump / 0.75f * std::abs(direction);
}

void TumboController::OnCollision(const void* payload)
{
    const CollisionMessage& contact = *static_cast<const CollisionMessage*>(payload);
    if (contact.Ghost)
        return;
    lastContactVertex = contact.VertexIndex;
    if (contact.VertexIndex == FootVertex)
        Land(contact.Other);
    else
        SideContact(contact.Point);
}

void TumboController::Land(const Entity* surface)
{
    Transform* transform = owner->Get<Transform>();
    RigidBody* body = owner->Get<RigidBody>();
    if (transform && body)
        body->velocity = LandingVelocity(body->velocity, transform->rotation, jump);
    ContactSound(normalSound);
    BounceParticle* sparks = owner->Get<BounceParticle>();
    if (!sparks)
        return;
    const Bouncy* bouncy = surface ? surface->Get<Bouncy>() : nullptr;
    if (bouncy && bouncy->scale > 1.0f && surface->Get<Color>())
        sparks->EmitBouncyBounce();
    else
        sparks->EmitBounce();
}

void TumboController::SideContact(const tvec2& point)
{
    ContactSound(sideSound);
    if (dustTimer <= DustGap)
        return;
    dustTimer = 0.0f;
    IGamestate* state = Engine::Get()->ActiveGamestate();
    if (!state)
        return;
    Entity* dust = CreateFromArchetype("Dust", "Dust");
    if (Transform* transform = dust->Get<Transform>())
        transform->position = point;
    state->AddEntity(dust);
    // After the move, so that the puff starts where the contact was.
    if (ParticleEmitter* puff = dust->Get<ParticleEmitter>())
        puff->EmitBurst();
}

void TumboController::ContactSound(cSound& sound)
{
    Timer* timer = owner->Get<Timer>();
    if (!timer || timer->time - timer->mark <= SoundGap)
        return;
    if (!rocketActive)
        sound.Play(false, 1.0f, 0.0f);
    timer->mark = timer->time;
}

void TumboController::OnBounce(const void* payload)
{
    const BounceMessage& bounce = *static_cast<const BounceMessage*>(payload);
    if (bounce.target != owner || lastContactVertex != FootVertex)
        return;
    if (!rocketActive)
        bounceySound.Play(false, 1.0f, 0.0f);
    if (RigidBody* body = owner->Get<RigidBody>())
        body->velocity *= bounce.factor;
}

void TumboController::OnRocketStart(const void* payload)
{
    if (rocketActive)
        return;
    rocketActive = true;
    // A pad of ten seconds or more drives in silence.
    const Entity* pad = static_cast<const CollisionMessage*>(payload)->Other;
    const RocketPad* rocket = pad ? pad->Get<RocketPad>() : nullptr;
    if (rocket && !(rocket->timeLength < RocketSoundLimit))
        return;
    if (SoundEmitter* emitter = owner->Get<SoundEmitter>())
    {
        emitter->sound = rocketSound;
        emitter->Play();
    }
}

void TumboController::OnRocketEnd(const void*)
{
    rocketActive = false;
    if (SoundEmitter* emitter = owner->Get<SoundEmitter>())
        emitter->Silence();
}
} // namespace Orvex
