#include "game/states/TestGS.h"

#include <cstdio>

#include "game/components/TumboController.h"
#include "messaging/Input.h"
#include "object/Entity.h"
#include "physics/Transform.h"

namespace Orvex
{
ORVEX_REGISTER_GAMESTATE(TestGS)

namespace
{
constexpr unsigned KeyR = 21;
} // namespace

TestGS::TestGS() : IGamestate(false, true) { currentLevel = firstLevel; }

void TestGS::Init() { requestedLevel = currentLevel; }

void TestGS::Update(float dt)
{
    player = FindPlayer();
    UpdateComponents(dt);
    FollowPlayer();
    CountEntities(dt);
    if (Input::KeyWentDown(KeyR))
        requestedLevel = currentLevel;
}

// The lowest id wins, so the choice does not depend on the table's order.
Entity* TestGS::FindPlayer() const
{
    Entity* found = nullptr;
    for (const auto& [id, entity] : Entities())
        if (entity->Get<TumboController>() && (!found || id < found->id))
            found = entity;
    return found;
}

void TestGS::FollowPlayer()
{
    Entity* settings = LevelSettingsEntity();
    const Transform* from = player ? player->Get<Transform>() : nullptr;
    Transform* to = settings ? settings->Get<Transform>() : nullptr;
    if (from && to)
        to->position = from->position;
}

void TestGS::CountEntities(float dt)
{
    countTimer += dt;
    if (countTimer < 1.0f)
        return;
    std::printf("Components num: %zu\n", Entities().size());
    std::fflush(stdout);
    countTimer = 0.0f;
}
} // namespace Orvex
