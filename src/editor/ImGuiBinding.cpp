#include "editor/ImGuiBinding.h"

#include "engine/AssetPaths.h"
#include "engine/Engine.h"
#include "engine/Window.h"
#include "graphics/SpriteBatch.h"
#include "messaging/EventTranslation.h"

#include <GL/glew.h>
#include <SDL.h>
#include <backends/imgui_impl_opengl2.h>
#include <backends/imgui_impl_sdl.h>
#include <cfloat>
#include <filesystem>
#include <imgui.h>
#include <imgui_internal.h>

namespace Orvex
{
namespace
{
constexpr const char* fontName = "DejaVuSans";
constexpr float fontPixels = 14.0f;

const IGamestate* eventOwner = nullptr;

void ForwardEvent(const SDL_Event& event)
{
    Engine* engine = Engine::Get();
    if (eventOwner && engine && engine->ActiveGamestate() == eventOwner)
        ImGui_ImplSDL2_ProcessEvent(&event);
}

void LoadFont()
{
    ImGuiIO& io = ImGui::GetIO();
    const std::string path = AssetPath("Fonts", fontName);
    std::error_code missing;
    // ImGui stops on a font it cannot read; without ours it keeps its own.
    if (std::filesystem::is_regular_file(path, missing))
        io.Fonts->AddFontFromFileTTF(path.c_str(), fontPixels);
}

void Style()
{
    ImGui::StyleColorsDark();
    ImGuiStyle& style = ImGui::GetStyle();
    style.WindowRounding = 0.0f;
    style.FrameRounding = 3.0f;
    style.GrabRounding = 3.0f;
    style.ItemSpacing = ImVec2(6.0f, 5.0f);
    style.WindowPadding = ImVec2(6.0f, 6.0f);
    style.ScrollbarSize = 10.0f;
}

// The fixed-function back end draws with client-side arrays and no program; the
// engine's renderer leaves its own bindings to whoever draws next.
class SavedBindings
{
public:
    SavedBindings()
    {
        glGetIntegerv(GL_CURRENT_PROGRAM, &program);
        glGetIntegerv(GL_VERTEX_ARRAY_BINDING, &vertexArray);
        glGetIntegerv(GL_ARRAY_BUFFER_BINDING, &arrayBuffer);
        glGetIntegerv(GL_ELEMENT_ARRAY_BUFFER_BINDING, &elementBuffer);
        glGetIntegerv(GL_ACTIVE_TEXTURE, &activeTexture);
        glUseProgram(0);
        glBindVertexArray(0);
        glBindBuffer(GL_ARRAY_BUFFER, 0);
        glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, 0);
        glActiveTexture(GL_TEXTURE0);
    }
    ~SavedBindings()
    {
        glActiveTexture(static_cast<GLenum>(activeTexture));
        glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, static_cast<GLuint>(elementBuffer));
        glBindBuffer(GL_ARRAY_BUFFER, static_cast<GLuint>(arrayBuffer));
        glBindVertexArray(static_cast<GLuint>(vertexArray));
        glUseProgram(static_cast<GLuint>(program));
    }
    SavedBindings(const SavedBindings&) = delete;
    SavedBindings& operator=(const SavedBindings&) = delete;

private:
    GLint program = 0;
    GLint vertexArray = 0;
    GLint arrayBuffer = 0;
    GLint elementBuffer = 0;
    GLint activeTexture = GL_TEXTURE0;
};
} // namespace

ImGuiBinding::ImGuiBinding(const IGamestate& owner)
{
    if (!Window::Exists() || !GraphicsReady())
        return;
    IMGUI_CHECKVERSION();
    ImGui::CreateContext();
    ImGui::GetIO().IniFilename = nullptr; // window places are not remembered
    Style();
    LoadFont();
    ImGui_ImplSDL2_InitForOpenGL(Window::Handle(), SDL_GL_GetCurrentContext());
    ImGui_ImplOpenGL2_Init();
    eventOwner = &owner;
    SetEventHook(ForwardEvent);
    running = true;
}

ImGuiBinding::~ImGuiBinding()
{
    if (!running)
        return;
    SetEventHook(nullptr);
    eventOwner = nullptr;
    ImGui_ImplOpenGL2_Shutdown();
    ImGui_ImplSDL2_Shutdown();
    ImGui::DestroyContext();
}

void ImGuiBinding::NewFrame()
{
    ImGui_ImplOpenGL2_NewFrame();
    ImGui_ImplSDL2_NewFrame();
    // The mouse where the window's own events put it, as the scene sees it, and
    // only while the window has the mouse. The back end asks the desktop instead,
    // whose answer can lag behind the events (a display without raw motion
    // events keeps it where the last click was).
    int x = 0, y = 0;
    SDL_GetMouseState(&x, &y);
    ImGui::GetIO().MousePos = SDL_GetMouseFocus() == Window::Handle()
                                  ? ImVec2(static_cast<float>(x), static_cast<float>(y))
                                  : ImVec2(-FLT_MAX, -FLT_MAX);
    ImGui::NewFrame();
}

void ImGuiBinding::Render()
{
    windows.clear();
    for (const ImGuiWindow* window : ImGui::GetCurrentContext()->Windows)
        if (window->Active && !window->Hidden && !window->IsFallbackWindow &&
            !(window->Flags & ImGuiWindowFlags_Tooltip))
            windows.push_back({window->Pos.x, window->Pos.y, window->Pos.x + window->Size.x,
                               window->Pos.y + window->Size.y});
    widgetHeld = ImGui::IsAnyItemActive();
    ImGui::Render();
    const SavedBindings saved;
    ImGui_ImplOpenGL2_RenderDrawData(ImGui::GetDrawData());
}

bool ImGuiBinding::Holds(int x, int y) const
{
    const float px = static_cast<float>(x);
    const float py = static_cast<float>(y);
    for (const Area& area : windows)
        if (px >= area.x0 && px < area.x1 && py >= area.y0 && py < area.y1)
            return true;
    return widgetHeld;
}

void ImGuiBinding::ForgetInput()
{
    if (!running)
        return;
    ImGuiIO& io = ImGui::GetIO();
    for (bool& key : io.KeysDown)
        key = false;
    for (bool& button : io.MouseDown)
        button = false;
    io.KeyCtrl = io.KeyShift = io.KeyAlt = io.KeySuper = false;
}
} // namespace Orvex
