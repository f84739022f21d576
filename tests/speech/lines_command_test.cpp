#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "lines.h"

namespace tool {
namespace {

struct Printed {
    int code;
    std::vector<std::string> rows;
    std::string err;
};

Printed RunWith(std::vector<std::string_view> args) {
    std::ostringstream out, err;
    Printed run{RunLines(args, out, err), {}, err.str()};
    std::istringstream lines(out.str());
    for (std::string line; std::getline(lines, line);) run.rows.push_back(line);
    return run;
}

bool Contains(const std::vector<std::string>& rows, const std::string& row) {
    return std::find(rows.begin(), rows.end(), row) != rows.end();
}

TEST(LinesCommand, PrintsEveryRowOfBothVoiceSetsArthurFirstInListOrder) {
    const Printed run = RunWith({});
    ASSERT_EQ(run.code, 0) << run.err;
    ASSERT_EQ(run.rows.size(), 2002u);
    EXPECT_EQ(run.rows.front(), "arthur\tdead\t0\tAMBUSH_BRT_V2_COMBATOVER_KNOWN\t0\t0x0000\t0\t-");
    EXPECT_EQ(run.rows[1114], "john\tdead\t0\tRE_CW_MTN_V1_NEGATIVE\t0\t0x0000\t0\tJOHN");
    EXPECT_EQ(run.rows.back(), "john\tmelee\t289\tRANCHER_CRIME_FINAL_WARNING_NEG\t5\t0x0000\t1\t-");
    EXPECT_TRUE(Contains(run.rows, "arthur\tdead\t30\tWITNESS_EXECUTE\t2\t0x0000\t1\t-"));
    EXPECT_TRUE(Contains(run.rows, "arthur\tmelee\t20\tPLAYER_GAVE_HIT_MULTIPLE_NEG\t1\t0x2A00\t1\t-"));
    EXPECT_TRUE(Contains(run.rows, "john\tgunfight\t12\tSHOT_RESPONSE_SHOUT\t1\t0x0000\t1\tJOHN_AI"));
    // Blocks of rows by voice set and list, each numbered from 0.
    std::vector<std::string> blocks, expected;
    std::size_t index = 0;
    for (const std::string& row : run.rows) {
        const std::size_t second = row.find('\t', row.find('\t') + 1);
        const std::string block = row.substr(0, second);
        if (blocks.empty() || blocks.back() != block) {
            blocks.push_back(block);
            index = 0;
        }
        ASSERT_EQ(row.substr(second + 1, row.find('\t', second + 1) - second - 1), std::to_string(index++)) << row;
    }
    for (const char* voice : {"arthur", "john"}) {
        for (const char* list :
             {"dead", "writhing", "fatallyinjured", "incapacitated", "ragdollhurt", "fleeing", "gunfight", "melee"}) {
            expected.push_back(std::string(voice) + "\t" + list);
        }
    }
    EXPECT_EQ(blocks, expected);
}

TEST(LinesCommand, PrintsOnlyTheChosenVoiceSetAndList) {
    struct Case {
        std::vector<std::string_view> args;
        std::size_t rows;
        std::string prefix;
    };
    const Case cases[] = {
        {{"--voice", "john"}, 888, "john\t"},
        {{"--voice", "arthur"}, 1114, "arthur\t"},
        {{"--voice", "john", "--list", "melee"}, 290, "john\tmelee\t"},
        {{"--list", "fleeing", "--voice", "arthur"}, 110, "arthur\tfleeing\t"},
        {{"--list", "dead"}, 180, ""},
    };
    for (const Case& c : cases) {
        const Printed run = RunWith(c.args);
        ASSERT_EQ(run.code, 0) << run.err;
        EXPECT_EQ(run.rows.size(), c.rows) << c.prefix;
        for (const std::string& row : run.rows) ASSERT_EQ(row.rfind(c.prefix, 0), 0u) << row;
    }
    const Printed dead = RunWith({"--list", "dead"});
    EXPECT_EQ(dead.rows[99].rfind("arthur\tdead\t99\t", 0), 0u);
    EXPECT_EQ(dead.rows[100].rfind("john\tdead\t0\t", 0), 0u);
}

TEST(LinesCommand, RefusesBadOptionsWithExitCodeTwoAndPrintsNothing) {
    const std::vector<std::string_view> bad[] = {
        {"--voice", "dutch"}, {"--voice"}, {"--list", "combat"}, {"--list"}, {"--verbose"}, {"--voice", "Arthur"},
    };
    for (const auto& args : bad) {
        const Printed run = RunWith(args);
        EXPECT_EQ(run.code, 2) << args.front();
        EXPECT_TRUE(run.rows.empty());
        EXPECT_NE(run.err.find("usage: quillomar lines"), std::string::npos) << run.err;
    }
    EXPECT_NE(RunWith({"--voice", "dutch"}).err.find("--voice needs arthur or john"), std::string::npos);
    const Printed help = RunWith({"--help"});
    EXPECT_EQ(help.code, 0);
    EXPECT_NE(help.rows.front().find("--voice arthur|john"), std::string::npos);
}

}  // namespace
}  // namespace tool
