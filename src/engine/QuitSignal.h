#pragma once
// A terminal's Ctrl+C (SIGINT) and the system's SIGTERM end the game without a
// question, the way the quit card's yes does: the frame in progress finishes,
// every state shuts down and the process exits with 0. Closing the window still
// asks. A second signal while that shutdown runs ends the process at once.

namespace Orvex
{
// Installs the handlers; SDL is then told to keep its own away.
void InstallQuitSignals();
bool QuitSignalled();
// Forgets a signal (tests).
void ClearQuitSignal();
} // namespace Orvex
