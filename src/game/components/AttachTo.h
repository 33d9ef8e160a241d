#pragma once
// Keeps its entity where the entity named ObjectName is: a lamp carried along,
// a label stuck to a mover. Looked up every frame; while nothing bears the name,
// it stays where it is.

#include <string>

#include "object/IComponent.h"

namespace Orvex
{
class AttachTo : public IComponent
{
    ORVEX_COMPONENT(AttachTo)

    // Needs a Transform.
    void Init() override;
    // Copies the target's Position into its own.
    void Update(float dt) override;

    std::string objectName; // "ObjectName"
};
} // namespace Orvex
