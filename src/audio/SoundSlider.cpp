#include "audio/SoundSlider.h"

#include <algorithm>

#include "audio/ChannelGroup.h"
#include "audio/SoundManager.h"
#include "engine/PlayerSettings.h"
#include "graphics/CameraView.h"
#include "graphics/CursorHit.h"
#include "messaging/Input.h"
#include "object/Entity.h"
#include "physics/Transform.h"

namespace Orvex
{
ORVEX_REGISTER_COMPONENT(SoundSlider)

ORVEX_MEMBERS(SoundSlider)
{
    ORVEX_FIELD(minX, "MinX");
    ORVEX_FIELD(maxX, "MaxX");
    ORVEX_FIELD(type, "Type");
}

void SoundSlider::Init()
{
    float volume = 0.0f;
    if (ChannelGroup* group = Master())
        group->GetVolume(&volume);
    if (Transform* transform = owner->Get<Transform>())
        transform->position.x = XForVolume(volume);
}

void SoundSlider::Update(float)
{
    if (Input::MouseButtonPressed(Input::MouseLeft) && CursorOverSolid(*owner))
        dragging = true;
    if (dragging && Input::MouseButtonHeld(Input::MouseLeft))
        Drag();
    if (dragging && Input::LeftButtonReleased())
    {
        dragging = false;
        PlayerSettings::StoreVolumes();
    }
}

void SoundSlider::Drag()
{
    // Either end may be the larger: a track can run right to left.
    const float x = std::clamp(MouseWorldPosition().x, std::min(minX, maxX), std::max(minX, maxX));
    if (ChannelGroup* group = Master(); group && maxX != minX)
        SoundManager::CheckResult(group->SetVolume(VolumeForX(x)));
    if (Transform* transform = owner->Get<Transform>())
        transform->position.x = x;
}

void SoundSlider::Nudge(float step)
{
    ChannelGroup* group = Master();
    if (!group || maxX == minX)
        return;
    float volume = 0.0f;
    group->GetVolume(&volume);
    volume = std::clamp(volume + step, 0.0f, 1.0f);
    SoundManager::CheckResult(group->SetVolume(volume));
    if (Transform* transform = owner->Get<Transform>())
        transform->position.x = XForVolume(volume);
    PlayerSettings::StoreVolumes();
}

float SoundSlider::XForVolume(float volume) const
{
    return minX + (maxX - minX) * std::clamp(volume, 0.0f, 1.0f);
}

float SoundSlider::VolumeForX(float x) const
{
    if (maxX == minX)
        return 0.0f;
    return std::clamp((x - minX) / (maxX - minX), 0.0f, 1.0f);
}

ChannelGroup* SoundSlider::Master() const
{
    if (!SoundManager::Initialised())
        return nullptr;
    return type == 0 ? SoundManager::EffectsGroup() : SoundManager::MusicGroup();
}
} // namespace Orvex
