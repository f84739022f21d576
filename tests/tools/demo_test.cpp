#include "demo.h"

#include <gtest/gtest.h>

#include <sstream>

#include "sim_support.h"

namespace tool {
namespace {

TEST(Demo, LeavesTheDefaultFileByteExactInAnEmptyDirectoryAndTellsTheGates) {
    test::ScopedDirectory dir;
    std::ostringstream out, err;
    ASSERT_EQ(RunDemo((dir.path() / "demo").string(), out, err), 0) << err.str();
    std::filesystem::current_path(dir.path());
    EXPECT_EQ(dir.ReadFile("demo/Quillomar.ini"), test::ReadSourceFile("tests/config/default_settings.ini"));
    EXPECT_NE(out.str().find("default file was written (136 lines)"), std::string::npos) << out.str();
    EXPECT_NE(out.str().find("stopped: the player is ragdolling"), std::string::npos);
    EXPECT_NE(out.str().find("stopped: the player is dead"), std::string::npos);
}

TEST(Demo, ReadsAnExistingFileWithoutTouchingIt) {
    test::ScopedDirectory dir;
    dir.WriteFile("Quillomar.ini", "[Settings]\nMaxDistance=5\n");
    std::ostringstream out, err;
    ASSERT_EQ(RunDemo(dir.path().string(), out, err), 0);
    EXPECT_EQ(dir.ReadFile("Quillomar.ini"), "[Settings]\nMaxDistance=5\n");
    EXPECT_NE(out.str().find("read the existing Quillomar.ini"), std::string::npos);
    EXPECT_NE(out.str().find("max distance 5 m"), std::string::npos);
}

}  // namespace
}  // namespace tool
