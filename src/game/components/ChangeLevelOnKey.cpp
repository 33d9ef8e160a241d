#include "game/components/ChangeLevelOnKey.h"

#include "engine/IGamestate.h"
#include "messaging/Message.h"

namespace Orvex
{
ORVEX_REGISTER_COMPONENT(ChangeLevelOnKey)

ORVEX_MEMBERS(ChangeLevelOnKey) {}

namespace
{
constexpr unsigned FirstKey = 30; // the scancode of 1; 2 to 5 follow
constexpr const char* PlayLevels[] = {"Level1Forest", "Level2Bounce", "Level3GhostShip",
                                      "Level4Rocket", "Level4Rocket_end"};
} // namespace

void ChangeLevelOnKey::Init() { Subscribe(MSG_KEYDOWN, &ChangeLevelOnKey::OnKeyDown); }

void ChangeLevelOnKey::OnKeyDown(const void* payload)
{
    const unsigned key = static_cast<const KeyMessage*>(payload)->scancode - FirstKey;
    IGamestate* state = ActiveState();
    if (state && key < sizeof PlayLevels / sizeof PlayLevels[0])
        state->RequestLevel(PlayLevels[key]);
}
} // namespace Orvex
