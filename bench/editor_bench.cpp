// The level editor's own work in a frame on the 3,000-sprite level, CPU side
// only (no window): the editor's update (its camera, the scene mouse and keys)
// and its windows laid out in an ImGui frame, the entity list with every
// entity, and the Entity Editor on a chosen sprite. Drawing the scene is the
// graphics scenes' business. Run from the folder of the data tree (build/bin).
#include "editor/LevelEditor.h"
#include "engine/Engine.h"
#include "engine/Window.h"
#include "memory/MemoryManager.h"

#include <benchmark/benchmark.h>
#include <imgui.h>

namespace Orvex
{
namespace
{
void EditorFrame(benchmark::State& state)
{
    Engine engine;
    engine.ClearFlag(Engine::ACTIVE);
    Window::ResizeWindow(1280, 720);
    engine.PushGamestate(std::string("LevelEditor"));
    engine.RunFrame();
    engine.SetFrameLimiter(false);
    auto& editor = dynamic_cast<LevelEditor&>(engine.GetActiveGamestate());
    if (!editor.LoadLevelNow("bench_sprites"))
    {
        state.SkipWithError(editor.Problem().c_str());
        return;
    }
    editor.Select(editor.FindEntity("Sprite1500"));
    editor.entityEditorOpen = true;

    ImGui::CreateContext();
    ImGuiIO& io = ImGui::GetIO();
    io.IniFilename = nullptr;
    io.DisplaySize = ImVec2(1280.0f, 720.0f);
    unsigned char* pixels = nullptr;
    int width = 0, height = 0;
    io.Fonts->GetTexDataAsRGBA32(&pixels, &width, &height);
    for (auto _ : state)
    {
        editor.Update(1.0f / 60.0f);
        io.DeltaTime = 1.0f / 60.0f;
        ImGui::NewFrame();
        editor.LayOutWindows();
        ImGui::Render();
        benchmark::DoNotOptimize(ImGui::GetDrawData()->TotalVtxCount);
    }
    state.counters["entities"] = static_cast<double>(editor.Entities().size());
    ImGui::DestroyContext();
}
BENCHMARK(EditorFrame)->Unit(benchmark::kMillisecond);
} // namespace
} // namespace Orvex
