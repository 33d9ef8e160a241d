#pragma once
// Swaps the entity's shape from the keyboard, for trying meshes out in a level:
// 1 "Square", 2 "Octagon", 3 "Triangle". The sprite and, when there is one, the
// mesh collider change together, so the entity looks the way it collides.

#include "object/IComponent.h"

namespace Orvex
{
class MeshChanger : public IComponent
{
    ORVEX_COMPONENT(MeshChanger)

    // Needs a Sprite; listens for MSG_KEYDOWN.
    void Init() override;

private:
    // A mesh that cannot be loaded throws its error before anything changes.
    void OnKeyDown(const void* payload);
};
} // namespace Orvex
