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
    for (const char* line : {"frame 3  tick 100066  prompt shown: Taunt (priority 1)",
                             "frame 5  tick 100132  said ARTHUR: ", "frame 8  tick 115198  prompt shown: Taunt",
                             "stopped at a gate: the player is ragdolling", "said JOHN", "Auto taunts are on."}) {
        EXPECT_NE(out.str().find(line), std::string::npos) << line << "\n" << out.str();
    }
}

TEST(Demo, ReadsAnExistingFileWithoutTouchingIt) {
    test::ScopedDirectory dir;
    dir.WriteFile("Quillomar.ini", "[Settings]\nMaxDistance=30\n");
    std::ostringstream out, err;
    ASSERT_EQ(RunDemo({dir.path().string(), ""}, out, err), 0) << err.str();
    EXPECT_EQ(dir.ReadFile("Quillomar.ini"), "[Settings]\nMaxDistance=30\n");
    EXPECT_NE(out.str().find("settings: read Quillomar.ini"), std::string::npos);
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
    } cases[] = {
        {"{", "parse error"},
        {R"({"timeline": [{"fly": 1}]})", "a step needs one of"},
        {R"({"timeline": [{"ped": 1, "set": {"wings": true}}]})", "unknown ped property 'wings'"},
        {R"({"world": {"weather": "rain"}})", "unknown world property 'weather'"},
        {R"({"timeline": [{"run": -1}]})", "frame count"},
        {R"({"timeline": [{"expect": {}}]})", "expect needs"},
    };
    for (const Case& c : cases) {
        std::ostringstream out, err;
        EXPECT_EQ(PlayScenarioText(c.json, "bad.json", {dir.path().string(), ""}, out, err), 2) << c.json;
        EXPECT_NE(err.str().find(c.message), std::string::npos) << err.str();
    }
}

TEST(RunScenario, WritesTheSameTraceOnEveryRun) {
    test::ScopedDirectory dir;
    std::ostringstream out, err;
    std::string first = (dir.path() / "first.jsonl").string();
    std::string second = (dir.path() / "second.jsonl").string();
    ASSERT_EQ(RunDemo({(dir.path() / "a").string(), first}, out, err), 0);
    ASSERT_EQ(RunDemo({(dir.path() / "b").string(), second}, out, err), 0);
    std::filesystem::current_path(dir.path());
    std::string trace = dir.ReadFile("first.jsonl");
    EXPECT_EQ(trace, dir.ReadFile("second.jsonl"));
    EXPECT_EQ(
        trace.substr(0, trace.find('\n')).rfind("{\"seed\":1780000000,\"settings\":{\"Settings.Enabled\":true,", 0), 0u)
        << trace.substr(0, 200);
    EXPECT_NE(trace.find("\n{\"frame\":1,\"tick\":100000}\n{\"hash\":\"0x096275889B8E0EE0\",\"args\":[],\"results\":["
                         "\"0x00000000000003E9\"],\"writes\":[]}\n"),
              std::string::npos);
}

}  // namespace
}  // namespace tool
