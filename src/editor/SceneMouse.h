#pragma once
// The mouse in the editor's scene: picking, dragging (Ctrl on release: a copy),
// scaling with the right button, and the double click that opens the Entity
// Editor. Shift rounds to whole world units.
//
// An entity is tested where it is drawn: the cursor is taken into the entity's
// own world through the view its drawable is drawn with, so HUD objects and
// parallax layers are picked and dragged where they show.

#include "editor/EntitySnapshot.h"
#include "engine/Math.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace Orvex
{
class Entity;
class IGamestate;
class LevelEditor;
class SceneView;

// The mouse of one frame.
struct MouseState
{
    tvec2 device{0.0f, 0.0f}; // cursor in device coordinates
    bool leftPressed = false;
    bool leftHeld = false;
    bool leftReleased = false;
    bool rightPressed = false;
    bool rightHeld = false;
    bool doubleClick = false;
    bool ctrl = false;
    bool shift = false;
};

// From the engine's input state.
MouseState ReadMouse();

// The cursor (device coordinates) in the world of the entity's drawable.
tvec2 PointUnder(const Entity& entity, tvec2 device, const SceneView& view);
// Not locked, placed (Transform) and drawn (a visible Sprite or SpriteText):
// what does not show, a hidden curtain over the whole view above all, is
// chosen in the entity list instead.
bool Pickable(const Entity& entity);
// Pickable and under the cursor: inside its collider, or its placed "Square".
bool Hit(const Entity& entity, tvec2 device, const SceneView& view);
// The layer it is drawn on: its Sprite's, else its SpriteText's, else its
// ParticleEmitter's.
int PickLayer(const Entity& entity);
// The entity hit on the highest layer (the first in the table among equals); null.
Entity* PickAt(const IGamestate& state, tvec2 device);

class SceneMouse
{
public:
    // One frame. inScene: the cursor is over the scene, not over a window; only
    // a press there starts anything, but a gesture under way ends wherever the
    // button goes up.
    void Update(LevelEditor& editor, const MouseState& mouse, bool inScene);
    // Ends the gesture under way as if the button went up (without Ctrl).
    void Finish(LevelEditor& editor);
    bool Busy() const { return gesture.has_value(); }
    std::optional<std::uint32_t> Dragged() const;

private:
    enum class Kind
    {
        Drag,
        Scale,
    };
    struct Gesture
    {
        Kind kind;
        std::uint32_t id;
        EntitySnapshot before;
        tvec2 start;  // position (drag) or scale when the button went down
        tvec2 anchor; // drag: position - cursor; scale: the cursor
    };

    void Press(LevelEditor& editor, const MouseState& mouse, const SceneView& view);
    void Hold(Entity& entity, const MouseState& mouse, const SceneView& view) const;
    void Release(LevelEditor& editor, Entity& entity, const MouseState& mouse);

    std::optional<Gesture> gesture;
    // A release picks only after a press in the scene: one whose press went to a
    // window, or to the state above the editor, is not a click on the level.
    bool pressedInScene = false;
};
} // namespace Orvex
