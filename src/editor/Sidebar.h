#pragma once
// The editor's sidebar, down the left edge of the window: test play, saving
// under a name, loading, creating from an archetype, undo and redo, the list of
// the level's entities with their lock buttons and context menus, and quitting;
// with the editor's popups. Drawn inside an ImGui frame.

namespace Orvex
{
class LevelEditor;

constexpr float SidebarWidth = 220.0f; // pixels

void DrawSidebar(LevelEditor& editor);
} // namespace Orvex
