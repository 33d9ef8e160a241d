#pragma once
// A box: the shared "Square" mesh, sized entirely by the Transform's scale.

#include "physics/BaseCollider.h"

namespace Orvex
{
class BoxCollider : public BaseCollider
{
    ORVEX_COMPONENT(BoxCollider)

    BoxCollider() : BaseCollider(ColliderType::Box) {}

protected:
    cMesh* InitialMesh() const override;
};
} // namespace Orvex
