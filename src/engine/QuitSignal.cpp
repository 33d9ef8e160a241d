#include "engine/QuitSignal.h"

#include <csignal>

#include <SDL_hints.h>

namespace Orvex
{
namespace
{
volatile std::sig_atomic_t signalled = 0;

void OnQuitSignal(int) { signalled = 1; }
} // namespace

void InstallQuitSignals()
{
    struct sigaction action = {};
    action.sa_handler = OnQuitSignal;
    sigemptyset(&action.sa_mask);
    // Once only: should the shutdown hang, the next signal ends the process.
    action.sa_flags = SA_RESETHAND;
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
    // SDL would turn both into a window close, which asks first.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
}

bool QuitSignalled() { return signalled != 0; }

void ClearQuitSignal() { signalled = 0; }
} // namespace Orvex
