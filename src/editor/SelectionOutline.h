#pragma once
// What the editor draws over the scene: the selected entity's outline, and the
// frame of what the level camera will show the player.

namespace Orvex
{
class Entity;
class SceneView;

// The edges of the entity's Sprite mesh ("Square" for a SpriteText) in orange
// on a dark rim, where the entity is drawn. Nothing for an entity without a
// Transform or without a Sprite or SpriteText.
void DrawSelectionOutline(const Entity& entity, const SceneView& view);
// The rectangle the camera entity's Camera sees on this window, in light blue.
void DrawCameraFrame(const Entity& camera, const SceneView& view);
} // namespace Orvex
