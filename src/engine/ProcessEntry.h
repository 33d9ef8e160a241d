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
class Engine;
class IGamestate;
struct RunOptions;

// What a program does with the start state before the first frame (the game
// attaches recorded runs); the window exists by then.
using StartHook = void (*)(IGamestate& start, const RunOptions& options);
// What a program does after every frame (tools that drive the game).
using FrameHook = void (*)(Engine& engine);

// Exit codes: 0 after a normal end, 1 after an unhandled error, 2 for bad options.
int RunProcess(int argc, char** argv, const std::string& defaultState, StartHook hook = nullptr,
               FrameHook frameHook = nullptr);
} // namespace Orvex
