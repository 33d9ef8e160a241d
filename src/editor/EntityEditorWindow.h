#pragma once
// The "Entity Editor" window: the selected entity's name, its link to an
// archetype, adding and removing components, and one widget per reflected field
// of each component, by the field's value type. It knows no component class:
// everything goes through the reflection records, and edits show at once on the
// live components. Drawn inside an ImGui frame.
//
// A gesture on a field (a slider held, a text typed) becomes one undoable edit
// when it ends; adding or removing a component is one edit at once.

#include <string>

namespace Orvex
{
class Entity;
class LevelEditor;

void DrawEntityEditor(LevelEditor& editor);

// What "Add" does with a chosen type: the component is made, attached and
// initialised. A type the entity has prints "ERROR: Entity already has
// component: <type>"; an Init that throws takes the component away again and
// prints "ERROR: <text>" (both to standard error, and as the editor's notice).
void AddComponentTo(LevelEditor& editor, Entity& entity, const std::string& type);
// What "Remove" does: the component goes at once.
void RemoveComponentFrom(LevelEditor& editor, Entity& entity, const std::string& type);
} // namespace Orvex
