// The Entity Editor window, drawn in ImGui frames without a window: its buttons
// and fields pressed as the interface presses them, by their ids.

#include "WindowHarness.h"
#include "editor/EntityEditorWindow.h"
#include "object/TypeRegistry.h"
#include "physics/BoxCollider.h"
#include "physics/RigidBody.h"

namespace Orvex
{
// A component with the field types the window's own rules are about. The label
// is long enough to live on the heap, where a look at it after the component
// is gone is caught by the address sanitizer.
class EditorProbe : public IComponent
{
    ORVEX_COMPONENT(EditorProbe)
    unsigned count = 0;
    std::string label = "a label too long to be kept inside the string";
};
ORVEX_MEMBERS(EditorProbe)
{
    ORVEX_FIELD(count, "count");
    ORVEX_FIELD(label, "label");
}
ORVEX_REGISTER_COMPONENT(EditorProbe)

namespace
{
class EntityEditorWindow : public WindowTest
{
public:
    // The window is drawn for the chosen entity; press, when given, is the path
    // to an item (ID scopes, then its label) pressed in the next frame.
    void Draw(std::initializer_list<const char*> press = {})
    {
        DrawFrame(DrawEntityEditor, "Entity Editor", press);
    }
    // Presses an item: one frame to ask for it, one in which it is pressed.
    void Press(std::initializer_list<const char*> path)
    {
        Draw(path);
        Draw();
    }

    Entity& Edited(Entity& entity)
    {
        editor->Select(&entity);
        editor->entityEditorOpen = true;
        Draw();
        return entity;
    }
};

// An unsigned field stops at zero; Remove takes the component away, undone whole.
TEST_F(EntityEditorWindow, AnUnsignedFieldStopsAtZeroAndRemoveTakesTheWholeComponentAway)
{
    Entity& probe = play.Spawn("probe");
    probe.Add<EditorProbe>()->label += " at all";
    Edited(probe);
    Press({"0", "EditorProbe"});
    Press({"0", "count", "-"});
    EXPECT_EQ(probe.Get<EditorProbe>()->count, 0u);
    Press({"0", "count", "+"});
    EXPECT_EQ(probe.Get<EditorProbe>()->count, 1u);
    Press({"0", "Remove"});
    EXPECT_EQ(probe.Get<EditorProbe>(), nullptr);
    Draw();
    EXPECT_TRUE(editor->Undo());
    ASSERT_NE(probe.Get<EditorProbe>(), nullptr);
    EXPECT_EQ(probe.Get<EditorProbe>()->label,
              "a label too long to be kept inside the string at all");
    EXPECT_EQ(probe.Get<EditorProbe>()->count, 1u);
    EXPECT_EQ(probe.Get<EditorProbe>()->owner, &probe);
}

// The headers' ID scopes count up in type-name order: Color 0, Sprite 1, Transform 2.
TEST_F(EntityEditorWindow, AFieldChangedInTheWindowIsOneEditOfTheEntity)
{
    Entity& crate = Edited(Place("crate", {0.0f, 0.0f}));
    Press({"1", "Sprite"});
    Press({"1", "Visible"});
    EXPECT_FALSE(crate.Get<Sprite>()->visible);
    Draw();
    EXPECT_TRUE(editor->Undo());
    EXPECT_TRUE(crate.Get<Sprite>()->visible);
    EXPECT_FALSE(editor->Undo());
}

TEST_F(EntityEditorWindow, TickingLoadFromArchetypeLinksToDefaultAndAnUnlistedNameShowsNoEntry)
{
    Entity& crate = Edited(Place("crate", {0.0f, 0.0f}));
    Press({"Load From Archetype"});
    EXPECT_TRUE(crate.flags.test(Entity::ArchetypeInstance));
    EXPECT_EQ(crate.archetype, "Default");
    crate.archetype = "NoLongerThere";
    Draw();
    EXPECT_EQ(crate.archetype, "NoLongerThere");
}

// A type the entity has is refused, and so is a second collider, with the
// reason; one may come before what it needs.
TEST_F(EntityEditorWindow, AddingAComponentIsAnEditButATypeItHasOrASecondColliderIsRefused)
{
    Entity& crate = Place("crate", {0.0f, 0.0f}, 2);
    ::testing::internal::CaptureStderr();
    AddComponentTo(*editor, crate, "Sprite");
    EXPECT_EQ(::testing::internal::GetCapturedStderr(),
              "ERROR: Entity already has component: Sprite\n");
    EXPECT_EQ(crate.Get<Sprite>()->layer, 2);
    EXPECT_FALSE(editor->History().CanUndo());

    crate.Add<RigidBody>();
    crate.Add<BoxCollider>()->Init();
    ::testing::internal::CaptureStderr();
    AddComponentTo(*editor, crate, "MeshCollider");
    EXPECT_EQ(::testing::internal::GetCapturedStderr(),
              "ERROR: Attempted to add multiple Colliders to entity: crate\n");
    EXPECT_EQ(crate.Get(TypeRegistry::FindComponent("MeshCollider")->id), nullptr);
    EXPECT_EQ(static_cast<void*>(crate.collider), static_cast<void*>(crate.Get<BoxCollider>()));
    EXPECT_NE(editor->NoticeText().find("multiple Colliders"), std::string::npos);

    Entity& bare = play.Spawn("bare");
    AddComponentTo(*editor, bare, "Sprite"); // no Transform nor Color yet
    ASSERT_NE(bare.Get<Sprite>(), nullptr);
    editor->Undo();
    EXPECT_EQ(bare.Get<Sprite>(), nullptr);
}

TEST_F(EntityEditorWindow, ALongNameFillsTheRenameFieldOnlyAsFarAsItHolds)
{
    Entity& crate = Place(std::string(40, 'n'), {0.0f, 0.0f});
    editor->Select(&crate);
    Key(SDL_SCANCODE_F2);
    EXPECT_EQ(TakePopups(), std::vector<EditorPopup>{EditorPopup::RenameEntity});
    EXPECT_EQ(std::string(editor->renameBuffer), std::string(LevelEditor::NameSize - 1, 'n'));
}
} // namespace
} // namespace Orvex
