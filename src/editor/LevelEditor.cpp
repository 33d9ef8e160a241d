#include "editor/LevelEditor.h"

#include "audio/ChannelGroup.h"
#include "data/Level.h"
#include "data/LevelSettings.h"
#include "editor/EntityEditorWindow.h"
#include "editor/LevelEditorCameraController.h"
#include "editor/SelectionOutline.h"
#include "editor/Sidebar.h"
#include "engine/AssetPaths.h"
#include "engine/Engine.h"
#include "graphics/Camera.h"
#include "graphics/SceneView.h"
#include "messaging/Input.h"
#include "physics/Transform.h"

#include <SDL_scancode.h>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <exception>
#include <imgui.h>
#include <utility>

namespace Orvex
{
ORVEX_REGISTER_GAMESTATE(LevelEditor)

namespace
{
constexpr const char* playState = "Gameplay";

// Holds what a level builds, so that a level that fails half-way leaves the
// editor's own level untouched.
class LevelScratch : public IGamestate
{
public:
    LevelScratch() : IGamestate(true, true) {}
    void Init() override {}
    void Update(float) override {}
    void Shutdown() override {}

    std::unordered_map<std::uint32_t, Entity*> TakeEntities()
    {
        camera = levelSettings = nullptr;
        return std::exchange(entities, {});
    }
};

bool CtrlHeld()
{
    return Input::KeyHeld(SDL_SCANCODE_LCTRL) || Input::KeyHeld(SDL_SCANCODE_RCTRL);
}

bool ShiftHeld()
{
    return Input::KeyHeld(SDL_SCANCODE_LSHIFT) || Input::KeyHeld(SDL_SCANCODE_RSHIFT);
}

void Mute(ChannelGroup* group)
{
    if (group)
        group->SetVolume(0.0f);
}

// The entity other than one that bears its name; null when the name is its own.
const Entity* NameTwin(const IGamestate& state, const Entity& entity)
{
    for (const auto& entry : state.Entities())
        if (entry.second != &entity && entry.second->name == entity.name)
            return entry.second;
    return nullptr;
}
} // namespace

LevelEditor::LevelEditor() : IGamestate(true, false) {}

LevelEditor::~LevelEditor() = default;

void LevelEditor::Init()
{
    for (const char* system : {"GraphicsSystem", "UpdateSpriteTextSystem", "UpdateParticleSystem"})
        AddSystem(system);
    limiterBefore = Engine::Get()->FrameLimiter();
    Engine::Get()->SetFrameLimiter(true);
    // The level's music and sounds start with its components; editing is quiet.
    Mute(soundGroups.music);
    Mute(soundGroups.effects);
    editorCamera.reset(CreateFromArchetype("LevelEditorCamera", cameraArchetype));
    camera = editorCamera.get();
    Entity* settings = CreateFromArchetype("LevelSettings", settingsArchetype);
    AddEntity(settings);
    SetLevelSettings(settings->id);
    ui = std::make_unique<ImGuiBinding>(*this);
    RefreshLists();
    if (!currentLevel.empty())
        LoadAtNextFrame(std::exchange(currentLevel, {}));
}

void LevelEditor::Shutdown()
{
    RemoveTestLevel();
    // The game below goes on at the pace its player chose.
    Engine::Get()->SetFrameLimiter(limiterBefore);
    ui.reset();
    camera = nullptr;
    editorCamera.reset();
}

void LevelEditor::Resume()
{
    RemoveTestLevel();
    if (ui)
        ui->ForgetInput();
}

void LevelEditor::Update(float dt)
{
    if (!pendingLoad.empty())
        LoadLevelNow(std::exchange(pendingLoad, {}));
    // Where the cursor is now: frames can be slow enough for it to have left a
    // window since the windows were last drawn.
    if (ui && ui->Running())
        mouseOverWindows = ui->Holds(Input::Current().mouseX, Input::Current().mouseY);
    AdoptLevelCamera();
    UpdateEditorCamera(dt);
    ForgetGone();
    SceneInput();
    const SceneView view(*this);
    if (const Entity* level = LevelCamera())
        DrawCameraFrame(*level, view);
    if (const Entity* chosen = Selected())
        DrawSelectionOutline(*chosen, view);
    noticeTime -= dt;
    entityEditorFocused = false;
    if (ui && ui->Running())
        DrawWindows();
}

void LevelEditor::AdoptLevelCamera()
{
    if (camera == editorCamera.get())
        return;
    if (camera && entities.count(camera->id))
        levelCamera = camera->id;
    camera = editorCamera.get();
}

void LevelEditor::UpdateEditorCamera(float dt)
{
    if (auto* controller = editorCamera->Get<LevelEditorCameraController>())
    {
        controller->mouseInScene = !mouseOverWindows && !popupOpen;
        controller->keysInScene = !typing && !popupOpen;
    }
    for (IComponent* component : editorCamera->components)
        if (component)
            component->Update(dt);
}

void LevelEditor::ForgetGone()
{
    if (!Selected())
        selected.reset();
    if (fieldEdit.id && !FindById(fieldEdit.id))
        fieldEdit = {};
}

void LevelEditor::SceneInput()
{

    if (popupOpen)
    {
        mouse.Finish(*this);
        return;
    }
    mouse.Update(*this, ReadMouse(), !mouseOverWindows);
    if (!typing)
        Shortcuts();
}

void LevelEditor::Shortcuts()
{
    const bool ctrl = CtrlHeld();
    if (ctrl && Input::KeyWentDown(SDL_SCANCODE_Z))
        ShiftHeld() ? Redo() : Undo();
    if (ctrl && Input::KeyWentDown(SDL_SCANCODE_Y))
        Redo();
    if (Input::KeyWentDown(SDL_SCANCODE_DELETE) && !entityEditorFocused)
        if (const Entity* entity = Selected())
            DeleteEntity(*entity);
    if (Input::KeyWentDown(SDL_SCANCODE_F2))
        if (const Entity* entity = Selected())
        {
            CopyBounded(renameBuffer, entity->name);
            OpenPopup(EditorPopup::RenameEntity);
        }
    if (!ctrl && Input::KeyWentDown(SDL_SCANCODE_F5))
        TestPlay();
    if (Input::KeyWentDown(SDL_SCANCODE_ESCAPE))
        RequestQuit();
}

void LevelEditor::DrawWindows()
{
    ui->NewFrame();
    LayOutWindows();
    ui->Render();
}

void LevelEditor::LayOutWindows()
{
    DrawSidebar(*this);
    DrawEntityEditor(*this);
    popupOpen = ImGui::IsPopupOpen("", ImGuiPopupFlags_AnyPopupId | ImGuiPopupFlags_AnyPopupLevel);
    typing = ImGui::GetIO().WantTextInput;
}

// --- The entities ------------------------------------------------------------

Entity* LevelEditor::FindById(std::optional<std::uint32_t> id) const
{
    if (!id)
        return nullptr;
    const auto found = entities.find(*id);
    if (found == entities.end() ||
        std::find(removalQueue.begin(), removalQueue.end(), *id) != removalQueue.end())
        return nullptr;
    return found->second;
}

void LevelEditor::Select(const Entity* entity)
{
    const std::optional<std::uint32_t> id = entity ? std::optional(entity->id) : std::nullopt;
    if (id != selected)
        CommitFieldEdit();
    selected = id;
}

void LevelEditor::SelectFromScene(const Entity* entity)
{
    Select(entity);
    scrollTo = selected;
}

Entity* LevelEditor::FindLive(std::uint32_t id)
{
    return FindById(id);
}

void LevelEditor::Recreate(std::uint32_t id, const EntitySnapshot& snapshot)
{
    const auto found = entities.find(id);
    if (found != entities.end())
    {
        // Deleted in this very frame: it is still here, only queued to go.
        removalQueue.erase(std::remove(removalQueue.begin(), removalQueue.end(), id),
                           removalQueue.end());
        ApplySnapshot(*found->second, snapshot);
        return;
    }
    Pooled<Entity> entity(New<Entity>(snapshot.name));
    // Ids are never handed out twice, so the old one is free.
    entity->id = id;
    ApplySnapshot(*entity, snapshot);
    AddEntity(entity.release());
}

void LevelEditor::Discard(std::uint32_t id)
{
    RemoveEntity(id);
    if (selected == id)
        selected.reset();
}

Entity* LevelEditor::CreateEntity(const std::string& archetype)
{
    Pooled<Entity> entity;
    try
    {
        entity.reset(CreateFromArchetype(archetype, archetype));
    }
    catch (const std::string& error)
    {
        ShowProblem("Could not create " + archetype + ":\n" + error);
        return nullptr;
    }
    if (Transform* transform = entity->Get<Transform>())
        transform->position = editorCamera->Get<Transform>()->position;
    Entity* created = entity.release();
    AddEntity(created);
    RecordChanges({{created->id, std::nullopt, TakeSnapshot(*created)}});
    Select(created);
    return created;
}

void LevelEditor::DeleteEntity(const Entity& entity)
{
    if (IsLevelSettings(entity))
    {
        Notice(entity.name +
               " stays: the level needs its settings (background, gravity, next level).");
        return;
    }
    CommitFieldEdit();
    RecordChanges({{entity.id, TakeSnapshot(entity), std::nullopt}});
    Discard(entity.id);
}

void LevelEditor::RenameEntity(Entity& entity, const std::string& name)
{
    if (name.empty())
        return;
    const EntitySnapshot before = TakeSnapshot(entity);
    entity.name = name;
    RecordChange(entity, before);
}

void LevelEditor::ToggleLock(Entity& entity)
{
    const EntitySnapshot before = TakeSnapshot(entity);
    entity.flags.flip(Entity::Locked);
    RecordChange(entity, before);
}

Entity* LevelEditor::InsertClone(const Entity& entity)
{
    try
    {
        Entity* copy = entity.Clone();
        AddEntity(copy);
        return copy;
    }
    catch (const std::string& error)
    {
        Notice("Could not copy " + entity.name + ": " + error);
        return nullptr;
    }
}

void LevelEditor::RecordChange(const Entity& entity, const EntitySnapshot& before)
{
    RecordChanges({{entity.id, before, TakeSnapshot(entity)}});
}

void LevelEditor::RecordChanges(std::vector<EntityChange> changes)
{
    history.Record(std::move(changes));
}

void LevelEditor::CommitFieldEdit()
{
    if (fieldEdit.changed)
        if (const Entity* entity = FindById(fieldEdit.id))
            RecordChange(*entity, fieldEdit.before);
    fieldEdit = {};
}

bool LevelEditor::Undo()
{
    return Step(&EditHistory::Undo, "Undo");
}

bool LevelEditor::Redo()
{
    return Step(&EditHistory::Redo, "Redo");
}

bool LevelEditor::Step(bool (EditHistory::*step)(EntityStore&), const char* what)
{
    CommitFieldEdit();
    mouse.Finish(*this);
    try
    {
        return (history.*step)(*this);
    }
    catch (const std::string& error)
    {
        Notice(std::string(what) + " stopped: " + error);
        return false;
    }
}

void LevelEditor::SetLevelCamera(const Entity& entity)
{
    if (!entity.Get<Camera>())
        return;
    cameraChanged = cameraChanged || levelCamera != entity.id;
    levelCamera = entity.id;
}

// --- Levels --------------------------------------------------------------------

std::string LevelEditor::SaveProblem() const
{
    const Entity* level = LevelCamera();
    if (!level)
        return "Please select a camera to use before saving.";
    if (!level->Get<Camera>())
        return "The level camera " + level->name +
               " has no Camera component any more.\n"
               "Give it one, or choose another camera with Set As Camera.";
    if (!levelSettings)
        return "The level has no level-settings entity.";
    if (!levelSettings->Get<LevelSettings>())
        return "The level-settings entity " + levelSettings->name +
               " has no LevelSettings component any more.\nAdd one in the Entity Editor.";
    // The loader finds both by name, so another entity of that name could stand in.
    for (const Entity* named : {level, static_cast<const Entity*>(levelSettings)})
        if (NameTwin(*this, *named))
            return "Two entities are named " + named->name +
                   ", and the level camera and the "
                   "level-settings entity are found by name.\nRename the other one.";
    return "";
}

void LevelEditor::RequestSave(const std::string& name)
{
    if (name.empty())
        return;
    if (!LevelCamera())
        OpenPopup(EditorPopup::NoCamera);
    else if (lists.levelSet.count(name))
        OpenPopup(EditorPopup::OverwriteLevel);
    else
        Save(name);
}

bool LevelEditor::Save(const std::string& name)
{
    const std::string refusal = SaveProblem();
    if (!refusal.empty())
    {
        ShowProblem(refusal);
        return false;
    }
    try
    {
        SaveLevel(name, *this, *LevelCamera());
    }
    catch (const std::string& error)
    {
        ShowProblem(error);
        return false;
    }
    savedPosition = history.Position();
    cameraChanged = false;
    currentLevel = name;
    RefreshLists();
    Notice("Saved " + name + ".");
    return true;
}

void LevelEditor::RequestLoad(const std::string& name)
{
    if (Modified())
    {
        confirmedLoad = name;
        OpenPopup(EditorPopup::DiscardChanges);
        return;
    }
    LoadAtNextFrame(name);
}

std::string LevelEditor::LoadInto(const std::string& name, IGamestate& target, bool checks)
{
    const bool checked = checkDependencies;
    checkDependencies = checks;
    std::string error;
    try
    {
        LoadLevel(name, target);
        if (target.Entities().empty())
            error = "The file holds no entities, or a level format this program cannot read.";
    }
    catch (const std::string& thrown)
    {
        error = thrown;
    }
    catch (const std::exception& thrown) // numbers and flags that do not read
    {
        error = std::string("A value does not read: ") + thrown.what();
    }
    checkDependencies = checked;
    return error;
}

bool LevelEditor::LoadLevelNow(const std::string& name)
{
    LevelScratch scratch;
    const std::string error = LoadInto(name, scratch, false);
    if (!error.empty())
    {
        ShowProblem("Could not load level " + name + ":\n" + error +
                    "\nThe open level stays as it was.");
        return false;
    }
    for (auto& entry : entities)
        Delete(entry.second);
    entities.clear();
    removalQueue.clear();
    ClearDocument();
    levelSettings = scratch.LevelSettingsEntity();
    const Entity* level = scratch.CameraEntity();
    entities = scratch.TakeEntities();
    if (level)
    {
        levelCamera = level->id;
        ShowAsLevelCamera(*level);
    }
    currentLevel = name;
    CopyBounded(levelName, name);
    return true;
}

void LevelEditor::ClearDocument()
{
    mouse.Finish(*this);
    fieldEdit = {};
    history.Clear();
    selected.reset();
    levelCamera.reset();
    savedPosition = history.Position();
    cameraChanged = false;
    confirmedLoad.clear();
}

void LevelEditor::ShowAsLevelCamera(const Entity& level)
{
    const Transform* from = level.Get<Transform>();
    const Camera* view = level.Get<Camera>();
    if (from)
        editorCamera->Get<Transform>()->position = from->position;
    if (view && std::isfinite(view->size))
        editorCamera->Get<Camera>()->size = std::clamp(
            view->size, LevelEditorCameraController::MinSize, LevelEditorCameraController::MaxSize);
}

void LevelEditor::TestPlay()
{
    const Entity* level = LevelCamera();
    if (!level)
    {
        OpenPopup(EditorPopup::NoCamera);
        return;
    }
    const std::string refusal = SaveProblem();
    if (!refusal.empty())
    {
        ShowProblem(refusal);
        return;
    }
    try
    {
        SaveLevel(testLevel, *this, *level);
    }
    catch (const std::string& error)
    {
        ShowProblem(error);
        return;
    }
    // Played, the level checks what each component needs: a level that would stop
    // there (and end the program with the work unsaved) is stopped here.
    {
        LevelScratch trial;
        const std::string error = LoadInto(testLevel, trial, true);
        if (!error.empty())
        {
            RemoveTestLevel();
            ShowProblem("The level would not start:\n" + error);
            return;
        }
    }
    CommitFieldEdit();
    mouse.Finish(*this);
    if (IGamestate* play = Engine::Get()->PushGamestate(std::string(playState)))
        play->SetCurrentLevel(testLevel);
}

void LevelEditor::RemoveTestLevel() const
{
    std::remove(AssetPath("Levels", testLevel).c_str());
}

void LevelEditor::RefreshLists()
{
    try
    {
        lists.Refresh();
    }
    catch (const std::string& error)
    {
        ShowProblem(error);
    }
}

// --- Windows and popups ----------------------------------------------------------

void LevelEditor::OpenPopup(EditorPopup popup)
{
    popupsToOpen.push_back(popup);
}

void LevelEditor::ShowProblem(const std::string& text)
{
    problem = text;
    OpenPopup(EditorPopup::Problem);
}

void LevelEditor::Notice(const std::string& text)
{
    notice = text;
    noticeTime = NoticeSeconds;
}
} // namespace Orvex
