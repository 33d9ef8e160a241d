#include "game/components/ScoreTracker.h"

#include "engine/Engine.h"
#include "game/states/Gameplay.h"
#include "graphics/SpriteText.h"
#include "messaging/Message.h"
#include "object/Entity.h"

namespace Orvex
{
ORVEX_REGISTER_COMPONENT(ScoreTracker)

ORVEX_MEMBERS(ScoreTracker) {}

namespace
{
Gameplay* ActivePlay() { return dynamic_cast<Gameplay*>(Engine::Get()->ActiveGamestate()); }
} // namespace

void ScoreTracker::Init()
{
    RequireComponent<SpriteText>();
    Subscribe(MSG_ADD_SCORE, &ScoreTracker::OnAddScore);
    play = ActivePlay();
}

void ScoreTracker::OnAddScore(const void* payload)
{
    score += static_cast<const ScoreMessage*>(payload)->amount;
}

void ScoreTracker::Update(float)
{
    SpriteText* text = owner->Get<SpriteText>();
    if (!text)
        return;
    if (!play)
    {
        text->text = "Couldnt find gamestate";
        play = ActivePlay();
        return;
    }
    text->text = "Score: " + std::to_string(score) + " / " + std::to_string(play->AvailablePoints());
}
} // namespace Orvex
