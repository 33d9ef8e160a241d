#include "editor/EntityEditorWindow.h"

#include "editor/FieldWidgets.h"
#include "editor/ImGuiCompat.h"
#include "editor/LevelEditor.h"
#include "editor/NamePicker.h"
#include "object/MetaComponent.h"
#include "object/TypeRegistry.h"

#include <cstdio>
#include <imgui.h>
#include <map>

namespace Orvex
{
namespace
{
const ImVec2 FirstSize{400.0f, 500.0f};
constexpr float Alpha = 0.7f;
constexpr float AddRowRoom = 58.0f; // pixels the combo beside "Add" leaves of the window's width

// The add-component choice outlives every editor of the run.
int componentChoice = -1;

int IndexOf(const std::vector<std::string>& names, const std::string& name)
{
    const auto found = std::find(names.begin(), names.end(), name);
    return found == names.end() ? -1 : static_cast<int>(found - names.begin());
}

// Ticked, the entity is saved as its archetype plus its Transform. A name the
// archetype list does not hold shows no entry, to be chosen again.
bool ArchetypeLink(LevelEditor& editor, Entity& entity)
{
    bool linked = entity.flags.test(Entity::ArchetypeInstance);
    bool changed = ImGui::Checkbox("Load From Archetype", &linked);
    if (linked)
    {
        if (entity.archetype.empty())
        {
            entity.archetype = "Default";
            changed = true;
        }
        const std::vector<std::string>& names = editor.Lists().archetypes;
        int choice = IndexOf(names, entity.archetype);
        if (Ui::NamePicker("Archetype Combo", &choice, names) && choice >= 0)
        {
            entity.archetype = names[static_cast<std::size_t>(choice)];
            changed = true;
        }
    }
    entity.flags.set(Entity::ArchetypeInstance, linked);
    return changed;
}

void AddRow(LevelEditor& editor, Entity& entity)
{
    const std::vector<std::string>& names = editor.Lists().components;
    const bool pressed = ImGui::Button("Add");
    ImGui::SameLine();
    ImGui::SetNextItemWidth(ImGui::GetWindowWidth() - AddRowRoom);
    Ui::NamePicker("##component type", &componentChoice, names, "(component type)");
    if (pressed && componentChoice >= 0 && static_cast<std::size_t>(componentChoice) < names.size())
        AddComponentTo(editor, entity, names[static_cast<std::size_t>(componentChoice)]);
}

// The fields of one component; true when one changed.
bool Fields(LevelEditor& editor, IComponent& component, const META_COMPONENT_BASE& record)
{
    bool changed = false;
    for (const FieldInfo& field : record.fields)
    {
        std::string problem;
        changed |= FieldWidget(field, META_COMPONENT_BASE::FieldAddress(component, field),
                               editor.Lists(), problem);
        if (!problem.empty())
            editor.Notice(problem);
    }
    return changed;
}

// One header per component, by type name; true when a field changed.
bool Components(LevelEditor& editor, Entity& entity)
{
    std::map<std::string, IComponent*> byName;
    for (unsigned id = 0; id < entity.components.size(); ++id)
        if (const META_COMPONENT_BASE* record = TypeRegistry::Component(id);
            record && entity.components[id])
            byName[record->name] = entity.components[id];
    bool changed = false;
    int scope = 0;
    ImGui::PushItemWidth(ImGui::GetWindowWidth() * 0.55f);
    for (const auto& [name, component] : byName)
    {
        ImGui::PushID(scope++);
        if (ImGui::CollapsingHeader(name.c_str()))
        {
            // After Remove the component is gone: none of its fields may be drawn.
            if (ImGui::Button("Remove"))
                RemoveComponentFrom(editor, entity, name);
            else
                changed |= Fields(editor, *component, *TypeRegistry::FindComponent(name));
        }
        ImGui::PopID();
    }
    ImGui::PopItemWidth();
    return changed;
}

void Content(LevelEditor& editor, Entity& entity)
{
    LevelEditor::FieldEdit& edit = editor.fieldEdit;
    if (!edit.changed || edit.id != entity.id)
        edit = {entity.id, TakeSnapshot(entity), false};
    ImGui::TextUnformatted(entity.name.c_str());
    edit.changed |= ArchetypeLink(editor, entity);
    AddRow(editor, entity);
    edit.changed |= Components(editor, entity);
    // A gesture ends when no widget is held or typed into any more.
    if (edit.changed && !ImGui::IsAnyItemActive())
        editor.CommitFieldEdit();
}
} // namespace

void AddComponentTo(LevelEditor& editor, Entity& entity, const std::string& type)
{
    editor.CommitFieldEdit();
    const EntitySnapshot before = TakeSnapshot(entity);
    IComponent* component = entity.AddComponent(type);
    if (!component)
    {
        editor.Notice(entity.name + " already has a " + type + ".");
        return;
    }
    try
    {
        component->Init();
    }
    catch (const std::string& error)
    {
        entity.RemoveComponent(type);
        std::fprintf(stderr, "ERROR: %s\n", error.c_str());
        editor.Notice(error);
        return;
    }
    editor.RecordChange(entity, before);
}

void RemoveComponentFrom(LevelEditor& editor, Entity& entity, const std::string& type)
{
    editor.CommitFieldEdit();
    const EntitySnapshot before = TakeSnapshot(entity);
    entity.RemoveComponent(type);
    editor.RecordChange(entity, before);
}

void DrawEntityEditor(LevelEditor& editor)
{
    if (!editor.entityEditorOpen)
        return;
    const ImVec2 display = ImGui::GetIO().DisplaySize;
    ImGui::SetNextWindowPos(ImVec2(display.x - FirstSize.x - 10.0f, 10.0f), ImGuiCond_FirstUseEver);
    if (Ui::BeginWindow("Entity Editor", &editor.entityEditorOpen, FirstSize, Alpha,
                        ImGuiWindowFlags_NoCollapse | ImGuiWindowFlags_NoSavedSettings))
    {
        editor.entityEditorFocused = Ui::WindowFocused();
        if (Entity* entity = editor.Selected())
            Content(editor, *entity);
        else
            ImGui::TextDisabled("Select an entity to edit it.");
    }
    ImGui::End();
}
} // namespace Orvex
