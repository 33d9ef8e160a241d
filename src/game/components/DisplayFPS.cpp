#include "game/components/DisplayFPS.h"

#include <chrono>
#include <string>

#include "graphics/SpriteText.h"
#include "object/Entity.h"

namespace Orvex
{
ORVEX_REGISTER_COMPONENT(DisplayFPS)

ORVEX_MEMBERS(DisplayFPS) {}

namespace
{
constexpr std::int64_t OneSecond = 1000000000; // nanoseconds
}

void DisplayFPS::Init()
{
    RequireComponent<SpriteText>();
}

void DisplayFPS::Update(float)
{
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    Tick(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count());
}

void DisplayFPS::Tick(std::int64_t now)
{
    ++frames;
    stamps.push_back(now);
    while (stamps.back() - stamps.front() > OneSecond)
        stamps.pop_front();
    if (SpriteText* text = owner->Get<SpriteText>())
        text->text = "FPS: " + std::to_string(stamps.size());
}
} // namespace Orvex
