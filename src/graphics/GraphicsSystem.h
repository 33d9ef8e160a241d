#pragma once
// Draws one frame of the active game state.
//
//   Present      swap: show what the previous update drew; Ctrl+F5 opens the editor
//                on the level that shows, unless one is open already
//   Clear        to the level settings' Color, or DefaultBackground without one
//   Collect      every visible Sprite, SpriteText, ParticleEmitter builds its quads
//   Sort, Plan   layer, then texture; runs of equal ones (DrawList.h)
//   Draw runs    per run: its meshes at once, then its quads in one draw call
//   Debug        the overlay, when the configuration asks for it (DebugDraw.h)
//
// The frame drawn here is shown at the start of the next update, so anything a
// state draws later in its frame lands on top of it.

#include <vector>

#include "engine/Math.h"
#include "graphics/DrawList.h"
#include "graphics/FrameCounter.h"
#include "graphics/SpriteBatch.h"
#include "object/ISystem.h"

namespace Orvex
{
class IGamestate;
class SceneView;

class GraphicsSystem : public ISystem
{
    ORVEX_SYSTEM(GraphicsSystem)

    // Background of a state without level settings or without their Color.
    static constexpr tvec4 DefaultBackground{0.0f, 0.0f, 0.0f, 1.0f};

    GraphicsSystem();
    // Reads the debug-drawing switch.
    void Init() override;
    // Presents the previous frame and draws this one for the active state.
    void Update(float dt) override;

    // The steps after presenting, for a given state (Update uses the active one).
    void DrawFrame(const IGamestate& state);
    // The draw list of the state for this frame, sorted: every visible drawable
    // with its quads built. aspect: window width / height.
    void Collect(const IGamestate& state, const SceneView& view, float aspect);

    const std::vector<DrawEntry>& DrawList() const { return drawList; }
    // Draw calls of the batched quads in the last frame.
    unsigned DrawCalls() const { return batch.DrawCalls(); }

    bool debugDraw = false; // the overlay is drawn; from the core configuration

private:
    void DrawOneRun(const DrawRun& run, const SceneView& view);

    FrameCounter frameCounter;      // survives frames
    std::vector<DrawEntry> drawList; // rebuilt every frame
    SpriteBatch batch;
    std::vector<unsigned> drawableIds; // component type ids of the drawable kinds, in collection order
};

// The background colour of a state: its level-settings entity's Color, or
// GraphicsSystem::DefaultBackground when it has no such entity or no Color.
tvec4 BackgroundColour(const IGamestate& state);
} // namespace Orvex
