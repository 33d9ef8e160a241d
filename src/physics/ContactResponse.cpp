#include "physics/ContactResponse.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <utility>

#include <glm/geometric.hpp>

#include "graphics/Mesh.h"
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

// A shape with its entity's model matrix, made once for the many axes tried.
struct Placed
{
    explicit Placed(const Entity& entity) : mesh(ShapeOf(entity)), model(ModelMatrixOf(entity)) {}
    tvec2 Point(std::uint32_t index) const { return ToWorld(model, mesh.points[index]); }

    const cMesh& mesh;
    const tmat3 model;
};

// Where the placed points reach along axis.
std::pair<float, float> Extent(const Placed& shape, tvec2 axis)
{
    float low = std::numeric_limits<float>::infinity();
    float high = -low;
    for (std::uint32_t i = 0; i < shape.mesh.points.size(); ++i)
    {
        const float reach = glm::dot(shape.Point(i), axis);
        low = std::min(low, reach);
        high = std::max(high, reach);
    }
    return {low, high};
}

// How far A moves to leave B, and the surface it leaves (what it bounces off).
struct Correction
{
    tvec2 shift;
    tvec2 surface; // never zero
};

// No vertex of either inside, yet the outlines cross more than twice: a thin
// body, or a pointed one such as the dog's foot, has cut through the other
// between two frames, often across a corner. Skipped, it stays cut through, so
// A is pushed out along the edge normal, of either outline, that asks the
// least: for convex outlines the shortest push that parts them. An edge of zero
// length once placed has no normal.
Correction Separation(const Entity& a, const Entity& b, const ContactLine& line)
{
    const Placed shapeA(a);
    const Placed shapeB(b);
    Correction best{{0.0f, 0.0f}, line.direction};
    float depth = std::numeric_limits<float>::infinity();
    for (const Placed* owner : {&shapeA, &shapeB})
        for (const cMesh::Edge& edge : owner->mesh.edges)
        {
            const tvec2 along = owner->Point(edge[1]) - owner->Point(edge[0]);
            if (glm::dot(along, along) == 0.0f)
                continue;
            const tvec2 axis = glm::normalize(tvec2{-along.y, along.x});
            const auto [lowA, highA] = Extent(shapeA, axis);
            const auto [lowB, highB] = Extent(shapeB, axis);
            for (const float push : {highB - lowA, lowB - highA})
                if (std::abs(push) < depth)
                {
                    depth = std::abs(push);
                    best = {push * axis, along};
                }
        }
    return best;
}

// How far A moves to leave B, by where the inside vertices are.
Correction CorrectionOf(const ContactLine& line, const Entity& a, const Entity& b,
                        const ContactRecord& record)
{
    if (record.countA + record.countB == 0)
        return Separation(a, b, line);
    if (record.countA == 1 && record.countB == 0)
        return {Push(line, InsideVertex(a, record.insideA[0])), line.direction};
    if (record.countA == 0 && record.countB == 1)
        return {-Push(line, InsideVertex(b, record.insideB[0])), line.direction};
    if (record.countA == 1 && record.countB == 1)
        return {InsideVertex(b, record.insideB[0]) - InsideVertex(a, record.insideA[0]), line.direction};
    // Two vertices of one side, or three and more: a leaning body sunk into a
    // corner, a fast one into a wall. The deepest vertex decides.
    return {LongestPush(line, a, b, record), line.direction};
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
// overlap resolves it. Two crossings with no vertex inside can only come of a
// shape without faces.
ContactLine CheckedLine(const ContactRecord& record)
{
    if (record.crossingCount < 2)
        throw std::string("Collision System found more or less than 2 collision points");
    const auto [i, j] = SpanningCrossings(record);
    const tvec2 first = record.crossings[static_cast<std::size_t>(i)];
    const tvec2 second = record.crossings[static_cast<std::size_t>(j)];
    if (first == second)
        throw std::string("Tried constructing a line of the same points.");
    if (record.crossingCount == 2 && record.countA + record.countB == 0)
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
    const Correction correction = CorrectionOf(line, a, b, record);
    Shift(a, correction.shift);
    if (IsStatic(b))
    {
        if (RigidBody* body = a.Get<RigidBody>())
            body->velocity = Bounce(body->velocity, correction.surface);
    }
    else
        Shift(b, -correction.shift);
    return 0.5f * (line.origin + line.end);
}
} // namespace Orvex
