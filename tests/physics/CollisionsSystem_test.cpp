#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>
#include <sstream>
#include <tuple>
#include <string>
#include <utility>
#include <vector>

#include <glm/geometric.hpp>

#include "PhysicsWorld.h"
#include "physics/ColliderQueries.h"
#include "physics/CollisionsSystem.h"
#include "physics/ContactRecord.h"
#include "physics/PhysicsSystem.h"
#include "support/ErrorOf.h"

namespace Orvex
{
// Keeps every collision message delivered to its entity, in delivery order, in
// one log shared by all entities.
class ContactLog : public IComponent
{
    ORVEX_COMPONENT(ContactLog)
    void Init() override { Subscribe(MSG_COLLISION, &ContactLog::Hear); }
    void Hear(const void* payload) { Heard().push_back(*static_cast<const CollisionMessage*>(payload)); }
    static std::vector<CollisionMessage>& Heard()
    {
        static std::vector<CollisionMessage> heard;
        return heard;
    }
};
ORVEX_MEMBERS(ContactLog) {}
ORVEX_REGISTER_COMPONENT(ContactLog)

namespace
{
constexpr float tolerance = 1e-5f;

void ExpectNear(tvec2 actual, tvec2 expected)
{
    EXPECT_NEAR(actual.x, expected.x, tolerance);
    EXPECT_NEAR(actual.y, expected.y, tolerance);
}

cMesh Diamond() { return Polygon({{0.0f, -0.5f}, {0.5f, 0.0f}, {0.0f, 0.5f}, {-0.5f, 0.0f}}); }

class CollisionPass : public ::testing::Test
{
public:
    explicit CollisionPass(bool checkDependencies = true) : world(checkDependencies) {}
    void SetUp() override { ContactLog::Heard().clear(); }

    static Entity* Listening(Entity* entity)
    {
        entity->Add<ContactLog>()->Init();
        return entity;
    }
    Entity* Moving(const std::string& name, BodySpec spec, bool ghost = false)
    {
        spec.isStatic = false;
        return Listening(world.Box(name, spec, ghost));
    }
    Entity* Still(const std::string& name, const BodySpec& spec, bool ghost = false)
    {
        return Listening(world.Box(name, spec, ghost));
    }
    Entity* MovingShape(const std::string& name, cMesh mesh, BodySpec spec)
    {
        spec.isStatic = false;
        return Listening(world.Shape(name, world.Keep(std::move(mesh)), spec));
    }
    Entity* StillShape(const std::string& name, cMesh mesh, const BodySpec& spec)
    {
        return Listening(world.Shape(name, world.Keep(std::move(mesh)), spec));
    }
    // A unit box falling at 2 units/s, its bottom 0.1 deep in a 4 × 1 platform
    // whose top is y = 0.5 (plus x).
    Entity* Landing(float x)
    {
        platform = Still("Platform", {{x, 0.0f}, {4.0f, 1.0f}});
        return Moving("Crate", {{x, 0.9f}, {1.0f, 1.0f}, false, {0.0f, -2.0f}});
    }

    // Two movers over Landing's platform: the lower at y = low, falling at 2
    // units/s, the upper at y = high and half as wide; lowFirst: the walk takes
    // the lower one first. Returns {lower, upper}.
    std::pair<Entity*, Entity*> Stacked(float low, float high, bool lowFirst)
    {
        platform = Still("Platform", {{0.0f, 0.0f}, {4.0f, 1.0f}});
        const auto [first, second] = InPassOrder(Moving("One", {}), Moving("Two", {}));
        Entity* lower = lowFirst ? first : second;
        Entity* upper = lowFirst ? second : first;
        TransformOf(lower).position = {0.0f, low};
        BodyOf(lower).velocity = {0.0f, -2.0f};
        TransformOf(upper).position = {0.0f, high};
        TransformOf(upper).scale = {0.5f, 1.0f};
        return {lower, upper};
    }

    // One collision pass with its messages delivered; what it printed.
    std::string Step()
    {
        ::testing::internal::CaptureStdout();
        try
        {
            collisions.Update(0.0f);
        }
        catch (...)
        {
            ::testing::internal::GetCapturedStdout();
            throw;
        }
        const std::string printed = ::testing::internal::GetCapturedStdout();
        world.State().Messages()->DeliverAll();
        return printed;
    }

    const std::vector<CollisionMessage>& Heard() const { return ContactLog::Heard(); }
    // x and y in the order the pass walks the entity table.
    std::pair<Entity*, Entity*> InPassOrder(Entity* x, Entity* y)
    {
        for (const auto& entry : world.State().Entities())
            if (entry.second == x || entry.second == y)
                return entry.second == x ? std::pair{x, y} : std::pair{y, x};
        return {x, y};
    }
    // The two messages of one resolved contact, about a first.
    void ExpectContact(Entity* a, Entity* b, tvec2 point, int vertexA, int vertexB)
    {
        ASSERT_EQ(Heard().size(), 2u);
        const CollisionMessage& first = Heard()[0];
        const CollisionMessage& second = Heard()[1];
        EXPECT_EQ(first.Self, a);
        EXPECT_EQ(first.Other, b);
        EXPECT_EQ(first.VertexIndex, vertexA);
        EXPECT_EQ(second.Self, b);
        EXPECT_EQ(second.Other, a);
        EXPECT_EQ(second.VertexIndex, vertexB);
        for (const CollisionMessage& message : Heard())
        {
            ExpectNear(message.Point, point);
            EXPECT_FALSE(message.Ghost);
        }
    }

    // Every message heard is a ghost's touch, which carries no point or vertex.
    void ExpectGhostTouches()
    {
        for (const CollisionMessage& message : Heard())
        {
            EXPECT_TRUE(message.Ghost);
            EXPECT_EQ(message.Point, tvec2(0.0f, 0.0f));
            EXPECT_EQ(message.VertexIndex, 0);
        }
    }

    PhysicsWorld world;
    CollisionsSystem collisions;
    Entity* platform = nullptr; // Landing's
};

TEST_F(CollisionPass, DeeperOfTwoInsideCornersDecidesTheLift)
{
    Still("Platform", {{0.0f, 0.0f}, {4.0f, 1.0f}});
    // Bottom corners at y = 0.45 and 0.40: pushes (0, 0.05), then (0, 0.1).
    Entity* wedge = MovingShape("Wedge", Polygon({{-0.5f, -0.45f}, {0.5f, -0.5f}, {0.5f, 0.5f}, {-0.5f, 0.5f}}),
                                {{0.0f, 0.9f}});
    Step();
    ExpectNear(TransformOf(wedge).position, {0.0f, 1.0f});
}

TEST_F(CollisionPass, CornerPokedIntoASlopeIsPushedOutPerpendicularToIt)
{
    Entity* ramp = StillShape("Ramp", Ramp(), {});
    Entity* crate = Moving("Crate", {{0.0f, 0.6f}, {1.0f, 1.0f}, false, {0.0f, -1.0f}});
    Step();
    // Corner 1 at W = (0.5, 0.1) is inside. Crossings I0 = (0.2, 0.1) (bottom
    // edge), I1 = (0.5, 0.25) (right edge); d = (0.3, 0.15), d·d = 0.1125,
    // t = (0.3, 0)·d / d·d = 0.8, foot (0.44, 0.22), push (-0.06, 0.12).
    ExpectNear(TransformOf(crate).position, {-0.06f, 0.72f});
    // û = (-1, 2) / √5, û·v = -2/√5; v - 2·0.95²·(û·v)·û = (0, -1) + 0.722·(-1, 2).
    ExpectNear(BodyOf(crate).velocity, {-0.722f, 0.444f});
    ExpectContact(crate, ramp, {0.35f, 0.175f}, 1, -1);
}

TEST_F(CollisionPass, OneCornerInsideEachWayCarriesOneOntoTheOther)
{
    Entity* block = Still("Block", {});
    Entity* crate = Moving("Crate", {{0.9f, 0.8f}, {1.0f, 1.0f}, false, {0.0f, -1.0f}});
    Step();
    // The crate's corner 0 (0.4, 0.3) goes onto the block's corner 2 (0.5, 0.5).
    ExpectNear(TransformOf(crate).position, {1.0f, 1.0f});
    // Crossings (0.5, 0.3), (0.4, 0.5): d = (-0.1, 0.2), û = (-2, -1) / √5,
    // û·v = 1/√5; v - 1.805·(û·v)·û = (0, -1) + 0.361·(2, 1).
    ExpectNear(BodyOf(crate).velocity, {0.722f, -0.639f});
    ExpectContact(crate, block, {0.45f, 0.4f}, 0, 2);
}

// Outlines meeting in one point only touch: a tip carried exactly onto a corner
// (as that rule carries it), or resting on an edge, where the point is found from
// each edge pair there. A shape wholly inside another, either way round, and two
// static bodies, one gliding, never collide either.
TEST_F(CollisionPass, ShapesThatOnlyTouchOrNestOrStandStillNeverMeet)
{
    Entity* block = Still("Block", {});
    Entity* onCorner = MovingShape("OnCorner", Diamond(), {{1.0f, 0.5f}});
    Still("Shelf", {{20.0f, 0.0f}});
    MovingShape("OnEdge", Diamond(), {{20.0f, 1.0f}});
    Still("Hall", {{40.0f, 0.0f}, {4.0f, 4.0f}});
    Moving("Mouse", {{40.5f, 0.5f}, {0.2f, 0.2f}, false, {1.0f, 0.0f}});
    Still("Pebble", {{60.0f, 0.0f}, {0.2f, 0.2f}});
    Moving("Cloud", {{60.0f, 0.0f}, {4.0f, 4.0f}});
    Still("First", {{80.0f, 0.0f}, {1.0f, 1.0f}, true, {1.0f, 0.0f}});
    Still("Second", {{80.3f, 0.2f}});
    ContactRecord record;
    EXPECT_FALSE(FindContact(*onCorner, *block, record));
    EXPECT_EQ(record.crossingCount, 1);
    const auto places = [&] {
        std::vector<std::pair<tvec2, tvec2>> all;
        for (const auto& entry : world.State().Entities())
            all.emplace_back(TransformOf(entry.second).position, BodyOf(entry.second).velocity);
        return all;
    };
    const auto before = places();
    EXPECT_EQ(Step(), "");
    EXPECT_EQ(places(), before);
    EXPECT_TRUE(Heard().empty());
}

TEST_F(CollisionPass, BoxAcrossTheTopOfANarrowPostIsPushedUp)
{
    Entity* post = Still("Post", {{0.0f, 0.0f}, {0.4f, 2.0f}});
    Entity* crate = Moving("Crate", {{0.1f, 1.4f}, {1.0f, 1.0f}, false, {0.0f, -2.0f}});
    Step();
    // Post corners 2 and 3 at y = 1 sit 0.1 above the crossings at y = 0.9:
    // their push is (0, -0.1), the crate takes its negation.
    ExpectNear(TransformOf(crate).position, {0.1f, 1.5f});
    ExpectNear(BodyOf(crate).velocity, {0.0f, 1.61f});
    ExpectContact(crate, post, {0.0f, 0.9f}, -1, 2);
}

TEST_F(CollisionPass, TwoMovingBodiesArePushedApartWithoutBouncing)
{
    Entity* lower = Moving("Lower", {{0.0f, 0.0f}, {1.0f, 1.0f}, false, {0.0f, 1.0f}});
    Entity* upper = Moving("Upper", {{0.9f, 0.8f}, {1.0f, 1.0f}, false, {0.0f, -1.0f}});
    Step();
    // Whichever goes first, the corners (0.4, 0.3) and (0.5, 0.5) swap places
    // and each box moves by the full (0.1, 0.2); the boxes then no longer meet,
    // so the second visit finds nothing.
    ExpectNear(TransformOf(upper).position, {1.0f, 1.0f});
    ExpectNear(TransformOf(lower).position, {-0.1f, -0.2f});
    EXPECT_EQ(BodyOf(upper).velocity, tvec2(0.0f, -1.0f));
    EXPECT_EQ(BodyOf(lower).velocity, tvec2(0.0f, 1.0f));
    EXPECT_EQ(Heard().size(), 2u);
}

// The mover's box is taken once, before its pairs: lifted against a block later
// in the walk, it does not meet that block this frame.
TEST_F(CollisionPass, MoverKeepsItsBoxForItsOwnPairs)
{
    Entity* crate = Moving("Crate", {{0.0f, 0.9f}, {1.0f, 1.0f}, false, {0.0f, -2.0f}});
    const auto [below, above] = InPassOrder(Still("One", {}), Still("Two", {}));
    TransformOf(below).scale = {4.0f, 1.0f};
    // Half as wide, its bottom at 1.45: clear of the crate's top until the lift to 1.5.
    TransformOf(above).position = {0.0f, 1.95f};
    TransformOf(above).scale = {0.5f, 1.0f};
    Step();
    ExpectNear(TransformOf(crate).position, {0.0f, 1.0f});
    ExpectContact(crate, below, {0.0f, 0.5f}, 0, -1);
}

// A mover's box is taken again after its pairs: lifted in its turn, it is met
// where it now is by a mover later in the walk.
TEST_F(CollisionPass, MoverLiftedInItsTurnIsMetThereByALaterMover)
{
    // The upper one's bottom at 1.45: clear of the crate's top until the lift to 1.5.
    const auto [crate, above] = Stacked(0.9f, 1.95f, true);
    Step();
    ASSERT_EQ(Heard().size(), 4u);
    EXPECT_EQ(Heard()[2].Self, above);
    EXPECT_EQ(Heard()[2].Other, crate);
}

// Everyone else's box is where it stands now: a crate pushed into a platform by
// a mover earlier in the walk lands on it in its own turn.
TEST_F(CollisionPass, BodyPushedEarlierInThePassIsMetWhereItNowIs)
{
    // The pushed one 0.05 above the platform's top, until the pusher, 0.15 into
    // its top, lifts itself out and drives it 0.1 into the platform.
    const auto [pushed, pusher] = Stacked(1.05f, 1.9f, false);
    Step();
    ExpectNear(TransformOf(pusher).position, {0.0f, 2.05f});
    ExpectNear(TransformOf(pushed).position, {0.0f, 1.0f});
    ExpectNear(BodyOf(pushed).velocity, {0.0f, 1.61f});
    EXPECT_EQ(Heard().size(), 4u);
}

TEST_F(CollisionPass, GhostsReportContactsButNothingMoves)
{
    Entity* sensor = Still("Sensor", {{0.0f, 0.0f}, {4.0f, 1.0f}}, true);
    Entity* crate = Moving("Crate", {{0.0f, 0.9f}, {1.0f, 1.0f}, false, {0.0f, -2.0f}});
    Entity* drone = Moving("Drone", {{20.0f, 0.0f}}, true);
    Entity* bird = Moving("Bird", {{20.5f, 0.5f}});
    Step();
    EXPECT_EQ(TransformOf(crate).position, tvec2(0.0f, 0.9f));
    EXPECT_EQ(BodyOf(crate).velocity, tvec2(0.0f, -2.0f));
    EXPECT_EQ(TransformOf(drone).position, tvec2(20.0f, 0.0f));
    EXPECT_EQ(TransformOf(bird).position, tvec2(20.5f, 0.5f));
    // The crate's pair once; the two moving ones from both sides.
    ASSERT_EQ(Heard().size(), 6u);
    ExpectGhostTouches();
    EXPECT_EQ(std::count_if(Heard().begin(), Heard().end(),
                            [&](const CollisionMessage& message) { return message.Self == sensor; }),
              1);
}

TEST_F(CollisionPass, GhostCrossedMoreOftenThanTheListHoldsStillReportsTheTouch)
{
    // A diamond reaching 0.6 from the centre cuts each corner of the pickup off:
    // eight crossings, more than a list holds.
    Entity* pickup = Still("Pickup", {}, true);
    Entity* star = MovingShape("Star", Diamond(), {{0.0f, 0.0f}, {1.2f, 1.2f}});
    EXPECT_EQ(Step(), "");
    EXPECT_EQ(TransformOf(star).position, tvec2(0.0f, 0.0f));
    ASSERT_EQ(Heard().size(), 2u);
    EXPECT_EQ(Heard()[0].Self, star);
    EXPECT_EQ(Heard()[1].Self, pickup);
    ExpectGhostTouches();
}

// Sunk deeper, three vertices lie inside: the deepest is carried onto the line
// through the two crossings, whichever side it belongs to.
TEST_F(CollisionPass, ThreeVerticesInsideAreResolvedByTheDeepest)
{
    // Only the diamond's top tip rises above the 4 × 4 block's top edge, y = 2:
    // its lower tip, 0.7 deep, is lifted onto it.
    Entity* block = Still("Block", {{0.0f, 0.0f}, {4.0f, 4.0f}});
    Entity* tip = MovingShape("Tip", Diamond(), {{0.0f, 1.8f}, {1.0f, 1.0f}, false, {0.0f, -2.0f}});
    EXPECT_EQ(Step(), "");
    ExpectNear(TransformOf(tip).position, {0.0f, 2.5f});
    ExpectNear(BodyOf(tip).velocity, {0.0f, 1.61f});
    ExpectContact(tip, block, {0.0f, 2.0f}, 0, -1);
}

TEST_F(CollisionPass, ThreeVerticesOfTheStillSideInsidePushTheMoverOff)
{
    // The 4 × 4 crate's top edge, y = 0.2, runs across the still diamond, whose
    // lower tip is 0.7 below it: the crate drops until that tip is on its edge.
    Entity* diamond = StillShape("Diamond", Diamond(), {});
    Entity* crate = Moving("Crate", {{0.0f, -1.8f}, {4.0f, 4.0f}});
    EXPECT_EQ(Step(), "");
    ExpectNear(TransformOf(crate).position, {0.0f, -2.5f});
    ExpectContact(crate, diamond, {0.0f, 0.2f}, -1, 0);
}

TEST_F(CollisionPass, LeaningBodyAcrossACornerIsPushedOutInsteadOfSkipped)
{
    // A dog's outline leaning at 1.1 lies across the platform's top right
    // corner: its side is sunk into the top face and an edge cuts the corner,
    // four crossings. Skipped, it sank further each frame.
    Entity* platform = Still("Platform", {{0.0f, 0.0f}, {4.0f, 1.0f}});
    const cMesh dog = Polygon({{-0.3f, 0.5f}, {-0.3f, -0.15f}, {0.0f, -0.5f}, {0.3f, -0.15f}, {0.3f, 0.5f}});
    Entity* leaning = MovingShape("Dog", dog, {{1.5f, 0.3f}, {1.2f, 1.6f}, false, {0.0f, -9.0f}, 1.1f});
    ContactRecord before;
    ASSERT_TRUE(FindContact(*leaning, *platform, before));
    ASSERT_EQ(before.crossingCount, 4);
    EXPECT_EQ(Step(), "");
    EXPECT_EQ(Heard().size(), 2u);
    // Out of the face and bouncing up; what is left is an ordinary contact.
    EXPECT_GT(TransformOf(leaning).position.y, 0.45f);
    EXPECT_GT(BodyOf(leaning).velocity.y, 0.0f);
    ContactRecord after;
    FindContact(*leaning, *platform, after);
    EXPECT_EQ(after.crossingCount, 2);
}

// No vertex of either is inside, yet the outlines cross four times: the pair
// is pushed apart the shortest way an edge normal offers, not skipped.
TEST_F(CollisionPass, ThinBodyThroughAnotherIsPushedOutTheShortWay)
{
    // A 3 × 0.2 bar from y = 0 to 0.2 through a unit box: up by 0.5 to its top
    // edge, not down by 0.7 or sideways by 2.
    Entity* block = Still("Block", {});
    Entity* bar = Moving("Bar", {{0.0f, 0.1f}, {3.0f, 0.2f}, false, {0.0f, -1.0f}});
    EXPECT_EQ(Step(), "");
    ExpectNear(TransformOf(bar).position, {0.0f, 0.6f});
    ExpectNear(BodyOf(bar).velocity, {0.0f, 0.805f});
    ExpectContact(bar, block, {0.0f, 0.1f}, -1, -1);
}

TEST_F(CollisionPass, DogFootCutAcrossAPlatformCornerIsPushedOut)
{
    // A dog falling fast, leaning, its pointed foot carried across the top
    // right corner in one step: four crossings, neither shape's vertex inside
    // the other. It was logged and skipped, left cut into the corner.
    Entity* ledge = Still("Ledge", {{24.0f, 2.9f}, {5.0f, 1.0f}});
    const cMesh dog = Polygon({{-0.3f, 0.5f}, {-0.3f, -0.15f}, {0.0f, -0.5f}, {0.3f, -0.15f}, {0.3f, 0.5f}});
    Entity* falling =
        MovingShape("Dog", dog, {{25.965f, 3.9719f}, {1.2f, 1.6f}, false, {-5.8904f, -1.2358f}, 0.7335f});
    ContactRecord before;
    ASSERT_TRUE(FindContact(*falling, *ledge, before));
    ASSERT_EQ(before.crossingCount, 4);
    ASSERT_EQ(before.countA + before.countB, 0);
    EXPECT_EQ(Step(), "");
    EXPECT_EQ(Heard().size(), 2u);
    // Lifted off the corner by a hair, bouncing up, no longer cut through.
    const tvec2 moved = TransformOf(falling).position - tvec2(25.965f, 3.9719f);
    EXPECT_GT(moved.y, 0.0f);
    EXPECT_LT(glm::length(moved), 0.1f);
    EXPECT_GT(BodyOf(falling).velocity.y, 0.0f);
    ContactRecord after;
    FindContact(*falling, *ledge, after);
    EXPECT_LE(after.crossingCount, 2);
}

TEST_F(CollisionPass, EdgeToEdgeContactRestsWithoutAPush)
{
    Entity* shelf = Moving("Shelf", {{0.0f, 1.0f}, {4.0f, 1.0f}});
    Entity* block = Still("Block", {});
    // The shelf's bottom edge lies on the block's top edge: the broad phase lets
    // the pair through, and the collinear edges add the shelf edge's start
    // (-2, 0.5) between the two corner hits, three crossings in all. The two
    // farthest apart lie on the shared line, so the shelf rests where it is.
    ContactRecord record;
    EXPECT_TRUE(FindContact(*shelf, *block, record));
    ASSERT_EQ(record.crossingCount, 3);
    ExpectNear(record.crossings[0], {0.5f, 0.5f});
    ExpectNear(record.crossings[1], {-2.0f, 0.5f});
    ExpectNear(record.crossings[2], {-0.5f, 0.5f});
    EXPECT_EQ(Step(), "");
    EXPECT_EQ(Heard().size(), 2u);
    EXPECT_EQ(TransformOf(shelf).position, tvec2(0.0f, 1.0f));
}

TEST_F(CollisionPass, MeshEdgeOfOnePointEndsThePass)
{
    cMesh broken = Diamond();
    broken.edges.push_back({1, 1});
    MovingShape("Broken", broken, {});
    Still("Block", {{0.6f, 0.0f}});
    EXPECT_EQ(ErrorOf([&] { Step(); }), "Tried constructing a line of the same points.");
}

// With dependency checks off, a collider without a RigidBody stands still.
class BodilessCollider : public CollisionPass
{
public:
    BodilessCollider() : CollisionPass(false) {}
    Entity* Bodiless(const std::string& name, tvec2 position, tvec2 scale)
    {
        Entity* entity = New<Entity>(name);
        Transform* transform = entity->Add<Transform>();
        transform->position = position;
        transform->scale = scale;
        entity->Add<BoxCollider>();
        return Listening(world.Place(entity));
    }
};

TEST_F(BodilessCollider, IsStaticOnBothSides)
{
    Entity* ground = Bodiless("Ground", {0.0f, 0.0f}, {4.0f, 1.0f});
    Bodiless("Rock", {0.5f, 0.2f}, {1.0f, 1.0f});
    // On the ground, clear of the rock.
    Entity* crate = Moving("Crate", {{-1.2f, 0.9f}, {1.0f, 1.0f}, false, {0.0f, -2.0f}});
    Step();
    EXPECT_EQ(TransformOf(ground).position, tvec2(0.0f, 0.0f));
    ExpectNear(TransformOf(crate).position, {-1.2f, 1.0f});
    ExpectNear(BodyOf(crate).velocity, {0.0f, 1.61f});
    ExpectContact(crate, ground, {-1.2f, 0.5f}, 0, -1);
}

// A pair whose contact cannot be resolved is logged and left as it was, and the
// rest of the frame goes on: a crate lands on a platform far away.
struct LoggedPair
{
    const char* name;
    std::function<Entity*(CollisionPass&)> build; // returns the moving side
    const char* error;
};

class UnresolvablePair : public CollisionPass, public ::testing::WithParamInterface<LoggedPair>
{
};

TEST_P(UnresolvablePair, IsLoggedAndSkippedWhileOtherPairsResolve)
{
    Entity* crate = Landing(100.0f);
    Entity* mover = GetParam().build(*this);
    const tvec2 position = TransformOf(mover).position;
    BodyOf(mover).velocity = {0.0f, -1.0f};
    EXPECT_EQ(Step(), std::string("ERROR: ") + GetParam().error + "\n");
    EXPECT_EQ(TransformOf(mover).position, position);
    EXPECT_EQ(BodyOf(mover).velocity, tvec2(0.0f, -1.0f));
    // Crossings (100.5, 0.5), (99.5, 0.5); corners 0 and 1 at y = 0.4 both push
    // (0, 0.1), the first wins the tie. Normal (0, -1), k = (0, -0.95):
    // v = (0, -2) - 2 * 1.9 * k = (0, -2 + 3.61) = 0.805 * (0, 2).
    ExpectNear(TransformOf(crate).position, {100.0f, 1.0f});
    ExpectNear(BodyOf(crate).velocity, {0.0f, 1.61f});
    ExpectContact(crate, platform, {100.0f, 0.5f}, 0, -1);
}

const LoggedPair loggedPairs[] = {
    // A stick has no faces: it crosses the box twice, yet no point is inside.
    {"NoPointInside",
     [](CollisionPass& pass) {
         pass.Still("Block", {});
         cMesh stick;
         stick.points = {{-1.0f, 0.0f}, {1.0f, 0.0f}};
         stick.edges = {{0, 1}};
         return pass.MovingShape("Stick", stick, {});
     },
     "No Mesh point was found during collision check. Might be due to data corruption"},
    // A diamond reaching 0.6 from the centre cuts each corner of a unit box off:
    // eight crossings.
    {"SeventhCrossing",
     [](CollisionPass& pass) {
         pass.Still("Block", {});
         return pass.MovingShape("Star", Diamond(), {{0.0f, 0.0f}, {1.2f, 1.2f}});
     },
     "More than the maximum allowed collision points found."},
    // Seven spare points of the block's mesh lie in the crate's overlap.
    {"SeventhInsidePoint",
     [](CollisionPass& pass) {
         cMesh studded = Polygon({{-0.5f, -0.5f}, {0.5f, -0.5f}, {0.5f, 0.5f}, {-0.5f, 0.5f}});
         for (int i = -3; i <= 3; ++i)
             studded.points.push_back({0.4f, 0.1f * static_cast<float>(i)});
         pass.StillShape("Studded", studded, {});
         return pass.Moving("Crate", {{0.8f, 0.0f}, {1.0f, 0.8f}});
     },
     "Too many mesh points found in collision"},
};

INSTANTIATE_TEST_SUITE_P(CollisionPass, UnresolvablePair, ::testing::ValuesIn(loggedPairs),
                         [](const ::testing::TestParamInfo<LoggedPair>& info) { return info.param.name; });

// Crowded random scenes of boxes, ramps and diamonds, moving and still, turned,
// some ghosts, over a ground wider than all: frame after frame, a pass that asks
// the tree and one that tests every collider end with the same messages in the
// same order, the same errors and every body at the same place and speed, bit
// for bit; so they tried the same pairs in the same order.
class BroadPhaseAgreement : public CollisionPass, public ::testing::WithParamInterface<unsigned>
{
public:
    void Scatter(std::mt19937& random)
    {
        std::uniform_real_distribution<float> x(-12.0f, 12.0f);
        std::uniform_real_distribution<float> y(0.0f, 6.0f);
        std::uniform_real_distribution<float> size(0.3f, 3.0f);
        std::uniform_real_distribution<float> turn(0.0f, 6.3f);
        std::uniform_real_distribution<float> speed(-3.0f, 3.0f);
        bodies.push_back(Still("Ground", {{0.0f, -0.5f}, {30.0f, 1.0f}}));
        for (int i = 0; i < 90; ++i)
        {
            BodySpec spec{{x(random), y(random)}, {size(random), size(random)}, random() % 3 == 0,
                          {speed(random), speed(random)}, random() % 2 ? turn(random) : 0.0f};
            const bool ghost = random() % 10 == 0;
            const unsigned shape = random() % 3;
            Entity* body = shape == 0 ? world.Box("Box", spec, ghost)
                                      : world.Shape("Shape", world.Keep(shape == 1 ? Ramp() : Diamond()), spec, ghost);
            bodies.push_back(Listening(body));
        }
    }
    // Every body's place and speed, set back by Restore.
    std::vector<std::pair<tvec2, tvec2>> Places() const
    {
        std::vector<std::pair<tvec2, tvec2>> places;
        for (Entity* body : bodies)
            places.emplace_back(TransformOf(body).position, BodyOf(body).velocity);
        return places;
    }
    void Restore(const std::vector<std::pair<tvec2, tvec2>>& places)
    {
        for (std::size_t i = 0; i < bodies.size(); ++i)
            std::tie(TransformOf(bodies[i]).position, BodyOf(bodies[i]).velocity) = places[i];
    }
    // What one pass printed, the messages it posted in order, and every body's
    // place and speed after it, bit for bit.
    std::string Pass(BroadPhase phase)
    {
        ContactLog::Heard().clear();
        collisions.SetBroadPhase(phase);
        std::ostringstream outcome;
        outcome << Step() << std::hexfloat;
        for (const CollisionMessage& m : Heard())
            outcome << m.Self->id << ' ' << m.Other->id << ' ' << m.Point.x << ' ' << m.Point.y << ' '
                    << m.VertexIndex << ' ' << m.Ghost << '\n';
        for (const auto& [position, velocity] : Places())
            outcome << position.x << ' ' << position.y << ' ' << velocity.x << ' ' << velocity.y << '\n';
        return outcome.str();
    }

    std::vector<Entity*> bodies;
};

TEST_P(BroadPhaseAgreement, TreeAndEveryPairPassesEndAlike)
{
    std::mt19937 random(GetParam());
    world.SetGravitySpeed(9.8f);
    Scatter(random);
    PhysicsSystem physics;
    std::size_t contacts = 0;
    for (int frame = 0; frame < 30; ++frame)
    {
        const auto start = Places();
        const std::string walked = Pass(BroadPhase::AllPairs);
        Restore(start);
        const std::string asked = Pass(BroadPhase::Tree);
        ASSERT_EQ(asked, walked) << "frame " << frame;
        contacts += Heard().size();
        physics.Update(1.0f / 60.0f);
    }
    // The scenes are crowded enough to test something.
    EXPECT_GT(contacts, 100u);
}

INSTANTIATE_TEST_SUITE_P(CollisionPass, BroadPhaseAgreement, ::testing::Range(1u, 7u));

TEST(ColliderInit, MeshColliderWithoutAMeshIsASquare)
{
    PhysicsWorld world;
    Entity* entity = world.Shape("Crate", nullptr, {});
    EXPECT_EQ(entity->collider->mesh, GetMesh("Square"));
    EXPECT_EQ(entity->collider->type, ColliderType::Mesh);
}

TEST(ColliderInit, RefusedSecondColliderLeavesTheFirstRegistered)
{
    PhysicsWorld world;
    Entity* entity = world.Box("Crate", {});
    BaseCollider* first = entity->collider;
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(ErrorOf([&] { entity->Add<MeshCollider>()->Init(); }),
              "Attempted to add multiple Colliders to entity: Crate");
    entity->RemoveComponent("MeshCollider");
    EXPECT_EQ(entity->collider, first);
    EXPECT_EQ(ErrorOf([&] { first->Init(); }), "no error"); // its own slot is no second collider
    entity->RemoveComponent("BoxCollider");
    EXPECT_EQ(entity->collider, nullptr);
}
} // namespace
} // namespace Orvex
