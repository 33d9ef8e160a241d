#include "graphics/MeshChanger.h"

#include <gtest/gtest.h>

#include <filesystem>

#include <unistd.h>

#include "CameraScene.h"
#include "data/Deserializer.h"
#include "engine/AssetPaths.h"
#include "graphics/Color.h"
#include "graphics/Mesh.h"
#include "graphics/Sprite.h"
#include "physics/BoxCollider.h"
#include "physics/ColliderQueries.h"
#include "physics/MeshCollider.h"
#include "physics/RigidBody.h"
#include "support/ErrorOf.h"

namespace Orvex
{
namespace
{
constexpr unsigned key1 = 30, key2 = 31, key3 = 32; // SDL scancodes

// An entity with a Sprite and a MeshChanger, and whatever else a case adds.
struct Changing
{
    explicit Changing(bool checkDependencies = true) : scene(checkDependencies)
    {
        entity = scene.Add("Shape");
        entity->Add<Color>();
        sprite = entity->Add<Sprite>();
        entity->Add<MeshChanger>();
    }
    MeshCollider* AddMeshCollider()
    {
        entity->Add<RigidBody>();
        return entity->Add<MeshCollider>();
    }
    void Press(unsigned scancode)
    {
        scene.engine.Send(MSG_KEYDOWN, KeyMessage{scancode});
        scene.Deliver();
    }

    CameraScene scene;
    Entity* entity;
    Sprite* sprite;
};

TEST(MeshChanger, KeysOneToThreeSwapTheSpriteAndTheMeshColliderTogether)
{
    Changing changing;
    MeshCollider* collider = changing.AddMeshCollider();
    changing.entity->InitComponents();
    const tvec2 squareCorner(0.45f, 0.45f); // inside the square, beyond the octagon's cut corner
    ASSERT_TRUE(PointInCollider(squareCorner, *changing.entity));

    changing.Press(key2);
    EXPECT_EQ(changing.sprite->mesh, GetMesh("Octagon"));
    EXPECT_EQ(changing.sprite->DrawnMesh(), GetMesh("Octagon")) << "the filled mesh drawn changes too";
    EXPECT_EQ(collider->mesh, GetMesh("Octagon"));
    EXPECT_FALSE(PointInCollider(squareCorner, *changing.entity));
    EXPECT_TRUE(PointInCollider(tvec2(0.0f, 0.45f), *changing.entity));

    changing.Press(key3);
    EXPECT_EQ(changing.sprite->mesh, GetMesh("Triangle"));
    EXPECT_EQ(collider->mesh, GetMesh("Triangle"));
    changing.Press(key1);
    EXPECT_EQ(changing.sprite->mesh, GetMesh("Square"));
    EXPECT_EQ(collider->mesh, GetMesh("Square"));
}

TEST(MeshChanger, OtherKeysOtherCollidersAndOtherEntitiesAreLeftAlone)
{
    Changing changing;
    changing.entity->Add<RigidBody>();
    BoxCollider* box = changing.entity->Add<BoxCollider>();
    Entity* other = changing.scene.Add("Plain");
    other->Add<Color>();
    Sprite* plain = other->Add<Sprite>();
    other->InitComponents();
    changing.entity->InitComponents();
    const cMesh* square = GetMesh("Square");

    for (unsigned key : {29u, 33u, 89u /* keypad 1 */, 0u})
        changing.Press(key);
    EXPECT_EQ(changing.sprite->mesh, square);

    changing.Press(key2);
    EXPECT_EQ(changing.sprite->mesh, GetMesh("Octagon"));
    EXPECT_EQ(box->mesh, square) << "a box is always the square";
    EXPECT_EQ(plain->mesh, square);
}

TEST(MeshChanger, WithoutASpriteInTheEditorAKeyDoesNothing)
{
    CameraScene scene(false);
    Entity* entity = scene.Add("Bare");
    entity->Add<RigidBody>();
    MeshCollider* collider = entity->Add<MeshCollider>();
    entity->Add<MeshChanger>();
    entity->InitComponents();
    scene.engine.Send(MSG_KEYDOWN, KeyMessage{key2});
    EXPECT_NO_THROW(scene.Deliver());
    EXPECT_EQ(collider->mesh, GetMesh("Square"));
}

TEST(MeshChanger, AMeshThatCannotBeLoadedRaisesItsErrorAndChangesNothing)
{
    Changing changing;
    MeshCollider* collider = changing.AddMeshCollider();
    changing.entity->InitComponents();
    const cMesh* square = GetMesh("Square");

    const std::filesystem::path empty =
        std::filesystem::temp_directory_path() / ("no-meshes-" + std::to_string(getpid()));
    std::filesystem::create_directories(empty);
    Deserializer config;
    Deserializer& meshes = config.AddChild("Meshes");
    meshes.SetValue("PATH", empty.string() + "/");
    meshes.SetValue("EXT", ".txt");
    SetAssetConfig(&config);
    const std::string error = ErrorOf([&] { changing.Press(key2); });
    SetAssetConfig(nullptr);
    std::filesystem::remove_all(empty);

    EXPECT_EQ(error, "Could not find file: " + (empty / "Octagon.txt").string());
    EXPECT_EQ(changing.sprite->mesh, square);
    EXPECT_EQ(collider->mesh, square);
}
} // namespace
} // namespace Orvex
