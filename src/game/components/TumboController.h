#pragma once
// The dog on its spring stick: every landing of the stick's foot (vertex 2 of the
// body's collision mesh) is a jump of fixed speed with a spray of sparks (the
// entity's BounceParticle), two keys lean the body, and contacts make throttled
// sounds and, on the sides, dust.
//
// The jump direction blends the incoming direction (weight 1), the leaning
// body's axis (weight 2) and world up (weight 1), so leaning steers and a straight
// fall bounces straight up. A body at rest, or a blend that cancels out, has no
// direction to normalise: its zero part is taken as zero, and a zero blend jumps
// straight up, so a landing never writes NaN into the velocity.

#include "audio/cSound.h"
#include "engine/Math.h"
#include "object/IComponent.h"

namespace Orvex
{
class Entity;

class TumboController : public IComponent
{
    ORVEX_COMPONENT(TumboController)

    static constexpr int FootVertex = 2;
    static constexpr float SoundGap = 0.1f; // seconds between two contact sounds
    static constexpr float DustGap = 0.5f;  // seconds between two dust puffs
    static constexpr float RocketSoundLimit = 10.0f; // seconds; longer drives are silent

    // Needs Transform, RigidBody, Sprite, SoundEmitter and Timer.
    void Init() override;
    // Leaning.
    void Update(float dt) override;
    void OnCollision(const void* payload);
    void OnBounce(const void* payload);
    // The first start of a drive silences the contact sounds and, unless the
    // pad (the message's Other) drives for RocketSoundLimit or more, starts
    // RocketSound in the entity's SoundEmitter with the emitter's own settings.
    void OnRocketStart(const void* payload);
    // Contact sounds back; the rocket sound is silenced.
    void OnRocketEnd(const void* payload);

    float rotSpeed = 1.0f;          // "RotSpeed": lean speed, half turns per second
    float jump = 1.0f;              // "Jump": speed of each jump, units per second
    float clamp = 1.5707964f;       // "Clamp": largest lean either way, radians
    unsigned controller = 0;        // "Controller": 0 A/D, 1 arrows, 2 keypad 4/6, 3 A/D
                                    // and arrows (each with the gamepad), else none
    cSound normalSound;             // "NormalSound": a landing
    cSound sideSound;               // "SideSound": any other solid contact
    cSound bounceySound;            // "BounceySound": a boosted jump
    cSound rocketSound;             // "RocketSound": while a rocket pad drives the body

    int lastContactVertex = 0;  // of the last solid contact; -1 when none was inside
    bool rocketActive = false;  // contact sounds are silent while set
    float dustTimer = 0.0f;     // seconds since the last dust puff

private:
    void Lean(float direction, float dt);
    // surface: what the foot landed on; a bouncy one gives the bouncy sparks.
    void Land(const Entity* surface);
    void SideContact(const tvec2& point);
    // Plays the sound unless one played less than SoundGap ago; the mark moves
    // on every contact that is let through, even when the rocket keeps it silent.
    void ContactSound(cSound& sound);
};

// The speed-Jump velocity of a landing: the normalised blend of the incoming
// direction, 2 x the body's up and world up, for a body turned by rotation (radians).
tvec2 LandingVelocity(const tvec2& velocity, float rotation, float jump);

// An entity is the player when it has a TumboController.
bool IsPlayer(const Entity* entity);
} // namespace Orvex
