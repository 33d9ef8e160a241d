#include "physics/CollisionsSystem.h"

#include <new>
#include <string>

#include "engine/Engine.h"
#include "engine/IGamestate.h"
#include "engine/Log.h"
#include "object/Entity.h"
#include "physics/BaseCollider.h"
#include "physics/ColliderQueries.h"
#include "physics/ContactRecord.h"
#include "physics/ContactResponse.h"
#include "physics/RigidBody.h"

namespace Orvex
{
ORVEX_REGISTER_SYSTEM(CollisionsSystem)

namespace
{
bool IsMovingCollider(const Entity& entity)
{
    const RigidBody* body = entity.Get<RigidBody>();
    return entity.collider && body && !body->isStatic;
}

// Boxes that merely touch still overlap.
bool Overlap(const ColliderBounds& a, const ColliderBounds& b)
{
    return !(b.minY > a.maxY || a.minY > b.maxY || b.minX > a.maxX || a.minX > b.maxX);
}

bool IsPolygon(const Entity& entity)
{
    const ColliderType type = entity.collider->type;
    return type == ColliderType::Box || type == ColliderType::Mesh;
}

// CollisionMessage holds GLM vectors, which are not trivially copyable here, so
// it is copy-constructed into a zeroed payload rather than copied bytewise.
void PostCollision(const CollisionMessage& message)
{
    alignas(CollisionMessage) unsigned char payload[MessagePayloadSize] = {};
    new (payload) CollisionMessage(message);
    Engine::Get()->SendMessage(MSG_COLLISION, payload);
}

void PostCollisions(Entity& a, Entity& b, tvec2 point, const ContactRecord& record)
{
    CollisionMessage message{};
    message.Self = &a;
    message.Other = &b;
    message.Point = point;
    message.VertexIndex = record.insideA[0];
    message.Ghost = a.collider->ghost || b.collider->ghost;
    PostCollision(message);
    message.Self = &b;
    message.Other = &a;
    message.VertexIndex = record.insideB[0];
    PostCollision(message);
}
} // namespace

void CollisionsSystem::Update([[maybe_unused]] float dt)
{
    for (const auto& entry : Engine::Get()->GetActiveGamestate().Entities())
        if (IsMovingCollider(*entry.second))
            CollideWithAll(*entry.second);
}

void CollisionsSystem::CollideWithAll(Entity& a)
{
    // Taken once: a response moving A does not change which pairs are tried.
    const ColliderBounds boundsA = GetColliderBounds(a);
    for (const auto& entry : Engine::Get()->GetActiveGamestate().Entities())
    {
        Entity& b = *entry.second;
        if (&b == &a || !b.collider || !Overlap(boundsA, GetColliderBounds(b)))
            continue;
        CollidePair(a, b);
    }
}

void CollisionsSystem::CollidePair(Entity& a, Entity& b)
{
    if (!IsPolygon(a) || !IsPolygon(b))
        return;
    // A mesh edge of two equal points is broken data and ends the pass.
    ContactRecord record;
    const bool touching = FindContact(a, b, record);
    if (record.overflow)
    {
        LogError(record.overflow);
        return;
    }
    if (!touching)
        return;
    try
    {
        const tvec2 point = ResolveContact(a, b, record);
        PostCollisions(a, b, point, record);
    }
    catch (const std::string& error)
    {
        LogError(error);
    }
}
} // namespace Orvex
