#include "game/states/MenuFocus.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include <SDL_scancode.h>

#include "audio/SoundSlider.h"
#include "engine/IGamestate.h"
#include "game/components/BackButton.h"
#include "game/components/ClickButton.h"
#include "game/components/ExpandOnMouseOver.h"
#include "game/components/SoundOnMouseOver.h"
#include "graphics/CameraView.h"
#include "graphics/Sprite.h"
#include "graphics/SpriteText.h"
#include "messaging/Input.h"
#include "object/Entity.h"
#include "physics/BaseCollider.h"
#include "physics/Transform.h"

namespace Orvex
{
namespace
{
bool HasButton(const Entity& entity)
{
    if (entity.Get<SoundSlider>())
        return true;
    return std::any_of(entity.components.begin(), entity.components.end(),
                       [](IComponent* component) { return dynamic_cast<ClickButton*>(component); });
}

// What the mouse could hover (drawn, solid), in view, and something to press or slide.
bool Focusable(const Entity& entity)
{
    const bool drawn = entity.Get<Sprite>() || entity.Get<SpriteText>();
    const Transform* transform = entity.Get<Transform>();
    return drawn && entity.collider && !entity.collider->ghost && transform &&
           InActiveView(transform->position) && HasButton(entity);
}

tvec2 PlaceOf(const Entity& entity) { return entity.Get<Transform>()->position; }

// Top to bottom, then left to right: the first is where the focus starts.
std::vector<Entity*> Candidates(const IGamestate& state)
{
    std::vector<Entity*> found;
    for (const auto& [id, entity] : state.Entities())
        if (Focusable(*entity))
            found.push_back(entity);
    std::sort(found.begin(), found.end(), [](const Entity* a, const Entity* b)
              {
                  const tvec2 pa = PlaceOf(*a), pb = PlaceOf(*b);
                  return pa.y != pb.y ? pa.y > pb.y : pa.x < pb.x;
              });
    return found;
}

Entity* First(const IGamestate& state)
{
    const std::vector<Entity*> candidates = Candidates(state);
    return candidates.empty() ? nullptr : candidates.front();
}

bool WentDown(unsigned key, unsigned padButton, unsigned stick)
{
    return Input::KeyWentDown(key) || Input::PadWentDown(padButton) || Input::PadWentDown(stick);
}

// The way asked for this frame, or (0, 0).
tvec2 DirectionPressed()
{
    if (WentDown(SDL_SCANCODE_UP, Input::PadUp, Input::PadStickUp))
        return {0.0f, 1.0f};
    if (WentDown(SDL_SCANCODE_DOWN, Input::PadDown, Input::PadStickDown))
        return {0.0f, -1.0f};
    if (WentDown(SDL_SCANCODE_LEFT, Input::PadLeft, Input::PadStickLeft))
        return {-1.0f, 0.0f};
    if (WentDown(SDL_SCANCODE_RIGHT, Input::PadRight, Input::PadStickRight))
        return {1.0f, 0.0f};
    return {0.0f, 0.0f};
}

bool ConfirmPressed()
{
    return Input::KeyWentDown(SDL_SCANCODE_RETURN) || Input::KeyWentDown(SDL_SCANCODE_KP_ENTER) ||
           Input::KeyWentDown(SDL_SCANCODE_SPACE) || Input::PadWentDown(Input::PadA);
}

void SetLook(Entity* entity, bool focused)
{
    if (!entity)
        return;
    if (auto* look = entity->Get<ExpandOnMouseOver>())
        look->focused = focused;
    if (auto* sound = entity->Get<SoundOnMouseOver>())
        sound->focused = focused;
}
} // namespace

Entity* MenuFocus::Focused(const IGamestate& state) const
{
    if (!shown)
        return nullptr;
    const auto found = state.Entities().find(focused);
    return found == state.Entities().end() ? nullptr : found->second;
}

void MenuFocus::Show(Entity* entity, IGamestate& state)
{
    SetLook(Focused(state), false);
    shown = entity != nullptr;
    if (entity)
        focused = entity->id;
    SetLook(entity, true);
}

bool MenuFocus::MouseMoved()
{
    const Input::State& input = Input::Current();
    const bool moved = input.mouseX != mouseX || input.mouseY != mouseY;
    mouseX = input.mouseX;
    mouseY = input.mouseY;
    return moved;
}

void MenuFocus::Update(IGamestate& state)
{
    Entity* current = Focused(state);
    if (MouseMoved() && current)
        return Show(nullptr, state);
    // One press, one step: nothing is pressed or moved while the view glides.
    if (ActiveCameraMoving())
        return;
    if (current && !Focusable(*current))
    {
        current = First(state);
        Show(current, state);
    }
    const tvec2 direction = DirectionPressed();
    const bool confirm = ConfirmPressed();
    if (direction == tvec2(0.0f) && !confirm)
        return;
    if (!current)
        return Show(First(state), state);
    if (confirm)
        PressButtons(*current);
    else if (SoundSlider* slider = current->Get<SoundSlider>(); slider && direction.x != 0.0f)
        slider->Nudge(direction.x * sliderStep);
    else
        Move(direction, state);
}

void MenuFocus::Move(tvec2 direction, IGamestate& state)
{
    const Entity* current = Focused(state);
    const tvec2 from = PlaceOf(*current);
    Entity* best = nullptr;
    float bestScore = 0.0f;
    for (Entity* candidate : Candidates(state))
    {
        const tvec2 offset = PlaceOf(*candidate) - from;
        const float along = glm::dot(offset, direction);
        // Straight ahead counts more than off to the side.
        const float score = along + 2.0f * std::abs(offset.x * direction.y - offset.y * direction.x);
        if (candidate != current && along > 0.01f && (!best || score < bestScore))
        {
            best = candidate;
            bestScore = score;
        }
    }
    if (best)
        Show(best, state);
}
} // namespace Orvex
