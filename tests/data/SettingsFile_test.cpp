#include "data/SettingsFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <unistd.h>

namespace Orvex
{
namespace
{
namespace fs = std::filesystem;

// What act logged, without the time stamps.
std::string Logged(const std::function<void()>& act)
{
    testing::internal::CaptureStderr();
    act();
    std::istringstream lines(testing::internal::GetCapturedStderr());
    std::string text;
    for (std::string line; std::getline(lines, line);)
        text += line.substr(line.find("] ") + 2) + "\n";
    return text;
}

class SettingsFileTest : public ::testing::Test
{
protected:
    void SetUp() override { fs::remove_all(folder); }
    void TearDown() override { fs::remove_all(folder); }
    void Write(const std::string& text) const
    {
        fs::create_directories(fs::path(path).parent_path());
        std::ofstream(path, std::ios::binary) << text;
    }
    std::string Read() const
    {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    const fs::path folder = fs::temp_directory_path() / ("settings-" + std::to_string(getpid()));
    const std::string path = (folder / "deeper" / "settings.ini").string();
};

TEST_F(SettingsFileTest, ValuesRoundTripInNameOrderMakingTheFolder)
{
    SettingsFile file(path, "settings file");
    file.SetInt("Window", "Width", 1600);
    file.SetBool("Window", "Fullscreen", true);
    file.SetFloat("Sound", "Music", 0.7f);
    file.SetFloat("Times", "Level1Forest", 61.283333f);
    ASSERT_TRUE(file.Save());
    EXPECT_EQ(Read(), "[Sound]\nMusic=0.7\n[Times]\nLevel1Forest=61.283333\n"
                      "[Window]\nFullscreen=1\nWidth=1600\n");
    EXPECT_FALSE(fs::exists(path + ".saving"));

    const SettingsFile again(path, "settings file");
    EXPECT_EQ(again.Int("Window", "Width", 0), 1600);
    EXPECT_TRUE(again.Bool("Window", "Fullscreen", false));
    EXPECT_EQ(again.Float("Sound", "Music", 0, 0, 1), 0.7f);
    EXPECT_EQ(again.Float("Times", "Level1Forest", 0, 0, 1e9f), 61.283333f);
    EXPECT_EQ(again.Int("Window", "Height", 720), 720);
    EXPECT_FALSE(again.Has("Window", "Height"));
}

TEST_F(SettingsFileTest, AMalformedOrUnreadableFileIsReportedInOneLineAndReadsAsEmpty)
{
    SettingsFile file;
    const auto read = [&] { file = SettingsFile(path, "settings file"); };
    EXPECT_EQ(Logged(read), "") << "a missing file is empty and quiet";
    Write("[Window]\nWidth=1600\nthis line has no equals sign\n");
    EXPECT_EQ(Logged(read), path + ": malformed (Error in a file: " + path +
                                ": line 3: 'this line has no equals sign' has no \"=\"); the defaults are used.\n");
    EXPECT_EQ(file.Int("Window", "Width", 1280), 1280);
    fs::remove(path);
    fs::create_directory(path);
    EXPECT_EQ(Logged(read), path + ": cannot be read (Is a directory); the defaults are used.\n");
}

TEST_F(SettingsFileTest, AValueThatDoesNotFitIsReportedAndGivesTheDefaultAlone)
{
    Write("[Window]\nWidth=wide\nHeight=900\n[Sound]\nMusic=1.5\nEffects=nan\n");
    const SettingsFile file(path, "settings file");
    EXPECT_EQ(Logged([&] { EXPECT_EQ(file.Int("Window", "Width", 1280), 1280); }),
              path + ": \"Width\" under [Window] is not a whole number (\"wide\"); the default is used.\n");
    EXPECT_EQ(file.Int("Window", "Height", 720), 900);
    const std::pair<const char*, const char*> outside[] = {{"Music", "1.5"}, {"Effects", "nan"}};
    for (const auto& [key, value] : outside)
        EXPECT_EQ(Logged([&, key = key] { EXPECT_EQ(file.Float("Sound", key, 0.5f, 0, 1), 0.5f); }),
                  path + ": \"" + key + "\" under [Sound] is not a number from 0 to 1 (\"" + value +
                      "\"); the default is used.\n");
}

TEST_F(SettingsFileTest, AFailedSaveIsReportedKeepsTheValuesAndTheOldFile)
{
    Write("[Sound]\nMusic=0.25\n");
    SettingsFile file(path, "settings file");
    file.SetFloat("Sound", "Music", 0.75f);
    // Nothing can be written where a folder stands at the temporary's place, not even by root.
    fs::create_directory(path + ".saving");
    EXPECT_EQ(Logged([&] { EXPECT_FALSE(file.Save()); }),
              "Could not write the settings file: " + path + " (Is a directory); the change lasts until the game ends.\n");
    EXPECT_EQ(file.Float("Sound", "Music", 0, 0, 1), 0.75f);
    EXPECT_EQ(Read(), "[Sound]\nMusic=0.25\n");
}
} // namespace
} // namespace Orvex
