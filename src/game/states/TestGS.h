#pragma once
// A test-level sandbox without systems: the level-settings entity follows the
// player, R reloads the level, and once a second the entity count is printed.

#include "engine/IGamestate.h"
#include "object/Reflection.h"

namespace Orvex
{
class Entity;

class TestGS : public IGamestate
{
    ORVEX_GAMESTATE(TestGS)

    TestGS();
    void Init() override;
    void Update(float dt) override;
    void Shutdown() override {}

    static constexpr const char* firstLevel = "testlv";

    Entity* player = nullptr; // the first entity with a TumboController

private:
    Entity* FindPlayer() const;
    void FollowPlayer();
    void CountEntities(float dt);

    float countTimer = 0.0f; // seconds since the last count
};
} // namespace Orvex
