#pragma once
// The editor's windows drawn in ImGui frames without a window or a renderer:
// keys held as the platform back end holds them, items pressed by their ids.

#include "EditorHarness.h"

#include <SDL_scancode.h>
#include <cctype>
#include <cstdlib>
#include <imgui.h>
#include <imgui_internal.h>
#include <initializer_list>

namespace Orvex
{
class WindowTest : public EditorTest
{
public:
    void SetUp() override
    {
        EditorTest::SetUp();
        ImGui::CreateContext();
        ImGuiIO& io = ImGui::GetIO();
        io.IniFilename = nullptr;
        io.DisplaySize = ImVec2(1280.0f, 720.0f);
        io.KeyMap[ImGuiKey_Escape] = SDL_SCANCODE_ESCAPE;
        io.KeyMap[ImGuiKey_Enter] = SDL_SCANCODE_RETURN;
        unsigned char* pixels = nullptr;
        int width = 0, height = 0;
        io.Fonts->GetTexDataAsRGBA32(&pixels, &width, &height);
    }
    void TearDown() override
    {
        ImGui::DestroyContext();
        EditorTest::TearDown();
    }

    // One frame of the window draw makes; press, when given, is the path to an
    // item of the window named windowName (ID scopes, then its label), pressed
    // in the next frame.
    template <class DrawWindow>
    void DrawFrame(DrawWindow draw, const char* windowName = nullptr,
                   std::initializer_list<const char*> press = {})
    {
        ImGui::GetIO().DeltaTime = 1.0f / 60.0f;
        ImGui::NewFrame();
        draw(*editor);
        if (press.size() != 0)
            ImGui::ActivateItem(IdOf(windowName, press));
        ImGui::Render();
    }

    // A key down or up both for the editor's own keys and for ImGui's.
    void SetKey(unsigned scancode, bool down)
    {
        down ? Hold(scancode) : Let(scancode);
        ImGui::GetIO().KeysDown[scancode] = down;
    }

    static bool AnyPopupOpen()
    {
        return ImGui::IsPopupOpen("", ImGuiPopupFlags_AnyPopupId | ImGuiPopupFlags_AnyPopupLevel);
    }

private:
    // Scopes written as digits are numeric ones.
    static ImGuiID IdOf(const char* windowName, std::initializer_list<const char*> path)
    {
        ImGui::Begin(windowName);
        const char* const* label = path.end() - 1;
        for (const char* const* scope = path.begin(); scope != label; ++scope)
            if (std::isdigit(static_cast<unsigned char>(**scope)))
                ImGui::PushID(std::atoi(*scope));
            else
                ImGui::PushID(*scope);
        const ImGuiID id = ImGui::GetID(*label);
        for (const char* const* scope = path.begin(); scope != label; ++scope)
            ImGui::PopID();
        ImGui::End();
        return id;
    }
};
} // namespace Orvex
