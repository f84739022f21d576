#include "config/default_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "config/settings.h"
#include "sim_support.h"

namespace quillomar {
namespace {

TEST(DefaultSettingsFile, IsWrittenByteExactWhenNoFileExists) {
    test::ScopedDirectory dir;
    LoadSettings();
    EXPECT_EQ(dir.ReadFile("Quillomar.ini"), test::ReadSourceFile("tests/config/default_settings.ini"));
}

TEST(DefaultSettingsFile, HasOneHundredThirtySixLinesAndReadsBackAsTheDefaults) {
    std::string text = DefaultSettingsText();
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 136);
    test::ScopedDirectory dir;
    LoadSettings();
    Settings fromFile = ReadSettings("./Quillomar.ini");
    std::filesystem::remove("Quillomar.ini");
    Settings withoutFile = ReadSettings("./Quillomar.ini");
    EXPECT_EQ(std::memcmp(&fromFile, &withoutFile, sizeof(Settings)), 0);
}

TEST(DefaultSettingsFile, AnExistingFileIsNeverTouchedEvenWhenItLacksKeys) {
    test::ScopedDirectory dir;
    const std::string partial = "[Settings]\r\nMaxDistance=9.5\r\n";
    dir.WriteFile("Quillomar.ini", partial);
    LoadSettings();
    LoadSettings();
    EXPECT_EQ(dir.ReadFile("Quillomar.ini"), partial);
    EXPECT_EQ(gSettings.maxDistance, 9.5f);
    EXPECT_EQ(gSettings.gunfightCooldown, 15000);
}

TEST(DefaultSettingsFile, AnUnreadableFileIsNotReplacedAndEveryKeyTakesItsDefault) {
    test::ScopedDirectory dir;
    std::filesystem::create_directory("Quillomar.ini");  // exists, but cannot be read as a file
    LoadSettings();
    EXPECT_TRUE(std::filesystem::is_directory("Quillomar.ini"));
    EXPECT_EQ(gSettings.maxDistance, 25.0f);
    EXPECT_STREQ(gSettings.promptText, "Taunt");
}

}  // namespace
}  // namespace quillomar
