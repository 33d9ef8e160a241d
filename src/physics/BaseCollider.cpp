#include "physics/BaseCollider.h"

#include "object/Entity.h"
#include "physics/RigidBody.h"

namespace Orvex
{
BaseCollider::~BaseCollider()
{
    if (owner && owner->collider == this)
        owner->collider = nullptr;
}

void BaseCollider::Init()
{
    RequireComponent<RigidBody>();
    mesh = InitialMesh();
    // Initialising the registered collider again is not a second collider.
    if (owner->collider && owner->collider != this)
        throw "Attempted to add multiple Colliders to entity: " + owner->name;
    owner->collider = this;
}
} // namespace Orvex
