#include "physics/ContactResponse.h"

#include <string>
#include <utility>

#include <glm/geometric.hpp>

#include "object/Entity.h"
#include "physics/BaseCollider.h"
#include "physics/ColliderQueries.h"
#include "physics/ContactRecord.h"
#include "physics/RigidBody.h"
#include "physics/Transform.h"

namespace Orvex
{
namespace
{
constexpr float bounceFactor = 0.95f; // applied twice: normal speed kept at 0.805

struct ContactLine
{
    tvec2 origin;    // the first crossing
    tvec2 end;       // the second
    tvec2 direction; // end minus origin; never zero
};

// The vector that carries w perpendicularly onto the line.
tvec2 Push(const ContactLine& line, tvec2 w)
{
    const tvec2 d = line.direction;
    const float t = glm::dot(w - line.origin, d) / glm::dot(d, d);
    return line.origin + t * d - w;
}

tvec2 InsideVertex(const Entity& entity, int index)
{
    return ToWorld(ModelMatrixOf(entity), ShapeOf(entity).points[static_cast<std::size_t>(index)]);
}

// The longest of the pushes of A's inside vertices and the reversed pushes of
// B's; the first in list order (A's before B's) on a tie.
tvec2 LongestPush(const ContactLine& line, const Entity& a, const Entity& b,
                  const ContactRecord& record)
{
    tvec2 longest{0.0f, 0.0f};
    bool first = true;
    const auto consider = [&](tvec2 push) {
        if (first || glm::dot(push, push) > glm::dot(longest, longest))
            longest = push;
        first = false;
    };
    for (int i = 0; i < record.countA; ++i)
        consider(Push(line, InsideVertex(a, record.insideA[static_cast<std::size_t>(i)])));
    for (int i = 0; i < record.countB; ++i)
        consider(-Push(line, InsideVertex(b, record.insideB[static_cast<std::size_t>(i)])));
    return longest;
}

// How far A moves to leave B, by where the inside vertices are.
tvec2 Correction(const ContactLine& line, const Entity& a, const Entity& b,
                 const ContactRecord& record)
{
    if (record.countA == 1 && record.countB == 0)
        return Push(line, InsideVertex(a, record.insideA[0]));
    if (record.countA == 0 && record.countB == 1)
        return -Push(line, InsideVertex(b, record.insideB[0]));
    if (record.countA == 1 && record.countB == 1)
        return InsideVertex(b, record.insideB[0]) - InsideVertex(a, record.insideA[0]);
    // Two vertices of one side, or three and more: a leaning body sunk into a
    // corner, a fast one into a wall. The deepest vertex decides.
    return LongestPush(line, a, b, record);
}

// The two crossings spanning the overlap: the only two, or of more the two
// farthest apart (the first such pair in list order on a tie).
std::pair<int, int> SpanningCrossings(const ContactRecord& record)
{
    std::pair<int, int> span{0, 1};
    float widest = -1.0f;
    for (int i = 0; i < record.crossingCount; ++i)
        for (int j = i + 1; j < record.crossingCount; ++j)
        {
            const tvec2 d = record.crossings[static_cast<std::size_t>(j)] -
                            record.crossings[static_cast<std::size_t>(i)];
            if (glm::dot(d, d) > widest)
            {
                widest = glm::dot(d, d);
                span = {i, j};
            }
        }
    return span;
}

// More than two crossings with a vertex inside: a body come down across a
// corner, its tip in the other shape and the corner in it. Skipping it each
// frame let a leaning dog sink through a floor, so the line spanning the
// overlap resolves it. With no vertex inside, a thin body is pushed through
// another, and that pair is skipped.
ContactLine CheckedLine(const ContactRecord& record)
{
    const bool inside = record.countA + record.countB > 0;
    if (record.crossingCount < 2 || (record.crossingCount > 2 && !inside))
        throw std::string("Collision System found more or less than 2 collision points");
    const auto [i, j] = SpanningCrossings(record);
    const tvec2 first = record.crossings[static_cast<std::size_t>(i)];
    const tvec2 second = record.crossings[static_cast<std::size_t>(j)];
    if (first == second)
        throw std::string("Tried constructing a line of the same points.");
    if (!inside)
        throw std::string("No Mesh point was found during collision check. Might be due to data corruption");
    return {first, second, second - first};
}

// v loses its normal part to the line and gets it back reversed, scaled by 0.805.
tvec2 Bounce(tvec2 velocity, tvec2 lineDirection)
{
    const tvec2 normal{-lineDirection.y, lineDirection.x};
    const tvec2 k = bounceFactor * glm::normalize(normal);
    return velocity - 2.0f * glm::dot(k, velocity) * k;
}

// Without a RigidBody (dependency checks off) a shape stands still.
bool IsStatic(const Entity& entity)
{
    const RigidBody* body = entity.Get<RigidBody>();
    return !body || body->isStatic;
}

void Shift(Entity& entity, tvec2 offset)
{
    if (Transform* transform = entity.Get<Transform>())
        transform->position += offset;
}
} // namespace

bool EitherIsGhost(const Entity& a, const Entity& b)
{
    return (a.collider && a.collider->ghost) || (b.collider && b.collider->ghost);
}

tvec2 ResolveContact(Entity& a, Entity& b, ContactRecord& record)
{
    if (EitherIsGhost(a, b))
    {
        record.insideA[0] = 0;
        record.insideB[0] = 0;
        return {0.0f, 0.0f};
    }
    const ContactLine line = CheckedLine(record);
    const tvec2 correction = Correction(line, a, b, record);
    Shift(a, correction);
    if (IsStatic(b))
    {
        if (RigidBody* body = a.Get<RigidBody>())
            body->velocity = Bounce(body->velocity, line.direction);
    }
    else
        Shift(b, -correction);
    return 0.5f * (line.origin + line.end);
}
} // namespace Orvex
