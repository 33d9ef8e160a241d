#include "audio/LocationalSound.h"

#include <algorithm>

#include "audio/SoundEmitter.h"
#include "engine/Engine.h"
#include "engine/IGamestate.h"
#include "object/Entity.h"
#include "physics/Transform.h"

namespace Orvex
{
ORVEX_REGISTER_COMPONENT(LocationalSound)

ORVEX_MEMBERS(LocationalSound)
{
    ORVEX_FIELD(listenerName, "ListenerName");
    ORVEX_FIELD(hearingRange, "HearingRange");
    ORVEX_FIELD(maxVolume, "MaxVolume");
}

void LocationalSound::Init() { RequireComponent<SoundEmitter>(); }

void LocationalSound::Update(float)
{
    Engine* engine = Engine::Get();
    IGamestate* state = engine ? engine->ActiveGamestate() : nullptr;
    const Entity* listener = state ? state->FindEntity(listenerName) : nullptr;
    SoundEmitter* emitter = owner->Get<SoundEmitter>();
    const Transform* here = owner->Get<Transform>();
    const Transform* there = listener ? listener->Get<Transform>() : nullptr;
    if (!emitter || !here || !there)
        return;
    const tvec2 offset = here->position - there->position;
    // A stale or null channel ignores the volume: nothing to check.
    emitter->channel.SetVolume(VolumeAt(offset.x * offset.x + offset.y * offset.y));
}

float LocationalSound::VolumeAt(float distanceSquared) const
{
    const float rangeSquared = hearingRange * hearingRange;
    // A zero range would divide by zero: only the listener's own point hears it.
    const float r = hearingRange > 0.0f ? std::min(distanceSquared / rangeSquared, 1.0f)
                                        : (distanceSquared > 0.0f ? 1.0f : 0.0f);
    return (1.0f - r) * maxVolume;
}
} // namespace Orvex
