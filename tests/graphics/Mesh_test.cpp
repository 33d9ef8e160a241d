#include "graphics/Mesh.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>

#include <unistd.h>

#include "TestScene.h"
#include "data/Deserializer.h"
#include "engine/AssetPaths.h"
#include "graphics/MeshChanger.h"
#include "physics/BoxCollider.h"
#include "physics/ColliderQueries.h"
#include "physics/MeshCollider.h"
#include "physics/RigidBody.h"
#include "support/ErrorOf.h"

namespace Orvex
{
namespace
{
namespace fs = std::filesystem;

const std::string kSquareBlocks = "Points:\n{\n  Center=0.25,-1\n  0=-0.5,-0.5\n  1=0.5,-0.5\n"
                                  "  2=0.5,0.5\n  3=-0.5,0.5\n}\n"
                                  "Edges:\n{\n  0=0,1\n  1=1,2\n  2=2,3\n  3=3,0\n}\n"
                                  "Faces:\n{\n  0=0,1,2\n  1=0,2,3\n}\n";

// Meshes read from a folder of their own, through the asset paths.
class MeshLibrary : public ::testing::Test
{
protected:
    void SetUp() override
    {
        folder = fs::temp_directory_path() / ("gfx-meshes-" + std::to_string(getpid()));
        fs::create_directories(folder);
        Deserializer& meshes = config.AddChild("Meshes");
        meshes.SetValue("PATH", folder.string() + "/");
        meshes.SetValue("EXT", ".txt");
        SetAssetConfig(&config);
    }
    void TearDown() override
    {
        ShutdownMeshes();
        SetAssetConfig(nullptr);
        fs::remove_all(folder);
    }

    std::string Write(const std::string& name, const std::string& text)
    {
        const std::string path = (folder / (name + ".txt")).string();
        std::ofstream(path) << text;
        return path;
    }

    fs::path folder;
    Deserializer config;
};

// Lists stop at the first missing or empty key, a missing Center reads as the
// origin, and any one character separates numbers.
TEST_F(MeshLibrary, ReadsCenterPointsEdgesAndFaces)
{
    Write("Box", kSquareBlocks);
    const cMesh& mesh = *GetMesh("Box");
    EXPECT_EQ(mesh.center, tvec2(0.25f, -1.0f));
    ASSERT_EQ(mesh.points.size(), 4u);
    EXPECT_EQ(mesh.points[0], tvec2(-0.5f, -0.5f));
    EXPECT_EQ(mesh.points[3], tvec2(-0.5f, 0.5f));
    ASSERT_EQ(mesh.edges.size(), 4u);
    EXPECT_EQ(mesh.edges[3], (cMesh::Edge{3, 0}));
    ASSERT_EQ(mesh.faces.size(), 2u);
    EXPECT_EQ(mesh.faces[1], (cMesh::Face{0, 2, 3}));

    Write("Gap", "Points:\n{\n  0=0,0\n  1=1,0\n  3=1,1\n}\nEdges:\n{\n  0=0,1\n  1=\n  2=1,0\n}\n"
                 "Faces:\n{\n}\n");
    const cMesh& gap = *GetMesh("Gap");
    EXPECT_EQ(gap.center, tvec2(0.0f, 0.0f));
    EXPECT_EQ(gap.points.size(), 2u);
    EXPECT_EQ(gap.edges.size(), 1u);
    EXPECT_TRUE(gap.faces.empty());

    Write("Odd", "Points:\n{\n  0=0;0\n  1=1 0\n  2=0x1\n}\nEdges:\n{\n  0=2/1\n}\n"
                 "Faces:\n{\n  0=0 1|2\n}\n");
    const cMesh& odd = *GetMesh("Odd");
    EXPECT_EQ(odd.points[2], tvec2(0.0f, 1.0f));
    EXPECT_EQ(odd.edges[0], (cMesh::Edge{2, 1}));
    EXPECT_EQ(odd.faces[0], (cMesh::Face{0, 1, 2}));
}

// A missing block is named alone; a bad entry names the file, the block, the key
// and the text.
TEST_F(MeshLibrary, MissingFilesBlocksAndBadEntriesRaiseTheirTexts)
{
    EXPECT_EQ(ErrorOf([] { GetMesh("Nowhere"); }),
              "Could not find file: " + (folder / "Nowhere.txt").string());
    const std::string points = "Points:\n{\n  0=0,0\n  1=1,0\n  2=0,1\n  3=1,0\n}\n";
    const std::string inFile = "Error in a file: " + (folder / "Bad.txt").string() + ": ";
    const std::pair<std::string, std::string> bad[] = {
        {"Edges:\n{\n}\nFaces:\n{\n}\n", "Points not found in deserializer."},
        {"Points:\n{\n  0=0,0\n}\nFaces:\n{\n}\n", "Edges not found in deserializer."},
        {"Points:\n{\n  0=0,0\n}\nEdges:\n{\n}\n", "Faces not found in deserializer."},
        {points + "Edges:\n{\n  0=0,4\n}\nFaces:\n{\n}\n",
         inFile + "Edges, key 0: '0,4' names point 4, but the mesh has 4 points"},
        {points + "Edges:\n{\n}\nFaces:\n{\n  0=0,1,2\n  1=0,1,7\n}\n",
         inFile + "Faces, key 1: '0,1,7' names point 7, but the mesh has 4 points"},
        {points + "Edges:\n{\n  0=-1,0\n}\nFaces:\n{\n}\n", inFile + "Edges, key 0: '-1,0' is not 2 point numbers"},
        {points + "Edges:\n{\n  0=a,b\n}\nFaces:\n{\n}\n", inFile + "Edges, key 0: 'a,b' is not 2 point numbers"},
        {points + "Edges:\n{\n  0=1\n}\nFaces:\n{\n}\n", inFile + "Edges, key 0: '1' is not 2 point numbers"},
        {points + "Edges:\n{\n}\nFaces:\n{\n  0=0,1,99999999999\n}\n",
         inFile + "Faces, key 0: '0,1,99999999999' names point 99999999999, but the mesh has 4 points"},
        {"Points:\n{\n}\nEdges:\n{\n  0=0,0\n}\nFaces:\n{\n}\n",
         inFile + "Edges, key 0: '0,0' names point 0, but the mesh has 0 points"},
        {"Points:\n{\n  0=zero,0\n}\nEdges:\n{\n}\nFaces:\n{\n}\n",
         inFile + "Points, key 0: 'zero,0' is not two numbers"},
        {"Points:\n{\n  Center=middle\n}\nEdges:\n{\n}\nFaces:\n{\n}\n",
         inFile + "Points, key Center: 'middle' is not two numbers"},
        // An edge of no length, by one point named twice or two points at one place.
        {points + "Edges:\n{\n  0=0,1\n  1=2,2\n}\nFaces:\n{\n}\n",
         inFile + "Edges, key 1: '2,2' is an edge of no length: both its ends are at 0,1"},
        {points + "Edges:\n{\n  0=3,1\n}\nFaces:\n{\n}\n",
         inFile + "Edges, key 0: '3,1' is an edge of no length: both its ends are at 1,0"},
    };
    for (const auto& [text, error] : bad)
    {
        Write("Bad", text);
        EXPECT_EQ(ErrorOf([] { GetMesh("Bad"); }), error) << text;
    }
}

// A failed load caches nothing: the mended file loads.
TEST_F(MeshLibrary, SameNameGivesTheSameRecordAndReadsTheFileOnce)
{
    Write("Later", "Points:\n{\n  0=0,0\n}\nEdges:\n{\n  0=0,5\n}\nFaces:\n{\n}\n");
    EXPECT_NE(ErrorOf([] { GetMesh("Later"); }), "no error");
    const std::string path = Write("Later", kSquareBlocks);
    cMesh* first = GetMesh("Later");
    EXPECT_EQ(first->points.size(), 4u);
    fs::remove(path);
    EXPECT_EQ(GetMesh("Later"), first) << "a second request must not open the file";
    EXPECT_EQ(MeshName(first), "Later");
    EXPECT_EQ(MeshName(nullptr), "");
    ShutdownMeshes();
    EXPECT_EQ(MeshName(first), "");
    EXPECT_EQ(ErrorOf([] { GetMesh("Later"); }), "Could not find file: " + path);
}

// Twice the signed area of a polygon or triangle.
float DoubleArea(const std::vector<tvec2>& corners)
{
    float sum = 0.0f;
    for (std::size_t i = 0; i < corners.size(); ++i)
    {
        const tvec2& a = corners[i];
        const tvec2& b = corners[(i + 1) % corners.size()];
        sum += a.x * b.y - b.x * a.y;
    }
    return sum;
}

// The shapes the game ships: a closed convex outline in edge order, spanning the
// unit quad of a sprite, whose triangles cover exactly its inside.
TEST(ShippedMeshes, AreConvexUnitShapesWhoseFacesFillTheOutline)
{
    SetAssetConfig(nullptr); // the data tree beside the test
    for (const char* name : {"Square", "Octagon", "Triangle", "Circle16", "RoundedPlatform"})
    {
        SCOPED_TRACE(name);
        const cMesh& mesh = *GetMesh(name);
        ASSERT_EQ(mesh.edges.size(), mesh.points.size());
        std::vector<tvec2> outline;
        for (std::size_t i = 0; i < mesh.edges.size(); ++i)
        {
            EXPECT_EQ(mesh.edges[i][1], mesh.edges[(i + 1) % mesh.edges.size()][0]);
            outline.push_back(mesh.points[mesh.edges[i][0]]);
        }
        for (std::size_t i = 0; i < outline.size(); ++i)
            EXPECT_GT(DoubleArea({outline[i], outline[(i + 1) % outline.size()],
                                  outline[(i + 2) % outline.size()]}),
                      0.0f)
                << "outline turns left at every corner";
        float faceArea = 0.0f;
        for (const cMesh::Face& face : mesh.faces)
            faceArea += std::abs(
                DoubleArea({mesh.points[face[0]], mesh.points[face[1]], mesh.points[face[2]]}));
        EXPECT_NEAR(faceArea, DoubleArea(outline), 1e-4f);
        tvec2 low(1.0f), high(-1.0f);
        for (const tvec2& point : mesh.points)
        {
            low = glm::min(low, point);
            high = glm::max(high, point);
        }
        EXPECT_EQ(low, tvec2(-0.5f, -0.5f));
        EXPECT_EQ(high, tvec2(0.5f, 0.5f));
    }
    ShutdownMeshes();
}

// Keys 1, 2 and 3 (SDL scancodes 30 to 32) give the sprite and a mesh collider
// their mesh; a box collider stays the square, and other keys do nothing.
TEST(MeshChanger, KeysOneToThreeSwapTheSpriteAndTheMeshColliderTogether)
{
    EngineScene scene;
    const auto shape = [&scene](const char* name)
    {
        Entity* entity = scene.Add(name);
        entity->Add<Sprite>();
        entity->Add<MeshChanger>();
        entity->Add<RigidBody>();
        return entity;
    };
    Entity* ball = shape("Ball");
    MeshCollider* collider = ball->Add<MeshCollider>();
    ball->InitComponents();
    Entity* crate = shape("Crate");
    BoxCollider* box = crate->Add<BoxCollider>();
    crate->InitComponents();
    const Sprite& sprite = *ball->Get<Sprite>();
    const auto press = [&scene](unsigned scancode) { scene.Send(MSG_KEYDOWN, KeyMessage{scancode}); };
    const tvec2 squareCorner(0.45f, 0.45f); // inside the square, beyond the octagon's cut corner
    ASSERT_TRUE(PointInCollider(squareCorner, *ball));
    for (unsigned key : {29u, 33u, 89u /* keypad 1 */, 0u})
        press(key);
    EXPECT_EQ(sprite.mesh, GetMesh("Square"));

    press(31);
    EXPECT_EQ(sprite.DrawnMesh(), GetMesh("Octagon")) << "the filled mesh drawn changes too";
    EXPECT_EQ(collider->mesh, GetMesh("Octagon"));
    EXPECT_FALSE(PointInCollider(squareCorner, *ball));
    EXPECT_TRUE(PointInCollider(tvec2(0.0f, 0.45f), *ball));
    EXPECT_EQ(crate->Get<Sprite>()->mesh, GetMesh("Octagon"));
    EXPECT_EQ(box->mesh, GetMesh("Square"));
    for (const auto& [key, name] : {std::pair{32u, "Triangle"}, std::pair{30u, "Square"}})
    {
        press(key);
        EXPECT_EQ(sprite.mesh, GetMesh(name));
        EXPECT_EQ(collider->mesh, GetMesh(name));
    }
}

TEST(MeshChanger, WithoutASpriteInTheEditorAKeyDoesNothing)
{
    EngineScene scene(false);
    Entity* entity = scene.Add("Bare");
    entity->Add<RigidBody>();
    MeshCollider* collider = entity->Add<MeshCollider>();
    entity->Add<MeshChanger>();
    entity->InitComponents();
    scene.Send(MSG_KEYDOWN, KeyMessage{31});
    EXPECT_EQ(collider->mesh, GetMesh("Square"));
}
} // namespace
} // namespace Orvex
