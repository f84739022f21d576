#include "scenario_command.h"

#include <gtest/gtest.h>

#include <sstream>

#include "sim_support.h"

namespace tool {
namespace {

TEST(Demo, LeavesTheDefaultFileByteExactInAnEmptyDirectoryAndTellsTheTaunts) {
    test::ScopedDirectory dir;
    std::ostringstream out, err;
    ASSERT_EQ(RunDemo({(dir.path() / "demo").string(), ""}, out, err), 0) << err.str();
    std::filesystem::current_path(dir.path());
    EXPECT_EQ(dir.ReadFile("demo/Quillomar.ini"), test::ReadSourceFile("tests/config/default_settings.ini"));
    EXPECT_NE(dir.ReadFile("demo/auto-taunts/Quillomar.ini").find("[AutoTaunt]\nEnabled=1"), std::string::npos);
    EXPECT_NE(out.str().find("default file was written (136 lines)"), std::string::npos) << out.str();
    EXPECT_NE(out.str().find("Auto taunts are on."), std::string::npos) << out.str();  // the second part played
}

TEST(RunScenario, FailsWithExitCode1WhenAnExpectationDoesNotHold) {
    test::ScopedDirectory dir;
    std::ostringstream out, err;
    const char* scenario = R"({"world": {"player": 1, "peds": [{"handle": 1}]},
        "timeline": [{"run": 2}, {"expect": {"seen": "stopped at a gate"}}]})";
    EXPECT_EQ(PlayScenarioText(scenario, "inline", {dir.path().string(), ""}, out, err), 1);
    EXPECT_NE(err.str().find("expected \"stopped at a gate\", never seen"), std::string::npos) << err.str();
}

TEST(RunScenario, RejectsAnUnusableScenarioWithExitCode2AndSaysWhy) {
    test::ScopedDirectory dir;
    struct Case {
        const char* json;
        const char* message;
    };
    const std::string deep = std::string(65, '[') + std::string(65, ']');
    const Case cases[] = {
        {"{", "parse error"},
        {deep.c_str(), "nests lists and objects more than 64 deep"},
        {R"({"timeline": [{"fly": 1}]})", "a step needs one of"},
        {R"({"timeline": [{"ped": 1, "set": {"wings": true}}]})", "unknown ped property 'wings'"},
        {R"({"world": {"weather": "rain"}})", "unknown world property 'weather'"},
        {"[1]", "a scenario needs to be an object, not [1]"},
        {R"({"timeline": {}})", "\"timeline\" needs a list, not {}"},
        {R"({"world": {"player": 44444444444444444410}})",
         "world: \"player\" needs a whole number, -2147483648 to 2147483647, not 4.4"},
        {R"({"world": {"peds": [{"handle": 1, "set": {"heading": 1e39}}]}})", "\"heading\" needs a number of at most"},
        {R"({"world": {"objects": [{"handle": 1}]}})", "\"position\" needs [x, y, z], not null"},
        {R"({"timeline": [{"run": 1}, {"run": "x"}]})",
         "step 2: \"run\" needs a whole number of frames, 0 to 10000000, not \"x\""},
        {R"({"timeline": [{"run": 1, "press": "INPUT_JUMP"}]})", "a \"run\" step takes no \"press\""},
        {R"({"timeline": [{"press": "INPUT_NOPE"}]})", "\"press\" names no control"},
        {R"({"timeline": [{"expect": {"called": "NO_SUCH_NATIVE"}}]})", "\"called\" names no native"},
        {R"({"files": {"../lines.txt": "x"}})", "\"files\" needs a plain file name in the plug-in's folder"},
        {R"({"timeline": [{"file": "lines.txt"}]})", "\"file\" needs \"text\""},
    };
    for (const Case& c : cases) {
        std::ostringstream out, err;
        EXPECT_EQ(PlayScenarioText(c.json, "bad.json", {dir.path().string(), ""}, out, err), 2) << c.json;
        EXPECT_NE(err.str().find(c.message), std::string::npos) << err.str();
    }
}

TEST(RunScenario, NeverOverwritesADifferentSettingsFileWithItsOwn) {
    test::ScopedDirectory dir;
    dir.WriteFile("Quillomar.ini", "[Settings]\nEnabled=0\n");
    const char* scenario = R"({"ini": "[Settings]\nEnabled=1\n", "timeline": [{"run": 1}]})";
    std::ostringstream out, err;
    EXPECT_EQ(PlayScenarioText(scenario, "own.json", {dir.path().string(), ""}, out, err), 2);
    EXPECT_NE(err.str().find("will not overwrite"), std::string::npos) << err.str();
    EXPECT_EQ(dir.ReadFile("Quillomar.ini"), "[Settings]\nEnabled=0\n");
    dir.WriteFile("Quillomar.ini", "[Settings]\nEnabled=1\n");
    EXPECT_EQ(PlayScenarioText(scenario, "own.json", {dir.path().string(), ""}, out, err), 0) << err.str();
}

TEST(RunScenario, RemovesItsTemporaryFolderAndRefusesOneItCannotWriteIn) {
    test::ScopedDirectory dir;
    std::ostringstream out, err;
    ASSERT_EQ(PlayScenarioText(R"({"timeline": [{"run": 1}]})", "t.json", {}, out, err), 0) << err.str();
    std::string said = out.str().substr(0, out.str().find(" (a temporary folder"));
    std::filesystem::path used = said.substr(said.rfind(' ') + 1);
    EXPECT_EQ(used.parent_path(), std::filesystem::temp_directory_path()) << out.str();
    EXPECT_FALSE(std::filesystem::exists(used));
    EXPECT_EQ(std::filesystem::current_path(), dir.path());
    EXPECT_EQ(PlayScenarioText("{}", "none.json", {}, out, err), 0) << err.str();  // no frame, no settings file
    EXPECT_NE(out.str().find("the plug-in never started"), std::string::npos);
    // Not even the superuser may make files in /proc.
    EXPECT_EQ(PlayScenarioText(R"({"timeline": [{"run": 1}]})", "t.json", {"/proc", ""}, out, err), 2);
    EXPECT_NE(err.str().find("cannot write in the folder '/proc'"), std::string::npos) << err.str();
}

}  // namespace
}  // namespace tool
