#pragma once
// The play state: a chain of levels from "Level1Forest" on, a level clock drawn
// over the scene, Escape (or a gamepad's Start) for the pause screen, and the timed hand-over to the
// level the ended one names.
//
// The clock is a private entity, outside the entity table, so a level load never
// removes it and the level's own components never see it.

#include <string>

#include "engine/IGamestate.h"
#include "game/runs/RunTape.h"
#include "memory/MemoryManager.h"
#include "object/Entity.h"
#include "object/Reflection.h"

namespace Orvex
{
class Gameplay : public IGamestate
{
    ORVEX_GAMESTATE(Gameplay)

    Gameplay();
    void Init() override;
    void Update(float dt) override;
    void Shutdown() override;
    void OnLevelLoad() override;
    void OnLevelEnd() override;
    void FeedInput() override;

    static constexpr const char* firstLevel = "Level1Forest";
    static constexpr const char* clockArchetype = "Speedrun/Timer";

    // Every Pickup of the level adds its worth while this state is on top.
    void AddAvailablePoints(int points) { availablePoints += points; }
    int AvailablePoints() const { return availablePoints; }
    bool LevelRunning() const { return levelRunning; }
    float LevelTime() const { return levelTime; }
    const Entity* LevelClock() const { return levelClock.get(); }
    // A recorded run played or recorded at each step of its level. A load of that
    // level seeds the random source with the run's seed and starts the run
    // again; a load of any other level stops it.
    RunTape& Tape() { return tape; }

protected:
    // The clock's components updated and its text drawn on top of the frame.
    void ShowClock(Entity& clock, float dt) const;
    // Whether the state draws (it has a graphics system).
    bool Drawn() const;

    bool levelRunning = false;
    float endTimer = 0.0f;   // seconds since the level ended
    Pooled<Entity> levelClock; // not in the entity table
    float levelTime = 0.0f;  // seconds since the level loaded, while running
    int shownSecond = -1;    // whole seconds last written to the clock
    int availablePoints = 0; // worth of the level's pickups
    RunTape tape;

private:
    // After the ended level's EndTimer: the next level, or back to the state below.
    void HandOver(float dt);
    void TickLevelClock(float dt);
    bool ClockShown() const;
};

// Sets the text of a clock entity's SpriteText, when it has one.
void SetClockText(Entity& clock, const std::string& text);
} // namespace Orvex
