#include "game/components/WuffinAnimation.h"

#include "graphics/Sprite.h"
#include "graphics/Textures.h"
#include "messaging/Message.h"
#include "object/Entity.h"

namespace Orvex
{
ORVEX_REGISTER_COMPONENT(WuffinAnimation)

ORVEX_MEMBERS(WuffinAnimation)
{
    ORVEX_FIELD(impactTextureName, "impactTextureName");
    ORVEX_FIELD(numFramesImpact, "numFramesImpact");
    ORVEX_FIELD(impactFrameDuration, "impactFrameDuration");
    ORVEX_FIELD(fallingTextureName, "fallingTextureName");
    ORVEX_FIELD(numFramesFalling, "numFramesFalling");
    ORVEX_FIELD(fallingFrameDuration, "fallingFrameDuration");
}

namespace
{
constexpr int FootVertex = 2;

std::vector<cTexture*> LoadFrames(const std::string& base, unsigned count)
{
    std::vector<cTexture*> frames;
    for (unsigned i = 1; i <= count; ++i)
        frames.push_back(GetTexture(base + "_" + std::to_string(i)));
    return frames;
}
} // namespace

void WuffinAnimation::Init()
{
    RequireComponent<Sprite>();
    // The landing steps from frame 1 to the last and back; with fewer there is
    // nothing to step to.
    if (numFramesImpact < 2)
        throw "WuffinAnimation of " + owner->name + ": numFramesImpact is " +
            std::to_string(numFramesImpact) + ", a landing needs at least 2 impact frames";
    impactFrames = LoadFrames(impactTextureName, numFramesImpact);
    fallingFrames = LoadFrames(fallingTextureName, numFramesFalling);
    sprite = owner->Get<Sprite>();
    Subscribe(MSG_COLLISION, &WuffinAnimation::OnCollision);
}

void WuffinAnimation::OnCollision(const void* payload)
{
    const CollisionMessage& contact = *static_cast<const CollisionMessage*>(payload);
    if (contact.Ghost || contact.VertexIndex != FootVertex)
        return;
    playing = true;
    returning = false;
    frame = 1;
    fallingFrame = 0;
    Show(impactFrames, frame);
}

void WuffinAnimation::Update(float dt)
{
    timer += dt;
    if (playing || returning)
        StepImpact();
    else
        StepFalling();
}

void WuffinAnimation::StepImpact()
{
    if (timer <= impactFrameDuration)
        return;
    timer = 0.0f;
    if (playing)
    {
        // The last frame stays for one more step before the way back.
        if (frame + 1 >= numFramesImpact)
        {
            playing = false;
            returning = true;
            return;
        }
        Show(impactFrames, ++frame);
        return;
    }
    if (frame == 0)
        returning = false;
    else
        Show(impactFrames, --frame);
}

void WuffinAnimation::StepFalling()
{
    if (timer <= fallingFrameDuration || fallingFrame >= fallingFrames.size())
        return;
    timer = 0.0f;
    Show(fallingFrames, fallingFrame++);
}

void WuffinAnimation::Show(const std::vector<cTexture*>& frames, unsigned index)
{
    if (sprite && index < frames.size())
        sprite->texture = frames[index];
}
} // namespace Orvex
