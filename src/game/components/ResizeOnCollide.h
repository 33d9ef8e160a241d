#pragma once
// Grows (or, with a negative Size, shrinks) by Size on every touch of the player.

#include "engine/Math.h"
#include "object/IComponent.h"

namespace Orvex
{
class ResizeOnCollide : public IComponent
{
    ORVEX_COMPONENT(ResizeOnCollide)

    // Needs a Transform and a collider; listens for MSG_COLLISION.
    void Init() override;

    tvec2 size{0.0f, 0.0f}; // "Size": added to the Transform's Scale per touch

private:
    void OnCollision(const void* payload);
};
} // namespace Orvex
