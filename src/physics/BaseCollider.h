#pragma once
// The solid shape of an entity: a polygon mesh placed by its Transform. An entity
// has at most one collider and keeps a pointer to it (Entity::collider), which
// the collider fills at Init and empties when destroyed.
//
// Both collider classes hold their mesh here, a box its shared "Square" taken at
// Init, so the collision pass reads one pointer instead of looking a name up per
// pair. The slot is emptied only while it still points at this collider: a second
// collider refused at Init must not unregister the first one when it goes.

#include "graphics/Mesh.h"
#include "object/IComponent.h"

namespace Orvex
{
enum class ColliderType : int
{
    Box = 0,
    Circle = 1, // reserved; no collider class produces it
    Mesh = 2,
};

class BaseCollider : public IComponent
{
public:
    explicit BaseCollider(ColliderType type) : type(type) {}
    ~BaseCollider() override;

    // Requires a RigidBody, gives the collider its mesh, then claims the entity's
    // collider slot; throws "Attempted to add multiple Colliders to entity: " +
    // name when another collider holds it.
    void Init() override;

    const ColliderType type;
    bool ghost = false;     // "Ghost": reports contacts, never pushes or is pushed
    cMesh* mesh = nullptr;  // from the mesh library, not owned; set by Init at the latest

protected:
    // The mesh the collider has once initialised.
    virtual cMesh* InitialMesh() const = 0;
};
} // namespace Orvex
