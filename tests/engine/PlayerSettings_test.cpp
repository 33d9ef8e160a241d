#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "TestEngine.h"
#include "audio/ChannelGroup.h"
#include "audio/SoundManager.h"
#include "engine/PlayerSettings.h"
#include "engine/UserFolders.h"
#include "engine/Window.h"

namespace Orvex::Testing
{
namespace
{
namespace fs = std::filesystem;

std::string Contents(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

float VolumeOf(ChannelGroup* group)
{
    float volume = -1.0f;
    group->GetVolume(&volume);
    return volume;
}

class PlayerSettingsTest : public EngineTest
{
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        folder = fs::temp_directory_path() / ("player-settings-" + std::to_string(getpid()));
        path = (folder / "tumbowuffin" / PlayerSettings::fileName).string();
    }
    void TearDown() override
    {
        PlayerSettings::Close();
        fs::remove_all(folder);
        EngineTest::TearDown();
    }
    fs::path folder;
    std::string path;
};

TEST_F(PlayerSettingsTest, WindowAndVolumesComeBackAtTheNextStartAndTheDefaultsStayAsShipped)
{
    const std::string shipped = Contents("./config/window_config.ini");
    PlayerSettings::Open(path);
    Window::ResizeWindow(1000, 700);
    PlayerSettings::StoreWindow();
    SoundManager::MusicGroup()->SetVolume(0.3f);
    SoundManager::EffectsGroup()->SetVolume(0.8f);
    PlayerSettings::StoreVolumes();

    // The next start: the engine's volumes again, the file read anew.
    PlayerSettings::Close();
    SoundManager::SetMasterVolumes(0.5f);
    PlayerSettings::Open(path);
    const Window::Settings settings = PlayerSettings::OverWindow(Window::DefaultSettings());
    EXPECT_EQ(settings.width, 1000);
    EXPECT_EQ(settings.height, 700);
    EXPECT_FALSE(settings.fullscreen);
    EXPECT_EQ(settings.vsync, Window::DefaultSettings().vsync);
    PlayerSettings::ApplyVolumes();
    EXPECT_FLOAT_EQ(VolumeOf(SoundManager::MusicGroup()), 0.3f);
    EXPECT_FLOAT_EQ(VolumeOf(SoundManager::EffectsGroup()), 0.8f);
    EXPECT_EQ(Contents("./config/window_config.ini"), shipped);
}

TEST_F(PlayerSettingsTest, AMalformedFileGivesTheShippedWindowAndTheEnginesVolumes)
{
    fs::create_directories(fs::path(path).parent_path());
    std::ofstream(path) << "[Window]\nWidth=1600\nHeight\n";
    testing::internal::CaptureStderr();
    PlayerSettings::Open(path);
    const std::string report = testing::internal::GetCapturedStderr();
    EXPECT_NE(report.find(path + ": malformed"), std::string::npos) << report;
    const Window::Settings settings = PlayerSettings::OverWindow(Window::DefaultSettings());
    EXPECT_EQ(settings.width, Window::DefaultSettings().width);
    PlayerSettings::ApplyVolumes();
    EXPECT_FLOAT_EQ(VolumeOf(SoundManager::MusicGroup()), 0.5f);
}

TEST(UserFolders, OffUntilTurnedOnThenTheVariableWhenAbsoluteOtherwiseTheirPlaceUnderHome)
{
    UseUserFolders(false);
    EXPECT_EQ(DataFolder(), "");
    UseUserFolders(true);
    const std::string home = std::getenv("HOME") ? std::getenv("HOME") : "";
    struct Case
    {
        const char* config;
        const char* data;
        std::string configFolder, dataFolder;
    };
    const Case cases[] = {
        {"/x/cfg", "/x/data", "/x/cfg/tumbowuffin", "/x/data/tumbowuffin"},
        {"relative", "", "/h/.config/tumbowuffin", "/h/.local/share/tumbowuffin"},
        {nullptr, nullptr, "/h/.config/tumbowuffin", "/h/.local/share/tumbowuffin"},
    };
    const bool hadConfig = std::getenv("XDG_CONFIG_HOME"), hadData = std::getenv("XDG_DATA_HOME");
    const std::string keptConfig = hadConfig ? std::getenv("XDG_CONFIG_HOME") : "";
    const std::string keptData = hadData ? std::getenv("XDG_DATA_HOME") : "";
    setenv("HOME", "/h", 1);
    for (const Case& c : cases)
    {
        c.config ? setenv("XDG_CONFIG_HOME", c.config, 1) : unsetenv("XDG_CONFIG_HOME");
        c.data ? setenv("XDG_DATA_HOME", c.data, 1) : unsetenv("XDG_DATA_HOME");
        EXPECT_EQ(ConfigFolder(), c.configFolder);
        EXPECT_EQ(DataFolder(), c.dataFolder);
    }
    unsetenv("HOME");
    unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(ConfigFolder(), "");
    setenv("HOME", home.c_str(), 1);
    hadConfig ? setenv("XDG_CONFIG_HOME", keptConfig.c_str(), 1) : unsetenv("XDG_CONFIG_HOME");
    hadData ? setenv("XDG_DATA_HOME", keptData.c_str(), 1) : unsetenv("XDG_DATA_HOME");
    UseUserFolders(false);
}
} // namespace
} // namespace Orvex::Testing
