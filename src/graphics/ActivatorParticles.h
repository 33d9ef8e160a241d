#pragma once
// An effect that runs until a named rocket pad is activated: the emitter is
// switched on at start and off, once, by the first MSG_SET_ACTIVE naming the pad.

#include <cstdint>
#include <optional>
#include <string>

#include "object/IComponent.h"

namespace Orvex
{
class ActivatorParticles : public IComponent
{
    ORVEX_COMPONENT(ActivatorParticles)

    // Needs a ParticleEmitter, switches it on; listens for MSG_SET_ACTIVE.
    void Init() override;
    // Looks the pad up in the active game state until it is found.
    void Update(float dt) override;

    std::string rocketPad;              // name of the pad entity
    std::optional<std::uint32_t> padId; // the pad's entity id once found; not serialised
    bool stopped = false;               // the pad has been activated; not serialised

private:
    void OnSetActive(const void* payload);
};
} // namespace Orvex
