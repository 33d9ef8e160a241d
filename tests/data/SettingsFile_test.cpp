#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <fstream>
#include <unistd.h>

#include "data/SettingsFile.h"

namespace Orvex
{
namespace
{
namespace fs = std::filesystem;

class SettingsFileTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        folder = fs::temp_directory_path() / ("settings-" + std::to_string(getpid()));
        fs::create_directories(folder);
        path = (folder / "deeper" / "settings.ini").string();
    }
    void TearDown() override
    {
        std::error_code ignored;
        fs::permissions(folder, fs::perms::owner_all, ignored);
        fs::remove_all(folder);
    }
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
    // The file read while standard error is captured, and what was reported.
    std::string Reported(SettingsFile& file) const
    {
        testing::internal::CaptureStderr();
        file = SettingsFile(path, "settings file");
        return testing::internal::GetCapturedStderr();
    }
    static std::string Captured(const std::function<void()>& act)
    {
        testing::internal::CaptureStderr();
        act();
        return testing::internal::GetCapturedStderr();
    }
    static int Lines(const std::string& text) { return static_cast<int>(std::count(text.begin(), text.end(), '\n')); }
    static bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

    fs::path folder;
    std::string path;
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
    EXPECT_EQ(Reported(file), "") << "a missing file is empty and quiet";
    EXPECT_EQ(file.Int("Window", "Width", 1280), 1280);
    Write("[Window]\nWidth=1600\nthis line has no equals sign\n");
    std::string report = Reported(file);
    EXPECT_EQ(Lines(report), 1) << report;
    EXPECT_TRUE(Has(report, path + ": malformed")) << report;
    EXPECT_TRUE(Has(report, "the defaults are used")) << report;
    EXPECT_EQ(file.Int("Window", "Width", 1280), 1280);

    fs::remove(path);
    fs::create_directory(path);
    report = Reported(file);
    EXPECT_EQ(Lines(report), 1) << report;
    EXPECT_TRUE(Has(report, path + ": cannot be read (Is a directory)")) << report;
}

TEST_F(SettingsFileTest, AValueThatDoesNotFitIsReportedAndGivesTheDefaultAlone)
{
    Write("[Window]\nWidth=wide\nHeight=900\n[Sound]\nMusic=1.5\nEffects=nan\n");
    SettingsFile file;
    EXPECT_EQ(Reported(file), "");
    std::string report = Captured([&] { EXPECT_EQ(file.Int("Window", "Width", 1280), 1280); });
    EXPECT_TRUE(Has(report, path + ": \"Width\" under [Window] is not a whole number (\"wide\"); "
                                   "the default is used."))
        << report;
    EXPECT_EQ(file.Int("Window", "Height", 720), 900);
    for (const char* key : {"Music", "Effects"})
    {
        report = Captured([&] { EXPECT_EQ(file.Float("Sound", key, 0.5f, 0, 1), 0.5f); });
        EXPECT_EQ(Lines(report), 1) << report;
        EXPECT_TRUE(Has(report, std::string("\"") + key + "\" under [Sound] is not a number from 0 to 1"))
            << report;
    }
}

TEST_F(SettingsFileTest, AFailedSaveIsReportedKeepsTheValuesAndTheOldFile)
{
    Write("[Sound]\nMusic=0.25\n");
    SettingsFile file(path, "settings file");
    file.SetFloat("Sound", "Music", 0.75f);
    // Nothing can be written where a folder stands at the temporary's place, not even by root.
    fs::create_directory(path + ".saving");
    const std::string report = Captured([&] { EXPECT_FALSE(file.Save()); });
    EXPECT_EQ(report.substr(report.find("] ") + 2),
              "Could not write the settings file: " + path + " (Is a directory); the change lasts until the game ends.\n");
    EXPECT_EQ(file.Float("Sound", "Music", 0, 0, 1), 0.75f);
    EXPECT_EQ(Read(), "[Sound]\nMusic=0.25\n");
}

TEST_F(SettingsFileTest, AReadOnlyFolderIsReportedAndKeepsTheOldFile)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root writes into read-only folders";
    Write("[Sound]\nMusic=0.25\n");
    SettingsFile file(path, "settings file");
    file.SetFloat("Sound", "Music", 0.75f);
    fs::permissions(fs::path(path).parent_path(), fs::perms::owner_read | fs::perms::owner_exec);
    const std::string report = Captured([&] { EXPECT_FALSE(file.Save()); });
    EXPECT_EQ(Lines(report), 1) << report;
    EXPECT_EQ(Read(), "[Sound]\nMusic=0.25\n");
}

} // namespace
} // namespace Orvex
