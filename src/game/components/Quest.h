#pragma once
// A five-line text adventure: the entity's own text and four "WordBox" lines
// below it show page xp. Keys 1 and 2 pick the first choices; any other key
// goes to the opening page. Later pages are shown when a level sets "xp".

#include <cstdint>
#include <vector>

#include "object/IComponent.h"

namespace Orvex
{
class Quest : public IComponent
{
    ORVEX_COMPONENT(Quest)

    static constexpr int LastPage = 12;
    static constexpr int BoxCount = 4;

    // Needs a SpriteText; adds the four lines to the active state, one unit
    // apart below the entity, and asks the question. Listens for MSG_KEYDOWN.
    void Init() override;
    // Shows page xp; a page beyond the last leaves the lines as they are.
    void Update(float dt) override;

    int xp = 0; // "xp": the page shown

    std::vector<std::uint32_t> boxes; // the lines' entity ids, top to bottom

private:
    void OnKeyDown(const void* payload);
    // Sets line i (0: the entity's own text) when it still exists.
    void SetLine(int line, const char* text) const;
};
} // namespace Orvex
