#include "graphics/GraphicsSystem.h"

#include <GL/glew.h>
#include <SDL_scancode.h>

#include "engine/Engine.h"
#include "engine/IGamestate.h"
#include "engine/Window.h"
#include "graphics/Color.h"
#include "graphics/DebugDraw.h"
#include "graphics/GraphicsObject.h"
#include "graphics/ImmediateShapes.h"
#include "graphics/SceneView.h"
#include "graphics/Sprite.h"
#include "graphics/SpriteText.h"
#include "messaging/Input.h"
#include "object/Entity.h"
#include "object/TypeRegistry.h"
#include "physics/Transform.h"

namespace Orvex
{
ORVEX_REGISTER_SYSTEM(GraphicsSystem)

namespace
{
constexpr const char* editorState = "LevelEditor";

// Ctrl+F5 opens the level editor on the level that shows. One editor at a time:
// another on top of it, or of its test run, would edit beside it.
void CheckEditorHotkey()
{
    const bool ctrl = Input::KeyHeld(SDL_SCANCODE_LCTRL) || Input::KeyHeld(SDL_SCANCODE_RCTRL);
    Engine* engine = Engine::Get();
    if (!ctrl || !Input::KeyWentDown(SDL_SCANCODE_F5) || !engine)
        return;
    for (const IGamestate* state : engine->Gamestates())
        if (state->TypeName() == editorState)
            return;
    const IGamestate* top = engine->ActiveGamestate();
    const std::string level = top ? top->CurrentLevel() : std::string();
    if (IGamestate* editor = engine->PushGamestate(std::string(editorState)))
        editor->SetCurrentLevel(level);
}

void ClearTo(const tvec4& colour)
{
    glClearColor(colour.r, colour.g, colour.b, colour.a);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

tvec4 ColourOf(const Entity& entity)
{
    const Color* color = entity.Get<Color>();
    return color ? color->color : tvec4(1.0f);
}

// Neighbours in a run mostly share their view (all on the HUD, or all at one
// parallax), so the last one is kept rather than rebuilt for every object.
class LastView
{
public:
    explicit LastView(const SceneView& view) : view(view) {}
    const tmat3& For(const GraphicsObject& object)
    {
        if (!known || object.onHud != onHud || object.parallax != parallax)
        {
            matrix = view.ViewFor(object);
            onHud = object.onHud;
            parallax = object.parallax;
            known = true;
        }
        return matrix;
    }

private:
    const SceneView& view;
    bool known = false;
    bool onHud = false;
    tvec2 parallax{0.0f};
    tmat3 matrix{1.0f};
};
} // namespace

tvec4 BackgroundColour(const IGamestate& state)
{
    const Entity* settings = state.LevelSettingsEntity();
    const Color* color = settings ? settings->Get<Color>() : nullptr;
    return color ? color->color : GraphicsSystem::DefaultBackground;
}

GraphicsSystem::GraphicsSystem()
    : drawableIds{Sprite::Id(), SpriteText::Id(),
                  TypeRegistry::ListedId("ParticleEmitter", MetaKind::Component)}
{
}

void GraphicsSystem::Init() { debugDraw = DebugDrawOn(); }

void GraphicsSystem::Update(float)
{
    Window::SwapBuffers();
    CheckEditorHotkey();
    Engine* engine = Engine::Get();
    if (IGamestate* state = engine ? engine->ActiveGamestate() : nullptr)
        DrawFrame(*state);
}

void GraphicsSystem::DrawFrame(const IGamestate& state)
{
    const SceneView view(state);
    if (GraphicsReady())
        ClearTo(BackgroundColour(state));
    Collect(state, view, Window::Aspect());
    batch.ResetDrawCalls();
    for (const DrawRun& run : PlanRuns(drawList))
        DrawOneRun(run, view);
    if (debugDraw)
        DrawDebugOverlay(state, view, frameCounter);
}

void GraphicsSystem::Collect(const IGamestate& state, const SceneView& view, float aspect)
{
    drawList.clear();
    for (const auto& entry : state.Entities())
        for (unsigned id : drawableIds)
        {
            // Every id of the list is a GraphicsObject kind.
            auto* object = static_cast<GraphicsObject*>(entry.second->Get(id));
            if (!object || !object->visible)
                continue;
            object->PrepareFrame(view.Cull(), aspect);
            drawList.push_back(DrawEntry{object, object->DrawnMesh()});
        }
    SortDrawList(drawList);
}

void GraphicsSystem::DrawOneRun(const DrawRun& run, const SceneView& view)
{
    LastView lastView(view);
    for (std::size_t i = run.begin; i < run.end; ++i)
    {
        // The sorted list visits objects out of memory order: ask for one ahead.
        if (i + 8 < run.end)
            __builtin_prefetch(&drawList[i + 8].object->streams);
        const DrawEntry& entry = drawList[i];
        const GraphicsObject& object = *entry.object;
        // A culled object has no quad, and its mesh lies within the quad's reach.
        if (object.streams.VertexCount() == 0)
            continue;
        const tmat3& objectView = lastView.For(object);
        if (const Transform* transform = entry.mesh ? object.owner->Get<Transform>() : nullptr)
            DrawFilledMesh(*entry.mesh, objectView * transform->GetModelMatrix(),
                           ColourOf(*object.owner));
        batch.Append(object.streams, objectView);
    }
    // Entries of a run share their texture's name, so they share its record.
    batch.Flush(*drawList[run.begin].object->texture);
}
} // namespace Orvex
