#pragma once
// The speed run's ghost: the dog of the level's fastest run, drawn translucent
// where it was after as many steps as the level has run now, and the poses of
// the dog at play taken step by step, to become the next ghost.

#include <string>

#include "data/GhostFile.h"

namespace Orvex
{
class Entity;

class RunGhost
{
public:
    static constexpr float alpha = 0.4f;

    // A new level: nothing taken yet; the ghost shown is the one in the file,
    // when showing it is asked and the file reads (a broken one is logged).
    void Start(const std::string& level, bool show, const std::string& ghostPath);
    // The dog's pose after this step (the entity's Transform and Sprite).
    void Take(const Entity& dog);
    // Draws the ghost's pose for the step now playing (the poses taken so far)
    // through the active state's camera; past the ghost's end nothing shows.
    void Draw(bool drawn);

    const GhostTrack& Taken() const { return taken; }
    // The pose the last Draw showed, or null.
    const GhostPose* Shown() const { return shown; }

private:
    GhostTrack taken;
    GhostTrack ghost;
    const GhostPose* shown = nullptr;
};
} // namespace Orvex
