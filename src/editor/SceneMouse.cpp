#include "editor/SceneMouse.h"

#include "editor/LevelEditor.h"
#include "graphics/GraphicsObject.h"
#include "graphics/ParticleEmitter.h"
#include "graphics/SceneView.h"
#include "graphics/Sprite.h"
#include "graphics/SpriteText.h"
#include "messaging/Input.h"
#include "physics/ColliderQueries.h"
#include "physics/Transform.h"

#include <SDL_scancode.h>
#include <cmath>
#include <utility>

namespace Orvex
{
namespace
{
bool Held(unsigned left, unsigned right)
{
    return Input::KeyHeld(left) || Input::KeyHeld(right);
}

const GraphicsObject* Drawable(const Entity& entity)
{
    if (const Sprite* sprite = entity.Get<Sprite>())
        return sprite;
    return entity.Get<SpriteText>();
}

// Halves away from zero, as std::round does.
tvec2 Rounded(tvec2 value, bool round)
{
    return round ? tvec2(std::round(value.x), std::round(value.y)) : value;
}
} // namespace

MouseState ReadMouse()
{
    MouseState mouse;
    mouse.device = Input::MouseDevicePosition();
    mouse.leftPressed = Input::MouseButtonPressed(Input::MouseLeft);
    mouse.leftHeld = Input::MouseButtonHeld(Input::MouseLeft);
    mouse.leftReleased = Input::LeftButtonReleased();
    mouse.rightPressed = Input::MouseButtonPressed(Input::MouseRight);
    mouse.rightHeld = Input::MouseButtonHeld(Input::MouseRight);
    mouse.doubleClick = Input::DoubleClicked();
    mouse.ctrl = Held(SDL_SCANCODE_LCTRL, SDL_SCANCODE_RCTRL);
    mouse.shift = Held(SDL_SCANCODE_LSHIFT, SDL_SCANCODE_RSHIFT);
    return mouse;
}

tvec2 PointUnder(const Entity& entity, tvec2 device, const SceneView& view)
{
    const GraphicsObject* drawable = Drawable(entity);
    const tmat3 toDevice = drawable ? view.ViewFor(*drawable) : view.WorldView();
    return tvec2(glm::inverse(toDevice) * glm::vec3(device, 1.0f));
}

bool Pickable(const Entity& entity)
{
    const GraphicsObject* drawable = Drawable(entity);
    return !entity.flags.test(Entity::Locked) && entity.Get<Transform>() && drawable &&
           drawable->visible;
}

bool Hit(const Entity& entity, tvec2 device, const SceneView& view)
{
    return Pickable(entity) &&
           PointInMesh(PointUnder(entity, device, view), ShapeOf(entity), entity);
}

int PickLayer(const Entity& entity)
{
    if (const GraphicsObject* drawable = Drawable(entity))
        return drawable->layer;
    const ParticleEmitter* emitter = entity.Get<ParticleEmitter>();
    return emitter ? emitter->layer : 0;
}

Entity* PickAt(const IGamestate& state, tvec2 device)
{
    const SceneView view(state);
    Entity* best = nullptr;
    for (const auto& entry : state.Entities())
        if (Hit(*entry.second, device, view) &&
            (!best || PickLayer(*entry.second) > PickLayer(*best)))
            best = entry.second;
    return best;
}

std::optional<std::uint32_t> SceneMouse::Dragged() const
{
    if (gesture && gesture->kind == Kind::Drag)
        return gesture->id;
    return std::nullopt;
}

void SceneMouse::Update(LevelEditor& editor, const MouseState& mouse, bool inScene)
{
    const SceneView view(editor);
    if (gesture)
    {
        pressedInScene = false; // the press was the gesture's
        Entity* entity = editor.FindById(gesture->id);
        const bool held = gesture->kind == Kind::Drag ? mouse.leftHeld : mouse.rightHeld;
        if (!entity || !entity->Get<Transform>())
            gesture.reset();
        else if (held)
            Hold(*entity, mouse, view);
        else
            Release(editor, *entity, mouse);
        return;
    }
    if (mouse.leftReleased && std::exchange(pressedInScene, false) && inScene)
    {
        editor.SelectFromScene(PickAt(editor, mouse.device));
        return;
    }
    if (!inScene)
        return;
    if (mouse.leftPressed)
        pressedInScene = true;
    Press(editor, mouse, view);
}

void SceneMouse::Press(LevelEditor& editor, const MouseState& mouse, const SceneView& view)
{
    Entity* selected = editor.Selected();
    Transform* transform = selected ? selected->Get<Transform>() : nullptr;
    if (!transform)
        return;
    const tvec2 cursor = PointUnder(*selected, mouse.device, view);
    if (mouse.leftPressed && Hit(*selected, mouse.device, view))
    {
        gesture = Gesture{Kind::Drag, selected->id, TakeSnapshot(*selected), transform->position,
                          transform->position - cursor};
        if (mouse.doubleClick)
            editor.entityEditorOpen = true;
    }
    else if (mouse.rightPressed)
        gesture =
            Gesture{Kind::Scale, selected->id, TakeSnapshot(*selected), transform->scale, cursor};
}

void SceneMouse::Hold(Entity& entity, const MouseState& mouse, const SceneView& view) const
{
    const tvec2 cursor = PointUnder(entity, mouse.device, view);
    Transform& transform = *entity.Get<Transform>();
    if (gesture->kind == Kind::Drag)
        transform.position = Rounded(cursor + gesture->anchor, mouse.shift);
    else
        transform.scale = Rounded(gesture->start + (cursor - gesture->anchor), mouse.shift);
}

void SceneMouse::Release(LevelEditor& editor, Entity& entity, const MouseState& mouse)
{
    const Gesture done = *gesture;
    gesture.reset();
    if (done.kind == Kind::Drag && mouse.ctrl)
    {
        // The copy lands where the drop was; the dragged entity goes back.
        Transform& transform = *entity.Get<Transform>();
        const tvec2 dropped = transform.position;
        transform.position = done.start;
        if (Entity* copy = editor.InsertClone(entity))
        {
            copy->Get<Transform>()->position = dropped;
            editor.RecordChanges({{copy->id, std::nullopt, TakeSnapshot(*copy)}});
            editor.SelectFromScene(copy);
        }
        return;
    }
    editor.RecordChange(entity, done.before);
}

void SceneMouse::Finish(LevelEditor& editor)
{
    if (!gesture)
        return;
    if (Entity* entity = editor.FindById(gesture->id))
        editor.RecordChange(*entity, gesture->before);
    gesture.reset();
}
} // namespace Orvex
