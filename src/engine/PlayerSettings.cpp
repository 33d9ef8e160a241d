#include "engine/PlayerSettings.h"

#include "audio/ChannelGroup.h"
#include "audio/SoundManager.h"

namespace Orvex
{
namespace PlayerSettings
{
namespace
{
SettingsFile file;

constexpr const char* window = "Window";
constexpr const char* sound = "Sound";
constexpr const char* speedrun = "Speedrun";

struct Volume
{
    const char* key;
    ChannelGroup* (*group)();
};
constexpr Volume volumes[] = {{"Music", SoundManager::MusicGroup},
                              {"Effects", SoundManager::EffectsGroup}};
} // namespace

void Open(const std::string& path) { file = SettingsFile(path, "settings file"); }
void Close() { file = SettingsFile(); }
SettingsFile& File() { return file; }

Window::Settings OverWindow(Window::Settings defaults)
{
    defaults.width = file.Int(window, "Width", defaults.width);
    defaults.height = file.Int(window, "Height", defaults.height);
    defaults.fullscreen = file.Bool(window, "Fullscreen", defaults.fullscreen);
    return defaults;
}

void ApplyVolumes()
{
    for (const Volume& volume : volumes)
        if (ChannelGroup* group = volume.group())
        {
            float level = 0.0f;
            group->GetVolume(&level);
            SoundManager::CheckResult(group->SetVolume(file.Float(sound, volume.key, level, 0, 1)));
        }
}

void StoreWindow()
{
    const Window::Size size = Window::WindowedSize();
    file.SetInt(window, "Width", size.width);
    file.SetInt(window, "Height", size.height);
    file.SetBool(window, "Fullscreen", Window::Fullscreen());
    file.Save();
}

void StoreVolumes()
{
    for (const Volume& volume : volumes)
        if (ChannelGroup* group = volume.group())
        {
            float level = 0.0f;
            group->GetVolume(&level);
            file.SetFloat(sound, volume.key, level);
        }
    file.Save();
}

bool GhostShown() { return file.Bool(speedrun, "Ghost", false); }

void StoreGhostShown(bool shown)
{
    file.SetBool(speedrun, "Ghost", shown);
    file.Save();
}
} // namespace PlayerSettings
} // namespace Orvex
