// The field report's counts are bounded, whatever the game answers for however long, and so is
// its text.

#include "plugin/field_report.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/player_folder.h"
#include "sim_support.h"

namespace quillomar {
namespace {

TEST(FieldTallies, KeepFixedRowsSaturatingCountsAndTheLast256Hostiles) {
    FieldTallies tallies;
    for (std::int32_t type = 0; type < 20; ++type) tallies.Hostile(type, type % 2 == 0, false);
    EXPECT_EQ(tallies.law.used, tallies.law.rows.size());
    EXPECT_EQ(tallies.law.other[0].value, 20 - tallies.law.rows.size());

    tallies.walls[0].value = UINT32_MAX - 1;
    tallies.Wall(WallAnswer::SamePed);
    tallies.Wall(WallAnswer::SamePed);
    EXPECT_EQ(tallies.walls[0].value, UINT32_MAX);

    for (std::int32_t ped = 1; ped <= 256; ++ped) EXPECT_TRUE(tallies.NewHostile(ped));
    EXPECT_FALSE(tallies.NewHostile(256));
    EXPECT_TRUE(tallies.NewHostile(257));  // the oldest gives way
    EXPECT_TRUE(tallies.NewHostile(1));
    EXPECT_FALSE(tallies.NewHostile(257));
}

TEST(FieldReportText, StaysUnder8KBWithEveryTableFull) {
    sim::TheGame().clock.calendarSeconds = 1780000000;
    FieldTallies tallies;
    for (std::int32_t i = 0; i < 40; ++i) {
        tallies.Hostile(INT32_MIN + i, i % 2 == 0, true);
        tallies.Tackle(INT32_MIN + i, INT32_MAX - i);
        tallies.Control(i % 2 == 0 ? "PromptControl" : "MutePromptControl", 0x80000000u + i, i % 3 == 0);
        for (std::size_t list = 0; list < kListRows; ++list) tallies.Speech("SOME_OTHER_VOICE", list, i % 2 == 0);
    }
    for (std::string_view voice : kReportedVoices) {
        for (std::size_t list = 0; list < kListRows; ++list) tallies.Speech(voice, list, false);
    }
    const std::string text = FieldReportText(tallies, {0xFFFFFFFFu, INT32_MIN});
    EXPECT_LE(text.size() + static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')), kFieldReportLimit);
    EXPECT_NE(text.find("Prompt controls"), std::string::npos) << "cut before its last section";
}

TEST(WriteFieldReportWhenDue, WritesAMinuteOnOnlyWhileOnAndWhenSomethingNewWasGathered) {
    test::ScopedDirectory dir;
    ResetFieldReport();
    PluginState& state = test::StartPluginInSim("[Advanced]\nFieldReport=1\n");
    sim::TheGame().clock.tick = 100000;
    FollowFieldReportSetting(state);  // the minute counts from here
    FieldTallies& tallies = *state.taunting.field;
    struct Step {
        std::uint32_t tick;
        bool on, fresh, written;
    } steps[] = {
        {159999, true, true, false},
        {160000, true, true, true},
        {230000, true, false, false},  // nothing new since
        {300000, false, true, false},  // switched off
    };
    for (const Step& step : steps) {
        sim::TheGame().clock.tick = step.tick;
        state.settings.fieldReport = step.on;
        FollowFieldReportSetting(state);
        tallies.fresh = step.fresh;
        std::filesystem::remove(kFieldReportFile.Path());
        WriteFieldReportWhenDue(state);
        EXPECT_EQ(std::filesystem::exists(kFieldReportFile.Path()), step.written) << step.tick;
    }
}

}  // namespace
}  // namespace quillomar
