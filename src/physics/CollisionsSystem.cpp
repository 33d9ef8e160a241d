#include "physics/CollisionsSystem.h"

#include <algorithm>
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
#include "physics/QuaternionCounter.h"
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
    message.Ghost = EitherIsGhost(a, b);
    PostCollision(message);
    message.Self = &b;
    message.Other = &a;
    message.VertexIndex = record.insideB[0];
    PostCollision(message);
}
} // namespace

void CollisionsSystem::Update([[maybe_unused]] float dt)
{
    GatherColliders();
    for (std::size_t a = 0; a < colliders.size(); ++a)
        if (IsMovingCollider(*colliders[a]))
            CollideWithAll(a);
}

void CollisionsSystem::GatherColliders()
{
    colliders.clear();
    startBounds.clear();
    Engine* engine = Engine::Get();
    const IGamestate* state = engine ? engine->ActiveGamestate() : nullptr;
    if (state)
        for (const auto& entry : state->Entities())
            if (entry.second->collider)
            {
                colliders.push_back(entry.second);
                startBounds.push_back(GetColliderBounds(*entry.second));
            }
    boxes.Build(startBounds);
}

void CollisionsSystem::CollideWithAll(std::size_t a)
{
    // Taken once: a response moving A does not change which pairs are tried.
    const ColliderBounds boundsA = boxes.Bounds(a);
    if (broadPhase == BroadPhase::AllPairs)
    {
        for (std::size_t b = 0; b < colliders.size(); ++b)
            if (b != a && BoundsOverlap(boundsA, boxes.Bounds(b)))
                CollideAndRefit(a, b);
        return;
    }
    // Only a pair's own two boxes are taken again after it, so a box that
    // overlaps A's before A's first pair still does at its turn: all are found
    // at once.
    candidates.clear();
    boxes.Overlapping(boundsA, candidates);
    std::sort(candidates.begin(), candidates.end());
    for (const std::size_t b : candidates)
        if (b != a)
            CollideAndRefit(a, b);
}

void CollisionsSystem::CollideAndRefit(std::size_t a, std::size_t b)
{
    CollidePair(*colliders[a], *colliders[b]);
    // Cheap beside the narrow phase, and right whichever way the pair ended.
    boxes.Refit(a, GetColliderBounds(*colliders[a]));
    boxes.Refit(b, GetColliderBounds(*colliders[b]));
}

void CollisionsSystem::CollidePair(Entity& a, Entity& b)
{
    // No collider class makes circles: one is broken data, counted and skipped.
    if (a.collider->type == ColliderType::Circle)
    {
        CountCircle(Engine::Get()->GetActiveGamestate());
        LogError("circles? in MY game?!?");
        return;
    }
    if (!IsPolygon(a) || !IsPolygon(b))
        return;
    // A mesh edge of two equal points is broken data and ends the pass.
    ContactRecord record;
    const bool touching = FindContact(a, b, record);
    // A ghost's contact is reported, never resolved: outlines crossing more
    // often than the lists hold (a dog passing through a pickup) still touch.
    const bool ghost = EitherIsGhost(a, b);
    if (record.overflow && !ghost)
    {
        LogError(record.overflow);
        return;
    }
    if (!touching && !record.overflow)
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
