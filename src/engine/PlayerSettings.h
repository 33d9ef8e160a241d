#pragma once
// The player's settings: window size, fullscreen, the music and effects volumes
// and whatever the game keeps beside them, in "settings.ini" of the config folder
// (UserFolders.h). They lie over the data tree's defaults, which stay as shipped.
//
// Until the process entry opens the file, settings live in memory only, so tests
// and tools never touch the player's own file.

#include <string>

#include "data/SettingsFile.h"
#include "engine/Window.h"

namespace Orvex
{
namespace PlayerSettings
{
constexpr const char* fileName = "settings.ini";

// Reads the file; every Store from then on writes it.
void Open(const std::string& path);
// Back to settings in memory only, all forgotten.
void Close();
SettingsFile& File();

// The player's size and fullscreen over the defaults.
Window::Settings OverWindow(Window::Settings defaults);
// The player's volumes onto the master groups; a volume never set keeps its level.
void ApplyVolumes();

// Each records what the window or the sound is now and saves the file.
// In fullscreen the size kept is the windowed one, to return to.
void StoreWindow();
void StoreVolumes();

// Whether speed runs show the ghost of each level's fastest run (off at first).
bool GhostShown();
void StoreGhostShown(bool shown);
} // namespace PlayerSettings
} // namespace Orvex
