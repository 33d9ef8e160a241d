#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <sstream>
#include <string>
#include <tuple>
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
void ExpectNear(tvec2 actual, tvec2 expected)
{
    EXPECT_NEAR(actual.x, expected.x, 1e-5f);
    EXPECT_NEAR(actual.y, expected.y, 1e-5f);
}

const cMesh diamond = Polygon({{0.0f, -0.5f}, {0.5f, 0.0f}, {0.0f, 0.5f}, {-0.5f, 0.0f}});
const cMesh ramp = Ramp();

// A world, its collision pass and the log of what the pass told the bodies.
class Scene
{
public:
    explicit Scene(bool checkDependencies = true) : world(checkDependencies) { ContactLog::Heard().clear(); }

    static Entity* Listening(Entity* entity)
    {
        entity->Add<ContactLog>()->Init();
        return entity;
    }
    // A box, or a copy of the mesh the world keeps.
    Entity* Still(const std::string& name, const BodySpec& spec, const cMesh* mesh = nullptr,
                  bool ghost = false)
    {
        return Listening(mesh ? world.Shape(name, world.Keep(*mesh), spec, ghost)
                              : world.Box(name, spec, ghost));
    }
    Entity* Moving(const std::string& name, BodySpec spec, const cMesh* mesh = nullptr, bool ghost = false)
    {
        spec.isStatic = false;
        return Still(name, spec, mesh, ghost);
    }
    // A still body and a mover: {mover, still}.
    std::pair<Entity*, Entity*> Put(const cMesh* still, const BodySpec& stillSpec, const cMesh* mover,
                                    const BodySpec& moverSpec)
    {
        Entity* stillOne = Still("Still", stillSpec, still);
        return {Moving("Mover", moverSpec, mover), stillOne};
    }
    // Two movers over a 4 × 1 platform whose top is y = 0.5: the lower at
    // y = low, falling at 2 units/s, the upper at y = high and half as wide;
    // lowFirst: the walk takes the lower one first. Returns {lower, upper}.
    std::pair<Entity*, Entity*> Stacked(float low, float high, bool lowFirst)
    {
        Still("Platform", {{0.0f, 0.0f}, {4.0f, 1.0f}});
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
        collisions.Update(0.0f);
        const std::string printed = ::testing::internal::GetCapturedStdout();
        world.State().Messages()->DeliverAll();
        return printed;
    }

    // Every collider's place and speed, in table order, and setting them back.
    std::vector<std::pair<tvec2, tvec2>> Places()
    {
        std::vector<std::pair<tvec2, tvec2>> places;
        for (const auto& entry : world.State().Entities())
            if (entry.second->collider)
                places.emplace_back(TransformOf(entry.second).position, BodyOf(entry.second).velocity);
        return places;
    }
    void Restore(const std::vector<std::pair<tvec2, tvec2>>& places)
    {
        auto place = places.begin();
        for (const auto& entry : world.State().Entities())
            if (entry.second->collider)
                std::tie(TransformOf(entry.second).position, BodyOf(entry.second).velocity) = *place++;
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
        EXPECT_EQ(Heard()[0].Self, a);
        EXPECT_EQ(Heard()[0].Other, b);
        EXPECT_EQ(Heard()[0].VertexIndex, vertexA);
        EXPECT_EQ(Heard()[1].Self, b);
        EXPECT_EQ(Heard()[1].Other, a);
        EXPECT_EQ(Heard()[1].VertexIndex, vertexB);
        for (const CollisionMessage& message : Heard())
        {
            ExpectNear(message.Point, point);
            EXPECT_FALSE(message.Ghost);
        }
    }

    PhysicsWorld world;
    CollisionsSystem collisions;
};

class CollisionPass : public ::testing::Test, public Scene
{
};

// One mover pushed out of one still body: where it ends, its bounced speed, and
// the contact both are told of, with each side's vertex inside (-1: none). A
// bounce keeps the speed along the contact line and reverses 0.805 of the rest.
TEST(ContactResolution, MoverIsPushedOutAndBouncedByWhatLiesInside)
{
    const cMesh wedge = Polygon({{-0.5f, -0.45f}, {0.5f, -0.5f}, {0.5f, 0.5f}, {-0.5f, 0.5f}});
    const struct
    {
        const char* what;
        const cMesh* still; // null: a box
        BodySpec stillSpec;
        const cMesh* mover;
        BodySpec moverSpec;
        tvec2 position, velocity, point;
        int moverVertex, stillVertex;
    } cases[] = {
        // Crossings (0.5, 0.5), (-0.5, 0.5); the bottom corners at y = 0.45 and
        // 0.40 push (0, 0.05) and (0, 0.1): the deeper decides.
        {"deeper of two inside corners decides the lift", nullptr, {{0.0f, 0.0f}, {4.0f, 1.0f}}, &wedge,
         {{0.0f, 0.9f}}, {0.0f, 1.0f}, {0.0f, 0.0f}, {0.0f, 0.5f}, 0, -1},
        // Corner 1 at W = (0.5, 0.1) is inside. Crossings I0 = (0.2, 0.1) (bottom
        // edge), I1 = (0.5, 0.25) (right edge); d = (0.3, 0.15), d·d = 0.1125,
        // t = (0.3, 0)·d / d·d = 0.8, foot (0.44, 0.22), push (-0.06, 0.12).
        // û = (-1, 2) / √5, û·v = -2/√5; v - 2·0.95²·(û·v)·û = (0, -1) + 0.722·(-1, 2).
        {"corner poked into a slope goes out perpendicular to it", &ramp, {}, nullptr,
         {{0.0f, 0.6f}, {1.0f, 1.0f}, false, {0.0f, -1.0f}}, {-0.06f, 0.72f}, {-0.722f, 0.444f}, {0.35f, 0.175f},
         1, -1},
        // The crate's corner 0 (0.4, 0.3) goes onto the block's corner 2 (0.5, 0.5).
        // Crossings (0.5, 0.3), (0.4, 0.5): d = (-0.1, 0.2), û = (-2, -1) / √5,
        // û·v = 1/√5; v - 1.805·(û·v)·û = (0, -1) + 0.361·(2, 1).
        {"one corner inside each way carries one onto the other", nullptr, {}, nullptr,
         {{0.9f, 0.8f}, {1.0f, 1.0f}, false, {0.0f, -1.0f}}, {1.0f, 1.0f}, {0.722f, -0.639f}, {0.45f, 0.4f}, 0, 2},
        // Post corners 2 and 3 at y = 1 sit 0.1 above the crossings at y = 0.9:
        // their push is (0, -0.1), the crate takes its negation.
        {"box across the top of a narrow post goes up", nullptr, {{0.0f, 0.0f}, {0.4f, 2.0f}}, nullptr,
         {{0.1f, 1.4f}, {1.0f, 1.0f}, false, {0.0f, -2.0f}}, {0.1f, 1.5f}, {0.0f, 1.61f}, {0.0f, 0.9f}, -1, 2},
        // Sunk deeper, three vertices lie inside: the deepest is carried onto the
        // line through the two crossings. Only the diamond's top tip rises above
        // the block's top, y = 2: its lower tip, 0.7 deep, is lifted onto it.
        {"three of the mover's vertices inside", nullptr, {{0.0f, 0.0f}, {4.0f, 4.0f}}, &diamond,
         {{0.0f, 1.8f}, {1.0f, 1.0f}, false, {0.0f, -2.0f}}, {0.0f, 2.5f}, {0.0f, 1.61f}, {0.0f, 2.0f}, 0, -1},
        // The crate's top, y = 0.2, runs across the still diamond, whose lower
        // tip is 0.7 below it: the crate drops until that tip is on its edge.
        {"three of the still side's vertices inside", &diamond, {}, nullptr, {{0.0f, -1.8f}, {4.0f, 4.0f}},
         {0.0f, -2.5f}, {0.0f, 0.0f}, {0.0f, 0.2f}, -1, 0},
        // No vertex of either is inside, yet the outlines cross four times: a
        // 3 × 0.2 bar from y = 0 to 0.2 through a unit box goes the shortest way
        // an edge normal offers, up by 0.5 to its top, not down by 0.7 or
        // sideways by 2. It was logged and skipped.
        {"ThinBodyThroughAnotherIsPushedOutTheShortWay", nullptr, {}, nullptr,
         {{0.0f, 0.1f}, {3.0f, 0.2f}, false, {0.0f, -1.0f}}, {0.0f, 0.6f}, {0.0f, 0.805f}, {0.0f, 0.1f}, -1, -1},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.what);
        Scene scene;
        const auto [mover, still] = scene.Put(c.still, c.stillSpec, c.mover, c.moverSpec);
        EXPECT_EQ(scene.Step(), "");
        ExpectNear(TransformOf(mover).position, c.position);
        ExpectNear(BodyOf(mover).velocity, c.velocity);
        scene.ExpectContact(mover, still, c.point, c.moverVertex, c.stillVertex);
    }
}

// Outlines meeting in one point only touch: a tip carried exactly onto a corner
// (as the pass carries it), or resting on an edge, where the point is found from
// each edge pair there. A shape wholly inside another, either way round, and two
// static bodies, one gliding, never collide either.
TEST_F(CollisionPass, ShapesThatOnlyTouchOrNestOrStandStillNeverMeet)
{
    Entity* block = Still("Block", {});
    Entity* onCorner = Moving("OnCorner", {{1.0f, 0.5f}}, &diamond);
    Still("Shelf", {{20.0f, 0.0f}});
    Moving("OnEdge", {{20.0f, 1.0f}}, &diamond);
    Still("Hall", {{40.0f, 0.0f}, {4.0f, 4.0f}});
    Moving("Mouse", {{40.5f, 0.5f}, {0.2f, 0.2f}, false, {1.0f, 0.0f}});
    Still("Pebble", {{60.0f, 0.0f}, {0.2f, 0.2f}});
    Moving("Cloud", {{60.0f, 0.0f}, {4.0f, 4.0f}});
    Still("First", {{80.0f, 0.0f}, {1.0f, 1.0f}, true, {1.0f, 0.0f}});
    Still("Second", {{80.3f, 0.2f}});
    ContactRecord record;
    EXPECT_FALSE(FindContact(*onCorner, *block, record));
    EXPECT_EQ(record.crossingCount, 1);
    const auto before = Places();
    EXPECT_EQ(Step(), "");
    EXPECT_EQ(Places(), before);
    EXPECT_TRUE(Heard().empty());
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

// A ghost's touches are told, nothing moves, and touches are told even when the
// outlines cross more often than a list holds: the diamond reaching 0.6 from the
// centre cuts each corner of the pickup off, eight crossings.
TEST_F(CollisionPass, GhostsReportContactsButNothingMoves)
{
    Entity* sensor = Still("Sensor", {{0.0f, 0.0f}, {4.0f, 1.0f}}, nullptr, true);
    Entity* crate = Moving("Crate", {{0.0f, 0.9f}, {1.0f, 1.0f}, false, {0.0f, -2.0f}});
    Entity* drone = Moving("Drone", {{20.0f, 0.0f}}, nullptr, true);
    Entity* bird = Moving("Bird", {{20.5f, 0.5f}});
    Entity* pickup = Still("Pickup", {{40.0f, 0.0f}}, nullptr, true);
    Entity* star = Moving("Star", {{40.0f, 0.0f}, {1.2f, 1.2f}}, &diamond);
    EXPECT_EQ(Step(), "");
    EXPECT_EQ(TransformOf(crate).position, tvec2(0.0f, 0.9f));
    EXPECT_EQ(BodyOf(crate).velocity, tvec2(0.0f, -2.0f));
    EXPECT_EQ(TransformOf(drone).position, tvec2(20.0f, 0.0f));
    EXPECT_EQ(TransformOf(bird).position, tvec2(20.5f, 0.5f));
    EXPECT_EQ(TransformOf(star).position, tvec2(40.0f, 0.0f));
    // The crate's and the star's pair once each; the two moving ones from both sides.
    ASSERT_EQ(Heard().size(), 8u);
    for (const CollisionMessage& message : Heard())
    {
        // A ghost's touch carries no point or vertex.
        EXPECT_TRUE(message.Ghost);
        EXPECT_EQ(message.Point, tvec2(0.0f, 0.0f));
        EXPECT_EQ(message.VertexIndex, 0);
    }
    for (Entity* once : {sensor, pickup, star})
        EXPECT_EQ(std::count_if(Heard().begin(), Heard().end(),
                                [&](const CollisionMessage& message) { return message.Self == once; }),
                  1);
}

// A dog's outline leaning across a platform's top right corner, four crossings:
// its side sunk into the top face with a vertex inside (skipped, it sank further
// each frame), or its pointed foot carried across the corner in one fast step,
// no vertex of either inside (logged and skipped, left cut into the corner).
TEST_F(CollisionPass, DogFootCutAcrossAPlatformCornerIsPushedOut)
{
    const cMesh dog = Polygon({{-0.3f, 0.5f}, {-0.3f, -0.15f}, {0.0f, -0.5f}, {0.3f, -0.15f}, {0.3f, 0.5f}});
    const struct
    {
        const char* what;
        BodySpec platform, dog;
        bool vertexInside;
        float leastRise, mostMove;
    } cases[] = {
        {"side sunk into the face", {{0.0f, 0.0f}, {4.0f, 1.0f}},
         {{1.5f, 0.3f}, {1.2f, 1.6f}, false, {0.0f, -9.0f}, 1.1f}, true, 0.15f, 1.0f},
        {"foot cut across the corner", {{24.0f, 2.9f}, {5.0f, 1.0f}},
         {{25.965f, 3.9719f}, {1.2f, 1.6f}, false, {-5.8904f, -1.2358f}, 0.7335f}, false, 0.0f, 0.1f},
    };
    std::vector<std::pair<Entity*, Entity*>> placed;
    for (const auto& c : cases)
    {
        placed.emplace_back(Still("Platform", c.platform), Moving("Dog", c.dog, &dog));
        ContactRecord before;
        ASSERT_TRUE(FindContact(*placed.back().second, *placed.back().first, before)) << c.what;
        ASSERT_EQ(before.crossingCount, 4) << c.what;
        ASSERT_EQ(before.countA + before.countB > 0, c.vertexInside) << c.what;
    }
    EXPECT_EQ(Step(), "");
    EXPECT_EQ(Heard().size(), 4u);
    for (std::size_t i = 0; i < placed.size(); ++i)
    {
        SCOPED_TRACE(cases[i].what);
        // Out of the platform and bouncing up; an ordinary contact at most is left.
        const auto [platform, falling] = placed[i];
        const tvec2 moved = TransformOf(falling).position - cases[i].dog.position;
        EXPECT_GT(moved.y, cases[i].leastRise);
        EXPECT_LT(glm::length(moved), cases[i].mostMove);
        EXPECT_GT(BodyOf(falling).velocity.y, 0.0f);
        ContactRecord after;
        FindContact(*falling, *platform, after);
        EXPECT_LE(after.crossingCount, 2);
    }
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
    cMesh broken = diamond;
    broken.edges.push_back({1, 1});
    Moving("Broken", {}, &broken);
    Still("Block", {{0.6f, 0.0f}});
    EXPECT_EQ(ErrorOf([&] { collisions.Update(0.0f); }), "Tried constructing a line of the same points.");
}

// With dependency checks off, a collider without a RigidBody stands still.
TEST(BodilessCollider, IsStaticOnBothSides)
{
    Scene scene(false);
    const auto bodiless = [&](const std::string& name, tvec2 position, tvec2 scale) {
        Entity* entity = New<Entity>(name);
        Transform* transform = entity->Add<Transform>();
        transform->position = position;
        transform->scale = scale;
        entity->Add<BoxCollider>();
        return Scene::Listening(scene.world.Place(entity));
    };
    Entity* ground = bodiless("Ground", {0.0f, 0.0f}, {4.0f, 1.0f});
    bodiless("Rock", {0.5f, 0.2f}, {1.0f, 1.0f});
    // On the ground, clear of the rock.
    Entity* crate = scene.Moving("Crate", {{-1.2f, 0.9f}, {1.0f, 1.0f}, false, {0.0f, -2.0f}});
    scene.Step();
    EXPECT_EQ(TransformOf(ground).position, tvec2(0.0f, 0.0f));
    ExpectNear(TransformOf(crate).position, {-1.2f, 1.0f});
    ExpectNear(BodyOf(crate).velocity, {0.0f, 1.61f});
    scene.ExpectContact(crate, ground, {-1.2f, 0.5f}, 0, -1);
}
// A pair whose contact cannot be resolved is logged and left as it was, and the
// rest of the frame goes on: a crate lands on a platform far away.
TEST(ContactResolution, UnresolvablePairIsLoggedAndSkippedWhileOtherPairsResolve)
{
    cMesh stick;
    stick.points = {{-1.0f, 0.0f}, {1.0f, 0.0f}};
    stick.edges = {{0, 1}};
    cMesh studded = Polygon({{-0.5f, -0.5f}, {0.5f, -0.5f}, {0.5f, 0.5f}, {-0.5f, 0.5f}});
    for (int i = -3; i <= 3; ++i)
        studded.points.push_back({0.4f, 0.1f * static_cast<float>(i)});
    const struct
    {
        const char* what;
        const cMesh* still;
        BodySpec stillSpec;
        const cMesh* mover;
        BodySpec moverSpec;
        const char* error;
    } cases[] = {
        // A stick has no faces: it crosses the box twice, yet no point is inside.
        {"no point inside", nullptr, {}, &stick, {},
         "No Mesh point was found during collision check. Might be due to data corruption"},
        // A diamond reaching 0.6 from the centre cuts each corner of a unit box
        // off: eight crossings.
        {"seventh crossing", nullptr, {}, &diamond, {{0.0f, 0.0f}, {1.2f, 1.2f}},
         "More than the maximum allowed collision points found."},
        // Seven spare points of the block's mesh lie in the crate's overlap.
        {"seventh inside point", &studded, {}, nullptr, {{0.8f, 0.0f}, {1.0f, 0.8f}},
         "Too many mesh points found in collision"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.what);
        Scene scene;
        // A unit box falling at 2 units/s, its bottom 0.1 deep in a 4 × 1 platform.
        Entity* platform = scene.Still("Platform", {{100.0f, 0.0f}, {4.0f, 1.0f}});
        Entity* crate = scene.Moving("Crate", {{100.0f, 0.9f}, {1.0f, 1.0f}, false, {0.0f, -2.0f}});
        Entity* mover = scene.Put(c.still, c.stillSpec, c.mover, c.moverSpec).first;
        const tvec2 position = TransformOf(mover).position;
        BodyOf(mover).velocity = {0.0f, -1.0f};
        EXPECT_EQ(scene.Step(), std::string("ERROR: ") + c.error + "\n");
        EXPECT_EQ(TransformOf(mover).position, position);
        EXPECT_EQ(BodyOf(mover).velocity, tvec2(0.0f, -1.0f));
        // Crossings (100.5, 0.5), (99.5, 0.5); corners 0 and 1 at y = 0.4 both
        // push (0, 0.1), the first wins the tie. Normal (0, -1), k = (0, -0.95):
        // v = (0, -2) - 2 * 1.9 * k = (0, -2 + 3.61) = 0.805 * (0, 2).
        ExpectNear(TransformOf(crate).position, {100.0f, 1.0f});
        ExpectNear(BodyOf(crate).velocity, {0.0f, 1.61f});
        scene.ExpectContact(crate, platform, {100.0f, 0.5f}, 0, -1);
    }
}

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
        Still("Ground", {{0.0f, -0.5f}, {30.0f, 1.0f}});
        for (int i = 0; i < 90; ++i)
        {
            BodySpec spec{{x(random), y(random)},
                          {size(random), size(random)},
                          random() % 3 == 0,
                          {speed(random), speed(random)},
                          random() % 2 ? turn(random) : 0.0f};
            const bool ghost = random() % 10 == 0;
            const cMesh* shapes[] = {nullptr, &ramp, &diamond};
            Still("Body", spec, shapes[random() % 3], ghost);
        }
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

// A mesh collider without a mesh is a square; a second collider is refused
// and its removal leaves the first in the entity's slot.
TEST(ColliderInit, MeshColliderWithoutAMeshIsASquareAndASecondIsRefused)
{
    PhysicsWorld world;
    Entity* square = world.Shape("Square", nullptr, {});
    EXPECT_EQ(square->collider->mesh, GetMesh("Square"));
    EXPECT_EQ(square->collider->type, ColliderType::Mesh);
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
