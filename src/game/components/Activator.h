#pragma once
// The link between a switch and what it switches: fired by a sibling component
// (CollideMove when its move ends, MultiActivator when its count is reached), it
// sends MSG_SET_ACTIVE for the entity it names, whose Moving, RocketPad,
// MultiActivator or ActivatorParticles then starts.

#include <string>

#include "audio/cSound.h"
#include "object/IComponent.h"

namespace Orvex
{
class Activator : public IComponent
{
    ORVEX_COMPONENT(Activator)

    // Sends MSG_SET_ACTIVE for the first entity named entityName in the active
    // state and plays the sound once. A name that matches nothing sends nothing;
    // the sound still plays, as the switch's own click.
    void Activate();

    std::string entityName; // "EntityName": the entity to activate
    cSound sound;           // "Sound"
};

// The entity a MSG_SET_ACTIVE payload names; null for none.
const Entity* SetActiveTarget(const void* payload);
} // namespace Orvex
