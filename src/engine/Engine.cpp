#include "engine/Engine.h"

#include <chrono>
#include <cstring>
#include <thread>

#include <SDL.h>
#include <SDL_image.h>
#include <SDL_ttf.h>

#include "audio/SoundManager.h"
#include "engine/AssetPaths.h"
#include "engine/IGamestate.h"
#include "engine/Log.h"
#include "engine/QuitSignal.h"
#include "engine/Window.h"
#include "graphics/Fonts.h"
#include "graphics/GraphicsManager.h"
#include "graphics/Mesh.h"
#include "graphics/Textures.h"
#include "memory/MemoryManager.h"
#include "memory/StackAllocator.h"
#include "messaging/EventTranslation.h"
#include "messaging/Gamepads.h"
#include "messaging/Input.h"
#include "messaging/MessageSystem.h"
#include "object/TypeRegistry.h"

namespace Orvex
{
Engine* Engine::instance = nullptr;

namespace
{
std::int64_t Now()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

double SecondsSince(std::int64_t start) { return static_cast<double>(Now() - start) / 1e9; }

void ShowErrorBox(const std::string& title, const std::string& text)
{
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, title.c_str(), text.c_str(), nullptr);
}
} // namespace

Engine::Engine()
{
    if (instance)
        throw std::string("Tried to create multiple Engines.");
    coreConfig = Deserializer("./config/core_config.ini", Deserializer::SectionFile);
    instance = this;
    SetAssetConfig(&coreConfig);
    StackAllocator::SetErrorReport(ShowErrorBox);
    try
    {
        StartLibraries();
    }
    catch (...)
    {
        // No destructor runs for a half-made engine: nothing may keep pointing at it.
        ReleaseProcessHooks();
        throw;
    }
}

void Engine::StartLibraries()
{
    const int imageFlags = IMG_INIT_JPG | IMG_INIT_PNG;
    if (IMG_Init(imageFlags) != imageFlags)
        throw std::string("Failed to load image support for all requested types.");
    TTF_Init();
    GetMesh("Square");
    SoundManager::Init();
    SoundManager::SetMasterVolumes(0.5f);
}

void Engine::ReleaseProcessHooks()
{
    StackAllocator::SetErrorReport(nullptr);
    SetAssetConfig(nullptr);
    instance = nullptr;
}

Engine::~Engine()
{
    // Left when an error ended the run before Shutdown.
    DestroyPendingPushes();
    DestroyStates();
    SoundManager::Shutdown();
    ShutdownMeshes();
    // A run without a window still caches images and fonts; the fonts must close
    // before their library does, or the next engine of the process finds them dead.
    ShutdownTextures();
    ShutdownFonts();
    TTF_Quit();
    IMG_Quit();
    ReleaseProcessHooks();
}

void Engine::Run()
{
    while (!HasFlag(QUIT))
        RunFrame();
}

void Engine::RunFrame()
{
    BeginFrame();
    // Sound holds while the window is inactive, as updates do.
    SoundManager::PauseMasterGroups(!HasFlag(ACTIVE));
    if (HasFlag(ACTIVE))
        UpdateActive(static_cast<float>(dt));
    SoundManager::Update();
    EndFrame();
}

void Engine::RunFixedFrame(float step)
{
    BeginFrame();
    UpdateActive(step);
    SoundManager::Update();
    DeliverAndPop();
}

void Engine::BeginFrame()
{
    frameStart = Now();
    FrameStack().Clear();
    if (HasFlag(PUSH_PENDING))
        ApplyPushes();
    if (IGamestate* state = ActiveGamestate())
        state->Housekeeping();
    Input::Roll();
    PollEvents();
}

void Engine::UpdateActive(float step)
{
    IGamestate* state = ActiveGamestate();
    if (!state)
        return;
    state->FeedInput();
    // Systems may add systems (the editor does); walk by index.
    for (std::size_t i = 0; i < state->Systems().size(); ++i)
        state->Systems()[i]->Update(step);
    state->Update(step);
    const bool ctrl = Input::KeyHeld(SDL_SCANCODE_LCTRL) || Input::KeyHeld(SDL_SCANCODE_RCTRL);
    if (ctrl && Input::KeyWentDown(SDL_SCANCODE_F2))
        PopGamestates(1);
}

void Engine::EndFrame()
{
    DeliverAndPop();
    PaceFrame();
}

void Engine::DeliverAndPop()
{
    if (IGamestate* state = ActiveGamestate())
        if (MessageSystem* messages = state->Messages())
            messages->DeliverAll();
    if (HasFlag(POP_PENDING))
        ApplyPops();
    if (QuitSignalled())
        SetFlag(QUIT);
}

void Engine::ApplyPushes()
{
    if (IGamestate* covered = ActiveGamestate())
        covered->PauseSounds(true);
    while (!pendingPushes.empty())
    {
        IGamestate* state = pendingPushes.front();
        gamestates.push_back(state);
        pendingPushes.pop_front();
        state->Init();
    }
    // Cleared last: a push requested by an Init above is already applied, and a
    // flag left over would pause the new top next frame with nothing above it.
    ClearFlag(PUSH_PENDING);
}

void Engine::ApplyPops()
{
    ClearFlag(POP_PENDING);
    for (unsigned i = 0; i < popCount; ++i)
    {
        if (gamestates.empty())
            break;
        DestroyState(gamestates.back());
        gamestates.pop_back();
    }
    IGamestate* top = ActiveGamestate();
    if (!top)
    {
        SetFlag(QUIT);
        return;
    }
    top->Resume();
    top->ApplyCursor();
    top->PauseSounds(false);
}

void Engine::DestroyState(IGamestate* state)
{
    // The state stays on the stack while it is destroyed, so that its components'
    // unsubscriptions reach its own message system.
    state->Shutdown();
    Delete(state);
}

void Engine::PaceFrame()
{
    if (frameLimiter)
    {
        const std::int64_t elapsedMs = (Now() - frameStart) / 1000000;
        const auto targetMs = static_cast<std::int64_t>(maxDt * 1000.0);
        if (targetMs - elapsedMs > 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(targetMs - elapsedMs));
        while (maxDt > SecondsSince(frameStart))
        {
        }
        dt = maxDt;
        return;
    }
    dt = SecondsSince(frameStart);
    if (dt > maxDt)
        dt = maxDt;
}

void Engine::DestroyPendingPushes()
{
    for (IGamestate* state : pendingPushes)
        Delete(state);
    pendingPushes.clear();
}

void Engine::DestroyStates()
{
    while (!gamestates.empty())
    {
        DestroyState(gamestates.back());
        gamestates.pop_back();
    }
}

void Engine::Shutdown()
{
    DestroyPendingPushes();
    DestroyStates();
    // GL objects go while their context still exists.
    if (Window::Exists())
        ShutdownGraphics();
    Window::DestroyWindow();
    Gamepads::CloseAll();
    SDL_Quit();
}

std::string Engine::GetPath(const std::string& section) const
{
    return coreConfig.GetChild(section).GetString("PATH");
}

std::string Engine::GetExtension(const std::string& section) const
{
    return coreConfig.GetChild(section).GetString("EXT");
}

IGamestate& Engine::GetActiveGamestate() { return *gamestates.back(); }

IGamestate* Engine::ActiveGamestate() { return gamestates.empty() ? nullptr : gamestates.back(); }

void Engine::PushGamestate(IGamestate* state)
{
    pendingPushes.push_back(state);
    SetFlag(PUSH_PENDING);
}

IGamestate* Engine::PushGamestate(const std::string& name)
{
    IGamestate* state = TypeRegistry::CreateGamestate(name);
    if (!state)
    {
        Log("Refused to push game state \"" + name + "\": no game state of that name exists.");
        return nullptr;
    }
    state->SetTypeName(name);
    PushGamestate(state);
    return state;
}

void Engine::PopGamestates(unsigned count)
{
    popCount = count;
    SetFlag(POP_PENDING);
}

void Engine::SendMessage(std::uint32_t type, const void* payload)
{
    Message message;
    message.type = type;
    if (payload)
        std::memcpy(message.payload, payload, MessagePayloadSize);
    switch (type)
    {
    case ENGINE_QUIT:
        SetFlag(QUIT);
        return;
    case ENGINE_DEACTIVATE:
        OnDeactivate();
        return;
    case ENGINE_ACTIVATE:
        OnActivate();
        return;
    case ENGINE_RESIZE:
        Window::ResizeWindow(message.As<SizeMessage>().x, message.As<SizeMessage>().y);
        return;
    default:
        break;
    }
    IGamestate* state = ActiveGamestate();
    if (!state)
        return;
    if (MessageSystem* messages = state->Messages())
        messages->Post(message);
    if (type == MSG_END_LEVEL)
        state->OnLevelEnd();
}

void Engine::Subscribe(IMessage* listener, std::uint32_t type, MessageHandler handler)
{
    if (IGamestate* state = ActiveGamestate())
        if (MessageSystem* messages = state->Messages())
            messages->Subscribe(listener, type, handler);
}

void Engine::UnsubscribeAll(IMessage* listener)
{
    if (IGamestate* state = ActiveGamestate())
        if (MessageSystem* messages = state->Messages())
            messages->UnsubscribeAll(listener);
}

void Engine::SetFrameLimiter(bool on)
{
    frameLimiter = on;
    Window::SetSwapInterval(on);
}

void Engine::OnDeactivate()
{
    // Minimising sends two deactivations; only the first one sees the real setting.
    if (HasFlag(ACTIVE))
        savedFrameLimiter = frameLimiter;
    SetFrameLimiter(true);
    ClearFlag(ACTIVE);
}

void Engine::OnActivate()
{
    // The window's first "shown" event arrives while it is already active: that
    // is no return from a deactivation and must not switch the limiter off.
    if (!HasFlag(ACTIVE) && !savedFrameLimiter)
        SetFrameLimiter(false);
    SetFlag(ACTIVE);
}
} // namespace Orvex
