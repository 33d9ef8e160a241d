#pragma once
// A level sandbox without systems: nothing moves or draws by itself. Keys switch
// between two cameras, reload or change the level, and keep a save slot.

#include "engine/IGamestate.h"
#include "object/Reflection.h"

namespace Orvex
{
class Segment1GS : public IGamestate
{
    ORVEX_GAMESTATE(Segment1GS)

    Segment1GS();
    void Init() override;
    void Update(float dt) override;
    void Shutdown() override {}

    static constexpr const char* firstLevel = "segment1";
    static constexpr const char* saveSlot = "__savestate";

private:
    void ToggleCamera();
    void SaveSlot();
};
} // namespace Orvex
