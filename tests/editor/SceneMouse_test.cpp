// The mouse in the editor's scene, through the engine's input state: picking,
// dragging with its undo, Shift rounding, Ctrl copies, scaling, and what the
// mouse must leave alone.

#include "EditorHarness.h"

namespace Orvex
{
namespace
{
TEST_F(EditorTest, AClickPicksTheHighestLayerAndEmptySpaceClearsTheChoice)
{
    Place("low", {0.0f, 0.0f}, 1);
    Entity& high = Place("high", {0.3f, 0.0f}, 2);
    Place("lower still", {0.0f, 0.3f}, 0);
    Click({0.1f, 0.1f});
    EXPECT_EQ(editor->Selected(), &high);
    // A double click on the chosen one opens the Entity Editor.
    EXPECT_FALSE(editor->entityEditorOpen);
    Input::Current().mouseButtons.set(Input::MouseDoubleClick);
    Click({0.1f, 0.1f});
    EXPECT_TRUE(editor->entityEditorOpen);
    Click({3.0f, 3.0f});
    EXPECT_EQ(editor->Selected(), nullptr);
}

TEST_F(EditorTest, LockedUnplacedOrHiddenEntitiesAreNotPickedAndHudOnesArePickedWhereTheyShow)
{
    Entity& locked = Place("locked", {0.0f, 0.0f}, 5);
    locked.flags.set(Entity::Locked);
    Entity& below = Place("below", {0.0f, 0.0f}, 1);
    Entity& unplaced = play.Spawn("unplaced"); // drawn, but nowhere: no Transform
    unplaced.Add<Sprite>()->layer = 9;
    Place("curtain", {0.0f, 0.0f}, 20).Get<Sprite>()->visible = false;
    Click({0.0f, 0.0f});
    EXPECT_EQ(editor->Selected(), &below);
    editor->Select(&locked); // as the entity list does
    EXPECT_EQ(editor->Selected(), &locked);
    // A HUD object lies where it shows, not where its world position would be.
    Entity& badge = Place("badge", {0.5f, 0.5f}); // device units
    badge.Get<Sprite>()->onHud = true;
    badge.Get<Transform>()->scale = {0.2f, 0.2f};
    Click({2.5f, 2.5f}); // device (0.5, 0.5)
    EXPECT_EQ(editor->Selected(), &badge);
}

// An entity not yet chosen is not dragged; Shift rounds to whole units.
TEST_F(EditorTest, DraggingTheSelectedEntityMovesOrScalesItAndUndoAndRedoTheEdit)
{
    Entity& crate = Place("crate", {1.0f, 1.0f});
    Drag({1.0f, 1.0f}, {2.0f, 2.0f});
    EXPECT_TRUE(Near(PositionOf(crate), tvec2(1.0f, 1.0f)));
    EXPECT_FALSE(editor->History().CanUndo());
    Click({1.2f, 1.2f});
    Drag({1.2f, 1.2f}, {2.2f, -0.8f});
    EXPECT_TRUE(Near(PositionOf(crate), tvec2(2.0f, -1.0f)));
    editor->Undo();
    EXPECT_TRUE(Near(PositionOf(crate), tvec2(1.0f, 1.0f)));
    editor->Redo();
    EXPECT_TRUE(Near(PositionOf(crate), tvec2(2.0f, -1.0f)));
    Hold(SDL_SCANCODE_LSHIFT);
    Drag({2.0f, -1.0f}, {3.4f, -3.6f});
    Let(SDL_SCANCODE_LSHIFT);
    EXPECT_TRUE(Near(PositionOf(crate), tvec2(3.0f, -4.0f)));
    // The right button scales it, as one edit.
    Drag({6.0f, 6.0f}, {7.0f, 5.5f}, Input::MouseRight);
    EXPECT_TRUE(Near(crate.Get<Transform>()->scale, tvec2(2.0f, 0.5f)));
    editor->Undo();
    EXPECT_EQ(crate.Get<Transform>()->scale, tvec2(1.0f, 1.0f));
}

TEST_F(EditorTest, CtrlOnReleasePlacesACopyAndLeavesTheOriginal)
{
    Entity& crate = Place("crate", {0.0f, 0.0f}, 4);
    Click({0.0f, 0.0f});
    Button(Input::MouseLeft, true, {0.0f, 0.0f});
    Button(Input::MouseLeft, true, {2.0f, 1.0f});
    Hold(SDL_SCANCODE_RCTRL);
    Button(Input::MouseLeft, false, {2.0f, 1.0f});
    Let(SDL_SCANCODE_RCTRL);
    EXPECT_TRUE(Near(PositionOf(crate), tvec2(0.0f, 0.0f)));
    Entity* copy = editor->Selected();
    ASSERT_NE(copy, nullptr);
    ASSERT_NE(copy, &crate);
    EXPECT_EQ(copy->name, "crate");
    EXPECT_TRUE(Near(PositionOf(*copy), tvec2(2.0f, 1.0f)));
    EXPECT_EQ(copy->Get<Sprite>()->layer, 4);
    // The copy is an edit like any other.
    const std::uint32_t id = copy->id;
    editor->Undo();
    EXPECT_EQ(editor->FindById(id), nullptr);
    EXPECT_TRUE(Near(PositionOf(crate), tvec2(0.0f, 0.0f)));
}

// Clicks meant for the editor's windows, or for the state that was above it: a
// release without a press in the scene, and anything while a popup is open.
TEST_F(EditorTest, ClicksForTheWindowsOrWhileAPopupIsOpenEditNothing)
{
    Entity& crate = Place("crate", {0.0f, 0.0f});
    editor->mouseOverWindows = true;
    Button(Input::MouseLeft, true, {0.0f, 0.0f});
    editor->mouseOverWindows = false;
    Button(Input::MouseLeft, false, {0.0f, 0.0f});
    EXPECT_EQ(editor->Selected(), nullptr);
    editor->popupOpen = true;
    Click({0.0f, 0.0f});
    Key(SDL_SCANCODE_ESCAPE);
    EXPECT_EQ(editor->Selected(), nullptr);
    EXPECT_TRUE(TakePopups().empty());
    editor->popupOpen = false;
    Click({0.0f, 0.0f});
    EXPECT_EQ(editor->Selected(), &crate);
}

} // namespace
} // namespace Orvex
