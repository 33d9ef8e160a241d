#include "game/components/RoboWuffin.h"

#include <cstdio>

#include "engine/Random.h"
#include "game/components/TumboController.h"
#include "messaging/Input.h"
#include "messaging/Message.h"
#include "object/Entity.h"
#include "physics/RigidBody.h"
#include "physics/Transform.h"

namespace Orvex
{
ORVEX_REGISTER_COMPONENT(RoboWuffin)

ORVEX_MEMBERS(RoboWuffin) {}

namespace
{
constexpr unsigned KeyT = 23;
// The keys of each direction, in both key layouts: arrow first, then letter.
constexpr unsigned MoveKeys[2][2] = {{80, 4}, {79, 7}};

void Say(const char* line)
{
    std::printf("%s\n", line);
    std::fflush(stdout);
}

// A duration: base + u x spread (long) or u x shortSpread, with a fresh u.
float Duration(bool isLong, float base, float spread, float shortSpread)
{
    const float u = Random::Unit();
    return isLong ? base + u * spread : u * shortSpread;
}
} // namespace

void RoboWuffin::Init()
{
    RequireComponent<Transform>();
    RequireComponent<RigidBody>();
    RequireComponent<TumboController>();
    Subscribe(MSG_KEYDOWN, &RoboWuffin::OnKeyDown);
}

void RoboWuffin::OnKeyDown(const void* payload)
{
    if (static_cast<const KeyMessage*>(payload)->scancode != KeyT)
        return;
    Say("R0B0WUFFIN TAKEOVER INITIALIZING. . .");
    Say("STANDBY FOR R0B0W00f INFORMATION FEED. . .");
    active = !active;
}

void RoboWuffin::Update(float dt)
{
    if (!active)
        return;
    if (!busy)
    {
        StartMove();
        return;
    }
    timeLeft -= dt;
    if (timeLeft < 0.0f)
        EndMove();
}

void RoboWuffin::StartMove()
{
    const float r = Random::Unit() * 3.0f;
    const bool isLong = Random::Unit() * 2.0f < 1.5f;
    busy = true;
    if (r > 2.3f)
    {
        freezing = true;
        timeLeft = Duration(isLong, 0.5f, 0.1f, 0.3f);
        Say("FREEZING");
        return;
    }
    direction = r >= 1.0f ? Right : Left;
    timeLeft = direction == Right ? Duration(isLong, 0.5f, 0.5f, 0.5f) : Duration(isLong, 0.3f, 0.4f, 0.3f);
    for (const unsigned key : MoveKeys[direction])
        Input::KeyDown(key);
    Say(direction == Right ? "GOING RIGHT" : "GOING LEFT");
}

void RoboWuffin::EndMove()
{
    timeLeft = 0.0f;
    busy = false;
    if (freezing)
    {
        freezing = false;
        Say("UNFREEZE");
        return;
    }
    for (const unsigned key : MoveKeys[direction])
        Input::KeyUp(key);
    Say(direction == Right ? "STOP RIGHT" : "STOP LEFT");
}
} // namespace Orvex
