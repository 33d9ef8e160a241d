#pragma once
// The level editor: a game state in which levels are built by hand. Entities are
// made from archetypes, placed and scaled with the mouse, renamed, locked,
// deleted, edited field by field, given a camera, saved, loaded and test-played.
//
// One frame (Update):
//   pending load   a level chosen in the picker replaces the table's entities
//   level camera   one a load chose is taken as the level's; the editor's own
//                  camera (not in the table) stays the view
//   editor camera  its components run (arrows, zoom, middle-button drag)
//   scene          picking, dragging, scaling and the keys, unless a popup is open
//   outline        the selection, and the frame of what the level camera shows
//   windows        the sidebar, the popups and the Entity Editor
// The level's own components are not updated; its drawables are drawn by the
// state's graphics, sprite-text and particle systems.
//
// Every editing action is one undoable edit (EditHistory). Entities are held by
// id, never by pointer, so a deleted selection or level camera is simply gone.

#include "editor/AssetLists.h"
#include "editor/EditHistory.h"
#include "editor/ImGuiBinding.h"
#include "editor/SceneMouse.h"
#include "engine/IGamestate.h"
#include "memory/MemoryManager.h"
#include "object/Entity.h"
#include "object/Reflection.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace Orvex
{
// The popups of the editor, opened by buttons, keys and refusals.
enum class EditorPopup
{
    NoCamera,
    OverwriteLevel,
    RenameEntity,
    QuitLevelEditor,
    DiscardChanges,
    Problem,
};

class LevelEditor : public IGamestate, private EntityStore
{
    ORVEX_GAMESTATE(LevelEditor)

    static constexpr const char* testLevel = "__level_editor_test_level_";
    static constexpr const char* cameraArchetype = "LevelEditor/LevelEditorCamera";
    static constexpr const char* settingsArchetype = "LevelSettings";
    static constexpr std::size_t NameSize = 32; // level and rename buffers, with the terminator
    static constexpr float NoticeSeconds = 5.0f;

    LevelEditor();
    ~LevelEditor() override;

    void Init() override;
    void Update(float dt) override;
    // Destroys the editor camera and the test-play file, and gives the frame
    // limiter back as it was.
    void Shutdown() override;
    // Back from a test run: its file goes, and keys held meanwhile are let go.
    void Resume() override;

    // --- The entities --------------------------------------------------------
    Entity* FindById(std::optional<std::uint32_t> id) const;
    Entity* Selected() const { return FindById(selected); }
    void Select(const Entity* entity);
    // As Select, and the entity list scrolls to it.
    void SelectFromScene(const Entity* entity);
    // The list's row to bring into sight, once; emptied by the list.
    std::optional<std::uint32_t>& ScrollRequest() { return scrollTo; }
    Entity& EditorCamera() const { return *editorCamera; }
    Entity* LevelCamera() const { return FindById(levelCamera); }
    bool IsLevelSettings(const Entity& entity) const { return &entity == levelSettings; }

    // --- Editing actions, each one undoable edit ------------------------------
    // A new entity of the archetype at the centre of the view, selected.
    // Problems (a missing archetype file) become the Problem popup.
    Entity* CreateEntity(const std::string& archetype);
    // Refused, with a notice, for the level-settings entity.
    void DeleteEntity(const Entity& entity);
    // An empty name is refused.
    void RenameEntity(Entity& entity, const std::string& name);
    void ToggleLock(Entity& entity);
    // A copy of the entity (new id, same name) in the table; null, with a
    // notice, when a component refuses to start.
    Entity* InsertClone(const Entity& entity);
    // One edit from the entity's state before the caller changed it to now.
    void RecordChange(const Entity& entity, const EntitySnapshot& before);
    void RecordChanges(std::vector<EntityChange> changes);
    bool Undo();
    bool Redo();
    const EditHistory& History() const { return history; }

    // The entity must have a Camera. Not an edit of any entity, but it changes
    // the saved level.
    void SetLevelCamera(const Entity& entity);

    // --- Levels ---------------------------------------------------------------
    // "Save" as the sidebar does it: nothing for an empty name, NoCamera without
    // a level camera, OverwriteLevel for a name the Levels folder holds; else saves.
    void RequestSave(const std::string& name);
    // Writes the level through the level writer; a failure is the Problem popup
    // and leaves the old file. True when saved.
    bool Save(const std::string& name);
    // "Load": asks first (DiscardChanges) when there are unsaved changes.
    void RequestLoad(const std::string& name);
    // Loads at the start of the next frame. A level that fails to load is the
    // Problem popup, and the level that was open stays as it was.
    void LoadAtNextFrame(const std::string& name) { pendingLoad = name; }
    // Loads now (what the pending load does).
    bool LoadLevelNow(const std::string& name);
    // Saves the scratch level and pushes a play state on it, unless the level
    // would not start there (the problem is shown) or has no camera (NoCamera).
    void TestPlay();
    // Changes not saved since the last save or load.
    bool Modified() const { return history.Position() != savedPosition || cameraChanged; }
    const AssetLists& Lists() const { return lists; }

    // --- Windows and popups -----------------------------------------------------
    // The sidebar, its popups and the Entity Editor, inside an ImGui frame; they
    // tell the scene whether a popup is open or a field has the keyboard.
    void LayOutWindows();
    void OpenPopup(EditorPopup popup);
    // The popup with this text as the problem.
    void ShowProblem(const std::string& text);
    void Notice(const std::string& text);
    void RequestQuit() { OpenPopup(EditorPopup::QuitLevelEditor); }
    // Popups to open in this frame's windows, oldest first; emptied by the caller.
    std::vector<EditorPopup>& PopupsToOpen() { return popupsToOpen; }
    const std::string& Problem() const { return problem; }
    const std::string& NoticeText() const { return noticeTime > 0.0f ? notice : none; }
    const std::string& PendingConfirmedLoad() const { return confirmedLoad; }

    char levelName[NameSize] = {};
    char renameBuffer[NameSize] = {};
    bool entityEditorOpen = false;
    bool entityEditorFocused = false; // the Entity Editor has the keyboard; set by its window
    bool popupOpen = false;           // any popup is open; scene editing is off
    bool mouseOverWindows = false;    // the cursor is on a window, or a widget is held
    bool typing = false;              // a text field has the keyboard
    int archetypeChoice = -1;         // picker entries; -1 for none
    int levelChoice = -1;

    // The Entity Editor's live edits of the selected entity: one edit per gesture.
    struct FieldEdit
    {
        std::optional<std::uint32_t> id;
        EntitySnapshot before;
        bool changed = false;
    };
    FieldEdit fieldEdit;
    // Ends a field gesture: its edit is recorded.
    void CommitFieldEdit();

private:
    // EntityStore
    Entity* FindLive(std::uint32_t id) override;
    void Recreate(std::uint32_t id, const EntitySnapshot& snapshot) override;
    void Discard(std::uint32_t id) override;

    // An undo or a redo, after the gesture under way ends.
    bool Step(bool (EditHistory::*step)(EntityStore& store), const char* what);
    void AdoptLevelCamera();
    void UpdateEditorCamera(float dt);
    void ForgetGone();
    void SceneInput();
    void Shortcuts();
    void DrawWindows();
    void ClearDocument();
    void RemoveTestLevel() const;
    void RefreshLists();
    // Loads the level into target with the dependency checks on or off; the
    // error text, empty when it loaded.
    std::string LoadInto(const std::string& name, IGamestate& target, bool checks);
    // The editor's view moves to what the level camera shows.
    void ShowAsLevelCamera(const Entity& level);
    // What stops the level from being saved with its camera; empty when nothing.
    std::string SaveProblem() const;

    Pooled<Entity> editorCamera; // the view; not in the table
    std::unique_ptr<ImGuiBinding> ui;
    SceneMouse mouse;
    EditHistory history;
    AssetLists lists;
    std::optional<std::uint32_t> selected;
    std::optional<std::uint32_t> levelCamera;
    std::optional<std::uint32_t> scrollTo;
    unsigned savedPosition = 0; // history position at the last save or load
    bool cameraChanged = false; // the level camera was chosen since then
    std::string pendingLoad;
    std::string confirmedLoad; // asked about by DiscardChanges
    std::vector<EditorPopup> popupsToOpen;
    std::string problem;
    std::string notice;
    float noticeTime = 0.0f; // seconds the notice still shows
    std::string none;
    bool limiterBefore = false; // the engine's frame limiter before the editor switched it on
};

// Copies text into a fixed buffer, cut to fit with its terminator.
template <std::size_t N> void CopyBounded(char (&buffer)[N], const std::string& text)
{
    const std::size_t count = text.size() < N - 1 ? text.size() : N - 1;
    text.copy(buffer, count);
    buffer[count] = '\0';
}
} // namespace Orvex
