#include "editor/Sidebar.h"

#include "editor/ImGuiCompat.h"
#include "editor/LevelEditor.h"
#include "editor/NamePicker.h"
#include "engine/Engine.h"
#include "graphics/Camera.h"

#include <algorithm>
#include <functional>
#include <imgui.h>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace Orvex
{
namespace
{
constexpr float ButtonWidth = 85.0f;    // pixels, the popups' buttons
constexpr float NameFieldRoom = 155.0f; // pixels from the right edge to the level name field
constexpr float EntityColumn = 175.0f;  // pixels
const ImVec4 Yellow{1.0f, 1.0f, 0.0f, 1.0f};
const ImVec4 White{1.0f, 1.0f, 1.0f, 1.0f};
const ImVec4 Amber{1.0f, 0.7f, 0.25f, 1.0f};

constexpr const char* KeysHelp = "Click: select    Drag: move    Shift: whole units\n"
                                 "Ctrl on release: place a copy\n"
                                 "Right drag: scale    Double click: Entity Editor\n"
                                 "Arrows or middle drag: look around\n"
                                 "Ctrl + wheel, Ctrl + Up / Down: zoom\n"
                                 "Ctrl + Z / Ctrl + Y: undo / redo\n"
                                 "Delete: delete    F2: rename    F5: test play\n"
                                 "Escape: quit the editor";

// The title a popup shows, then "###" and the name it is known by.
const char* PopupName(EditorPopup popup)
{
    switch (popup)
    {
    case EditorPopup::NoCamera:
        return "No camera###NoCamera";
    case EditorPopup::OverwriteLevel:
        return "Overwrite?###OverwriteLevel";
    case EditorPopup::RenameEntity:
        return "Rename###RenameEntity";
    case EditorPopup::QuitLevelEditor:
        return "Quit the editor?###QuitLevelEditor";
    case EditorPopup::DiscardChanges:
        return "Unsaved changes###DiscardChanges";
    case EditorPopup::Problem:
        return "Problem###Problem";
    }
    return "";
}

bool BeginModal(EditorPopup popup)
{
    return ImGui::BeginPopupModal(PopupName(popup), nullptr, ImGuiWindowFlags_AlwaysAutoResize);
}

// Escape answers a popup as its Cancel does, Enter as its first button; not in
// the frame it opens, where the Escape that asked the quit question is still new.
bool Cancelled()
{
    return !ImGui::IsWindowAppearing() && Ui::KeyPressed(ImGuiKey_Escape);
}
bool Confirmed()
{
    return !ImGui::IsWindowAppearing() &&
           (Ui::KeyPressed(ImGuiKey_Enter) || Ui::KeyPressed(ImGuiKey_KeyPadEnter));
}

void TestRow(LevelEditor& editor)
{
    if (ImGui::Button("Test Level", ImVec2(-1.0f, 0.0f)))
        editor.TestPlay();
}

void SaveRow(LevelEditor& editor)
{
    ImGui::Separator();
    ImGui::TextUnformatted("Level Name");
    if (editor.Modified())
    {
        ImGui::SameLine();
        ImGui::TextColored(Amber, "(unsaved changes)");
    }
    if (ImGui::Button("Save"))
        editor.RequestSave(editor.levelName);
    ImGui::SameLine(ImGui::GetWindowWidth() - NameFieldRoom);
    ImGui::SetNextItemWidth(-1.0f);
    ImGui::InputText("##Level Name", editor.levelName, LevelEditor::NameSize);
}

// The choice of a list, or null when none (or one past its end) is chosen.
const std::string* Chosen(int choice, const std::vector<std::string>& names)
{
    return choice >= 0 && static_cast<std::size_t>(choice) < names.size()
               ? &names[static_cast<std::size_t>(choice)]
               : nullptr;
}

void PickerRow(const char* heading, const char* button, const char* combo, int& choice,
               const std::vector<std::string>& names,
               const std::function<void(const std::string&)>& act)
{
    ImGui::Separator();
    ImGui::TextUnformatted(heading);
    const bool pressed = ImGui::Button(button);
    ImGui::SameLine();
    ImGui::SetNextItemWidth(-1.0f);
    Ui::NamePicker(combo, &choice, names, "(choose)");
    if (const std::string* name = Chosen(choice, names); pressed && name)
        act(*name);
}

void HistoryRow(LevelEditor& editor)
{
    ImGui::Separator();
    const float half = (ImGui::GetContentRegionAvail().x - ImGui::GetStyle().ItemSpacing.x) * 0.5f;
    ImGui::BeginDisabled(!editor.History().CanUndo());
    if (ImGui::Button("Undo", ImVec2(half, 0.0f)))
        editor.Undo();
    ImGui::EndDisabled();
    ImGui::SameLine();
    ImGui::BeginDisabled(!editor.History().CanRedo());
    if (ImGui::Button("Redo", ImVec2(half, 0.0f)))
        editor.Redo();
    ImGui::EndDisabled();
}

// The level's entities by name, then id; those queued to go are gone already.
std::vector<Entity*> ListedEntities(const LevelEditor& editor)
{
    std::vector<Entity*> listed;
    listed.reserve(editor.Entities().size());
    for (const auto& entry : editor.Entities())
        if (editor.FindById(entry.first))
            listed.push_back(entry.second);
    std::sort(listed.begin(), listed.end(),
              [](const Entity* a, const Entity* b)
              { return a->name != b->name ? a->name < b->name : a->id < b->id; });
    return listed;
}

void StartRename(LevelEditor& editor, Entity& entity)
{
    editor.Select(&entity);
    CopyBounded(editor.renameBuffer, entity.name);
    editor.OpenPopup(EditorPopup::RenameEntity);
}

void ContextMenu(LevelEditor& editor, Entity& entity)
{
    if (!ImGui::BeginPopupContextItem("popup context"))
        return;
    if (ImGui::MenuItem("Edit"))
    {
        editor.Select(&entity);
        editor.entityEditorOpen = true;
    }
    if (ImGui::MenuItem(entity.flags.test(Entity::Locked) ? "Unlock" : "Lock"))
        editor.ToggleLock(entity);
    if (ImGui::MenuItem("Rename"))
        StartRename(editor, entity);
    if (ImGui::MenuItem("Delete"))
        editor.DeleteEntity(entity);
    if (entity.Get<Camera>() && ImGui::MenuItem("Set As Camera"))
        editor.SetLevelCamera(entity);
    ImGui::EndPopup();
}

void EntityRow(LevelEditor& editor, Entity& entity)
{
    ImGui::TableNextRow();
    ImGui::TableSetColumnIndex(0);
    ImGui::PushID(static_cast<int>(entity.id));
    if (ImGui::Selectable("##row", editor.Selected() == &entity,
                          ImGuiSelectableFlags_SpanAllColumns |
                              ImGuiSelectableFlags_AllowItemOverlap))
        editor.Select(&entity);
    if (ImGui::IsItemHovered() && ImGui::IsMouseDoubleClicked(ImGuiMouseButton_Left))
        editor.entityEditorOpen = true;
    ContextMenu(editor, entity);
    ImGui::SameLine();
    ImGui::TextColored(entity.flags.test(Entity::ArchetypeInstance) ? Yellow : White, "%s",
                       entity.name.c_str());
    if (&entity == editor.LevelCamera() || editor.IsLevelSettings(entity))
    {
        ImGui::SameLine();
        ImGui::TextDisabled(&entity == editor.LevelCamera() ? "camera" : "settings");
    }
    ImGui::TableSetColumnIndex(1);
    if (ImGui::SmallButton(entity.flags.test(Entity::Locked) ? "X###lock" : " ###lock"))
        editor.ToggleLock(entity);
    ImGui::PopID();
}

// The list's rows are all one height, so a row's place is known without drawing.
void ScrollTo(const std::vector<Entity*>& listed, std::uint32_t id)
{
    const auto found =
        std::find_if(listed.begin(), listed.end(), [&](const Entity* e) { return e->id == id; });
    if (found == listed.end())
        return;
    const float row = ImGui::GetTextLineHeight() + 2.0f * ImGui::GetStyle().CellPadding.y;
    const float place = static_cast<float>(found - listed.begin()) * row;
    ImGui::SetScrollY(std::max(0.0f, place - ImGui::GetWindowHeight() * 0.5f));
}

void EntityList(LevelEditor& editor, float footer)
{
    ImGui::Separator();
    const ImGuiTableFlags flags = ImGuiTableFlags_ScrollY | ImGuiTableFlags_RowBg |
                                  ImGuiTableFlags_BordersInnerV | ImGuiTableFlags_NoSavedSettings;
    if (!ImGui::BeginTable("EntityTable", 2, flags, ImVec2(0.0f, -footer)))
        return;
    ImGui::TableSetupScrollFreeze(0, 1);
    ImGui::TableSetupColumn("Entities", ImGuiTableColumnFlags_WidthFixed, EntityColumn);
    ImGui::TableSetupColumn("Lo", ImGuiTableColumnFlags_WidthStretch);
    ImGui::TableHeadersRow();
    const std::vector<Entity*> listed = ListedEntities(editor);
    if (const std::optional<std::uint32_t> wanted =
            std::exchange(editor.ScrollRequest(), std::nullopt))
        ScrollTo(listed, *wanted);
    // Only the rows in sight are laid out: a big level has thousands.
    ImGuiListClipper clipper;
    clipper.Begin(static_cast<int>(listed.size()));
    while (clipper.Step())
        for (int row = clipper.DisplayStart; row < clipper.DisplayEnd; ++row)
            EntityRow(editor, *listed[static_cast<std::size_t>(row)]);
    ImGui::EndTable();
}

void FooterRow(LevelEditor& editor)
{
    const std::string& notice = editor.NoticeText();
    if (!notice.empty())
    {
        ImGui::PushStyleColor(ImGuiCol_Text, Amber);
        ImGui::TextWrapped("%s", notice.c_str());
        ImGui::PopStyleColor();
    }
    ImGui::Separator();
    if (ImGui::Button("Quit"))
        editor.RequestQuit();
    ImGui::SameLine();
    ImGui::TextDisabled("Keys and mouse (?)");
    if (ImGui::IsItemHovered())
        ImGui::SetTooltip("%s", KeysHelp);
}

// Height the rows below the entity list take.
float FooterHeight(const LevelEditor& editor)
{
    const ImGuiStyle& style = ImGui::GetStyle();
    float height = ImGui::GetFrameHeightWithSpacing() + style.ItemSpacing.y + 1.0f;
    if (!editor.NoticeText().empty())
        height += ImGui::CalcTextSize(editor.NoticeText().c_str(), nullptr, false,
                                      ImGui::GetContentRegionAvail().x)
                      .y +
                  style.ItemSpacing.y;
    return height;
}

// Two buttons sharing a popup's width, as its quit question has them.
bool HalfButton(const char* label)
{
    return ImGui::Button(
        label, ImVec2(std::max(ButtonWidth, ImGui::GetWindowWidth() * 0.5f - 12.0f), 0.0f));
}

// A question with a yes and a Cancel button; its lines are drawn by text. The
// Overwrite and Rename buttons are as wide as the quit question's halves.
template <class Text, class Yes>
void Question(EditorPopup popup, const char* yesLabel, Text text, Yes yes, bool enterAnswers = true)
{
    if (!BeginModal(popup))
        return;
    const bool entered = text();
    if (HalfButton(yesLabel) || entered || (enterAnswers && Confirmed()))
    {
        yes();
        ImGui::CloseCurrentPopup();
    }
    ImGui::SameLine();
    if (HalfButton("Cancel") || Cancelled())
        ImGui::CloseCurrentPopup();
    ImGui::EndPopup();
}

// A popup of one text and an OK button.
void MessagePopup(EditorPopup popup, const std::string& text)
{
    if (!BeginModal(popup))
        return;
    ImGui::TextUnformatted(text.c_str());
    if (ImGui::Button("OK", ImVec2(ButtonWidth, 0.0f)) || Cancelled() || Confirmed())
        ImGui::CloseCurrentPopup();
    ImGui::EndPopup();
}

void OverwritePopup(LevelEditor& editor)
{
    Question(
        EditorPopup::OverwriteLevel, "Overwrite",
        []
        {
            ImGui::TextUnformatted("Level file already exists.");
            return false;
        },
        [&] { editor.Save(editor.levelName); });
}

// The name field answers Enter itself.
void RenamePopup(LevelEditor& editor)
{
    Question(
        EditorPopup::RenameEntity, "Rename",
        [&]
        {
            ImGui::TextUnformatted("Rename Entity:");
            if (ImGui::IsWindowAppearing())
                ImGui::SetKeyboardFocusHere();
            return ImGui::InputText("##rename", editor.renameBuffer, LevelEditor::NameSize,
                                    ImGuiInputTextFlags_EnterReturnsTrue);
        },
        [&]
        {
            if (Entity* entity = editor.Selected())
                editor.RenameEntity(*entity, editor.renameBuffer);
        },
        false);
}

void QuitPopup(LevelEditor& editor)
{
    Question(
        EditorPopup::QuitLevelEditor, "Quit",
        [&]
        {
            ImGui::TextUnformatted("Are you sure you want to quit?");
            if (editor.Modified())
                ImGui::TextColored(Amber, "The unsaved changes will be lost.");
            return false;
        },
        [] { Engine::Get()->PopGamestates(1); });
}

void DiscardPopup(LevelEditor& editor)
{
    Question(
        EditorPopup::DiscardChanges, "Load",
        [&]
        {
            ImGui::TextUnformatted("The level has unsaved changes.");
            ImGui::Text("Load %s and lose them?", editor.PendingConfirmedLoad().c_str());
            return false;
        },
        [&] { editor.LoadAtNextFrame(editor.PendingConfirmedLoad()); });
}

void Popups(LevelEditor& editor)
{
    for (EditorPopup popup : editor.PopupsToOpen())
        ImGui::OpenPopup(PopupName(popup));
    editor.PopupsToOpen().clear();
    OverwritePopup(editor);
    MessagePopup(EditorPopup::NoCamera, "Please select a camera to use before saving.");
    RenamePopup(editor);
    QuitPopup(editor);
    DiscardPopup(editor);
    MessagePopup(EditorPopup::Problem, editor.Problem());
}
} // namespace

void DrawSidebar(LevelEditor& editor)
{
    ImGui::SetNextWindowPos(ImVec2(0.0f, 0.0f));
    ImGui::SetNextWindowSize(ImVec2(SidebarWidth, ImGui::GetIO().DisplaySize.y));
    // Opaque: the level's HUD text lies under it and would show through its rows.
    ImGui::SetNextWindowBgAlpha(1.0f);
    const ImGuiWindowFlags flags = ImGuiWindowFlags_NoTitleBar | ImGuiWindowFlags_NoResize |
                                   ImGuiWindowFlags_NoMove | ImGuiWindowFlags_NoCollapse |
                                   ImGuiWindowFlags_NoSavedSettings;
    if (ImGui::Begin("Sidebar", nullptr, flags))
    {
        TestRow(editor);
        SaveRow(editor);
        PickerRow("Load Level", "Load", "##Load Level Combo", editor.levelChoice,
                  editor.Lists().levels,
                  [&](const std::string& name) { editor.RequestLoad(name); });
        PickerRow("Archetypes", "Create", "##Archetype Combo", editor.archetypeChoice,
                  editor.Lists().archetypes,
                  [&](const std::string& name) { editor.CreateEntity(name); });
        HistoryRow(editor);
        EntityList(editor, FooterHeight(editor));
        FooterRow(editor);
        Popups(editor);
    }
    ImGui::End();
}
} // namespace Orvex
