#pragma once
// The process entry shared by the game and the engine's own test programs: makes
// the engine, queues the start state, opens the window, runs the loop and shuts
// everything down.
//
// An error that reaches this point is shown in an "Unhandled Exception" box with
// a "Quit" button (not in automated runs) and written to standard error; the
// process then ends with a non-zero code, without cleaning up.

#include <string>

namespace Orvex
{
// Exit codes: 0 after a normal end, 1 after an unhandled error, 2 for bad options.
int RunProcess(int argc, char** argv, const std::string& defaultState);
} // namespace Orvex
