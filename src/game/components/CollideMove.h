#pragma once
// A door or platform that slides once, from PosOriginal toward PosNew, when the
// player first touches it. Its SoundEmitter plays while it moves; at the end it
// snaps to PosNew, swaps to FinishSound and, when Activatable, fires the
// entity's Activator: a switch.
//
// DeltaX is the horizontal distance covered so far and is saved with the level,
// so the move resumes where it stood. A purely vertical move (no horizontal
// distance to cover) therefore ends on its first update.

#include "audio/cSound.h"
#include "engine/Math.h"
#include "object/IComponent.h"

namespace Orvex
{
class CollideMove : public IComponent
{
    ORVEX_COMPONENT(CollideMove)

    // Needs a Transform and a BoxCollider; listens for MSG_COLLISION.
    void Init() override;
    // While moving: Position += Speed x (PosNew - PosOriginal) x dt.
    void Update(float dt) override;

    cSound finishSound;             // "FinishSound"
    tvec2 posOriginal{0.0f, 0.0f};  // "PosOriginal"
    tvec2 posNew{0.0f, 0.0f};       // "PosNew"
    float speed = 0.0f;             // "Speed": share of the whole move per second
    float deltaX = 0.0f;            // "DeltaX": horizontal distance covered
    bool activatable = false;       // "Activatable": a switch; a touch makes it a ghost

    bool moving = false;
    bool finished = false;

private:
    void OnCollision(const void* payload);
    void Finish();
};
} // namespace Orvex
