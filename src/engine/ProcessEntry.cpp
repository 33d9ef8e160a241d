#include "engine/ProcessEntry.h"

#include <cstdio>
#include <exception>
#include <filesystem>
#include <vector>

#include <SDL.h>

#include "engine/DataFolder.h"
#include "engine/Engine.h"
#include "engine/IGamestate.h"
#include "engine/PlayerSettings.h"
#include "engine/QuitSignal.h"
#include "engine/RunOptions.h"
#include "engine/UserFolders.h"
#include "engine/Window.h"
#include "graphics/GraphicsManager.h"
#include "graphics/Screenshot.h"
#include "memory/MemoryManager.h"

namespace Orvex
{
namespace
{
constexpr int ExitError = 1;
constexpr int ExitBadOptions = 2;

void ReportUnhandled(const std::string& text, bool showBox)
{
    std::fprintf(stderr, "Unhandled Exception: %s\n", text.c_str());
    if (!showBox)
        return;
    const SDL_MessageBoxButtonData quit{SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT, 0, "Quit"};
    const SDL_MessageBoxData box{SDL_MESSAGEBOX_INFORMATION, nullptr, "Unhandled Exception",
                                 text.c_str(), 1, &quit, nullptr};
    int pressed = 0;
    SDL_ShowMessageBox(&box, &pressed);
}

// The data tree is found from the executable, wherever it is started from.
void EnterDataFolder()
{
    if (char* base = SDL_GetBasePath())
    {
        std::error_code ignored;
        std::filesystem::current_path(FindDataFolder(base, ORVEX_INSTALLED_DATA), ignored);
        SDL_free(base);
    }
}

void RunFrames(Engine& engine, const RunOptions& options, FrameHook frameHook)
{
    for (long frame = 1; !engine.HasFlag(Engine::QUIT); ++frame)
    {
        engine.RunFrame();
        if (frameHook)
            frameHook(engine);
        if (frame == options.screenshotFrame)
            SaveScreenshot(options.screenshotPath);
        if (frame == options.quitAfterFrames)
            engine.SetFlag(Engine::QUIT);
    }
}

int Run(const RunOptions& options, StartHook hook, FrameHook frameHook)
{
    Pooled<Engine> engine(New<Engine>());
    IGamestate* start = engine->PushGamestate(options.startState);
    if (!start)
        throw "The start game state \"" + options.startState + "\" does not exist.";
    // Without --level a play state keeps its own first level.
    if (!options.startLevel.empty())
        start->SetCurrentLevel(options.startLevel);
    PlayerSettings::ApplyVolumes();
    SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS | SDL_INIT_GAMECONTROLLER);
    Window::InitWindow(PlayerSettings::OverWindow(Window::DefaultSettings()));
    InitGraphics();
    engine->SetFlag(Engine::ACTIVE);
    if (hook)
        hook(*start, options);
    RunFrames(*engine, options, frameHook);
    engine->Shutdown();
    return 0;
}
} // namespace

int RunProcess(int argc, char** argv, const std::string& defaultState, StartHook hook,
               FrameHook frameHook)
{
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    RunOptions options;
    try
    {
        options = ParseRunOptions(arguments, defaultState);
    }
    catch (const std::string& problem)
    {
        std::fprintf(stderr, "%s: %s\n%s", argv[0], problem.c_str(), RunOptionsHelp(argv[0]).c_str());
        return ExitBadOptions;
    }
    if (options.help || options.version)
    {
        std::fputs((options.help ? RunOptionsHelp(argv[0]) : VersionText()).c_str(), stdout);
        return 0;
    }
    InstallQuitSignals();
    EnterDataFolder();
    UseUserFolders(true);
    PlayerSettings::Open(ConfigFolder().empty() ? "" : ConfigFolder() + "/" + PlayerSettings::fileName);
    const bool showBox = options.quitAfterFrames < 0;
    try
    {
        return Run(options, hook, frameHook);
    }
    catch (const std::string& text)
    {
        ReportUnhandled(text, showBox);
    }
    catch (const std::exception& error) // the pools' own errors and the standard library's
    {
        ReportUnhandled(error.what(), showBox);
    }
    catch (...)
    {
        ReportUnhandled("an error of unknown type", showBox);
    }
    return ExitError;
}
} // namespace Orvex
