#include "game/components/Quest.h"

#include "data/Level.h"
#include "engine/IGamestate.h"
#include "graphics/SpriteText.h"
#include "messaging/Message.h"
#include "object/Entity.h"
#include "physics/Transform.h"

namespace Orvex
{
ORVEX_REGISTER_COMPONENT(Quest)

ORVEX_MEMBERS(Quest)
{
    ORVEX_FIELD(xp, "xp");
}

namespace
{
constexpr unsigned KeyOne = 30, KeyTwo = 31;
constexpr int LineCount = Quest::BoxCount + 1;

// Page 0 keeps the question on its first two lines.
constexpr const char* Pages[Quest::LastPage + 1][LineCount] = {
    {nullptr, nullptr, "", "", ""},
    {"You wake in a sunny forest.", "Birds sing. Your tail wags.", "What do you do?",
     "1: Fight the kobolds", "2: Go to the beach"},
    {"Kobolds approach, waving sticks!", "They smell of old socks.", "1: Run back to the forest",
     "2: Bite them", ""},
    {"You reach the beach.", "It is a sunny day and frisbees fly.", "1: Catch frisbees",
     "2: Back to the forest", ""},
    {"The kobolds flee, yelping.", "They left a DVD behind!", "1: Go home and watch it",
     "2: Find more kobolds", ""},
    {"You leap for a frisbee,", "catch it in the air", "and land in the soft sand.",
     "1: Take it home as a trophy", "2: Keep catching"},
    {"Home at last, sleepy and hungry.", "1: Snuggle up and sleep",
     "2: Roll to the kitchen for ice cream", "3: Call some pals", ""},
    {"You curl up in your basket", "and dream of squirrels.", "Zzz...", "The End.",
     "Not much of an adventure."},
    {"You rush to the fridge!", "Its door is cold and humming.", "1: Open it", "2: Sniff it first",
     ""},
    {"You check your phone.", "No notifications. Not one.", "1: Call anyway", "2: Put it away", ""},
    {"An ice demon bursts out of the fridge!", "It roars a frosty roar.",
     "1: Snuggle it until it melts", "2: Run away", ""},
    {"Nobody answers.", "You chew your bone alone.", "The End.", "Not much of an adventure.", ""},
    {"Victory!", "The demon melts into ice cream.", "You lick the floor clean.",
     "What a glorious adventure!", ""},
};
} // namespace

void Quest::Init()
{
    RequireComponent<SpriteText>();
    Subscribe(MSG_KEYDOWN, &Quest::OnKeyDown);
    IGamestate* state = ActiveState();
    const Transform* transform = owner->Get<Transform>();
    boxes.clear();
    for (int i = 1; state && i <= BoxCount; ++i)
    {
        Entity* box = CreateFromArchetype("", "WordBox");
        if (Transform* placed = box->Get<Transform>(); placed && transform)
            placed->position = transform->position - tvec2(0.0f, static_cast<float>(i));
        if (SpriteText* text = box->Get<SpriteText>())
            text->align = SpriteText::Centre;
        state->AddEntity(box);
        boxes.push_back(box->id);
    }
    SetLine(0, "Would you like to play an Adventure?");
    SetLine(1, "Y for yes, N for no");
}

void Quest::OnKeyDown(const void* payload)
{
    const unsigned key = static_cast<const KeyMessage*>(payload)->scancode;
    xp = key == KeyOne ? 2 : key == KeyTwo ? 3 : 1;
}

void Quest::Update(float)
{
    if (xp < 0 || xp > LastPage)
        return;
    for (int line = 0; line < LineCount; ++line)
        if (const char* text = Pages[xp][line])
            SetLine(line, text);
}

void Quest::SetLine(int line, const char* text) const
{
    Entity* entity = owner;
    if (line > 0)
    {
        const IGamestate* state = ActiveState();
        const std::size_t box = static_cast<std::size_t>(line - 1);
        entity = state && box < boxes.size() ? state->FindEntity(boxes[box]) : nullptr;
    }
    if (SpriteText* sprite = entity ? entity->Get<SpriteText>() : nullptr)
        sprite->text = text;
}
} // namespace Orvex
