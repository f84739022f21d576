#include "prompts/prompts.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "config/settings.h"
#include "game.h"
#include "host/frame_state.h"
#include "sim_support.h"

namespace quillomar {
namespace {

using Lines = std::vector<std::string>;

constexpr std::uint32_t kContextA = 0x5181713D;
constexpr std::uint32_t kContextB = 0x3B24C470;

// A recorded call as one line: the native's name and its pushed slots, texts quoted, large
// values in hexadecimal.
std::string Describe(const sim::RecordedCall& call) {
    std::string line = sim::NativeName(call.hash);
    line += '(';
    for (std::size_t i = 0; i < call.args.size(); ++i) {
        const sim::RecordedArg& arg = call.args[i];
        if (i != 0) line += ", ";
        char number[32];
        std::snprintf(number, sizeof number, arg.slot < 1000 ? "%llu" : "0x%llX",
                      static_cast<unsigned long long>(arg.slot));
        line += arg.kind == sim::RecordedArg::Kind::Text ? '"' + arg.text + '"' : std::string(number);
    }
    return line + ')';
}

Lines Described() {
    Lines lines;
    for (const sim::RecordedCall& call : test::Calls()) lines.push_back(Describe(call));
    return lines;
}

class PromptsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        test::StartPluginInSim(
            "[Settings]\nPromptText=Jeer\nPromptControl=INPUT_CONTEXT_A\n[CombatTaunts]\nPromptText=Battle Cry\n");
    }
    void TearDown() override { gFrame = FrameState{}; }

    test::ScopedDirectory dir;  // the settings file is written here

    sim::Prompt& GamePrompt(std::int32_t handle) { return sim::TheGame().prompts.at(handle); }
    PromptRecord& Taunt() { return *gFrame.tauntPrompt; }
    // The taunt prompt offered as the frame update offers it.
    void OfferTaunt() {
        Taunt().enabled = true;
        ApplyPromptState(Taunt());
        SetPromptPriority(Taunt(), 1);
        ShowPrompt(Taunt());
    }
};

TEST_F(PromptsTest, CreatePromptsBuildsBothPromptsHiddenAndDisabledInTheGame) {
    CreatePrompts(gFrame);
    EXPECT_EQ(Described(), (Lines{
                               "_UI_PROMPT_REGISTER_BEGIN()",
                               "_UI_PROMPT_SET_CONTROL_ACTION(1, 0x5181713D)",
                               "VAR_STRING(10, \"LITERAL_STRING\", \"Jeer\")",
                               "_UI_PROMPT_SET_TEXT(1, 0x100000000)",
                               "_UI_PROMPT_SET_STANDARD_MODE(1, 1)",
                               "_UI_PROMPT_SET_ATTRIBUTE(1, 18, 1)",
                               "_UI_PROMPT_REGISTER_END(1)",
                               "_UI_PROMPT_SET_PRIORITY(1, 2)",
                               "_UI_PROMPT_SET_ENABLED(1, 0)",
                               "_UI_PROMPT_SET_VISIBLE(1, 0)",
                               "_UI_PROMPT_REGISTER_BEGIN()",
                               "_UI_PROMPT_SET_CONTROL_ACTION(2, 0x5181713D)",
                               "VAR_STRING(10, \"LITERAL_STRING\", \"Battle Cry\")",
                               "_UI_PROMPT_SET_TEXT(2, 0x100000001)",
                               "_UI_PROMPT_SET_STANDARD_MODE(2, 1)",
                               "_UI_PROMPT_SET_ATTRIBUTE(2, 18, 1)",
                               "_UI_PROMPT_REGISTER_END(2)",
                               "_UI_PROMPT_SET_PRIORITY(2, 3)",
                               "_UI_PROMPT_SET_ENABLED(2, 0)",
                               "_UI_PROMPT_SET_VISIBLE(2, 0)",
                           }));
    EXPECT_EQ(test::Calls()[0].results, std::vector<std::uint64_t>{1}) << "the handle comes from the game";

    struct Expected {
        const PromptRecord* record;
        std::int32_t handle;
        const char* text;
        const char* label;
        std::int32_t priority;
    } expected[] = {
        {gFrame.tauntPrompt.get(), 1, gSettings.promptText, "Jeer", 2},
        {gFrame.combatPrompt.get(), 2, gSettings.combatPromptText, "Battle Cry", 3},
    };
    for (const Expected& e : expected) {
        ASSERT_NE(e.record, nullptr) << e.label;
        EXPECT_EQ(e.record->handle, e.handle);
        EXPECT_TRUE(e.record->enabled) << e.label;
        EXPECT_FALSE(e.record->visible) << e.label;
        EXPECT_EQ(e.record->text, e.text) << "the label points into the settings";
        EXPECT_EQ(e.record->control, kContextA);
        const sim::Prompt& game = GamePrompt(e.handle);
        EXPECT_EQ(game.text, e.label);
        EXPECT_EQ(game.control, kContextA);
        EXPECT_TRUE(game.registered && game.pressMode && game.attribute18) << e.label;
        EXPECT_EQ(game.priority, e.priority);
        EXPECT_FALSE(game.enabled || game.visible) << e.label;
    }
    EXPECT_TRUE(gFrame.promptsCreated);

    test::ClearCalls();
    CreatePrompts(gFrame);
    EXPECT_TRUE(test::Calls().empty()) << "created once";
    EXPECT_EQ(sim::TheGame().prompts.size(), 2u);
}

TEST_F(PromptsTest, ApplyPromptStateEnablesOnlyAVisiblePrompt) {
    CreatePrompts(gFrame);
    struct Case {
        bool enabled, visible;
        Lines natives;
    } cases[] = {
        {true, true, {"_UI_PROMPT_SET_ENABLED(1, 1)", "_UI_PROMPT_SET_VISIBLE(1, 1)"}},
        {false, true, {"_UI_PROMPT_SET_ENABLED(1, 0)", "_UI_PROMPT_SET_VISIBLE(1, 1)"}},
        {true, false, {"_UI_PROMPT_SET_ENABLED(1, 0)", "_UI_PROMPT_SET_VISIBLE(1, 0)"}},
        {false, false, {"_UI_PROMPT_SET_ENABLED(1, 0)", "_UI_PROMPT_SET_VISIBLE(1, 0)"}},
    };
    for (const Case& c : cases) {
        Taunt().enabled = c.enabled;
        Taunt().visible = c.visible;
        test::ClearCalls();
        ApplyPromptState(Taunt());
        EXPECT_EQ(Described(), c.natives) << "enabled " << c.enabled << ", visible " << c.visible;
    }
}

TEST_F(PromptsTest, ShowPromptMakesItVisibleWithItsOwnEnabledState) {
    CreatePrompts(gFrame);
    Taunt().enabled = false;
    test::ClearCalls();
    ShowPrompt(Taunt());
    EXPECT_EQ(Described(), (Lines{"_UI_PROMPT_SET_ENABLED(1, 0)", "_UI_PROMPT_SET_VISIBLE(1, 1)"}));
    EXPECT_TRUE(Taunt().visible);

    Taunt().enabled = true;
    test::ClearCalls();
    ShowPrompt(Taunt());
    SetPromptPriority(Taunt(), 1);
    EXPECT_EQ(Described(),
              (Lines{"_UI_PROMPT_SET_ENABLED(1, 1)", "_UI_PROMPT_SET_VISIBLE(1, 1)", "_UI_PROMPT_SET_PRIORITY(1, 1)"}));
    EXPECT_TRUE(GamePrompt(1).enabled && GamePrompt(1).visible);
    EXPECT_EQ(GamePrompt(1).priority, 1);
}

TEST_F(PromptsTest, HidePromptLeavesAnOfferedPromptDisabledAndHidden) {
    CreatePrompts(gFrame);
    OfferTaunt();
    test::ClearCalls();
    HidePrompt(gFrame.tauntPrompt.get());
    EXPECT_EQ(Described(), (Lines{"_UI_PROMPT_SET_ENABLED(1, 0)", "_UI_PROMPT_SET_VISIBLE(1, 1)",
                                  "_UI_PROMPT_SET_ENABLED(1, 0)", "_UI_PROMPT_SET_VISIBLE(1, 0)"}));
    EXPECT_FALSE(Taunt().enabled);
    EXPECT_FALSE(Taunt().visible);
    EXPECT_FALSE(GamePrompt(1).enabled || GamePrompt(1).visible);
    EXPECT_EQ(sim::TheGame().events.back(), "prompt hidden: Jeer");
}

TEST_F(PromptsTest, HideAllPromptsHidesTheTauntPromptThenTheCombatPrompt) {
    CreatePrompts(gFrame);
    test::ClearCalls();
    HideAllPrompts(gFrame);
    Lines handles;
    for (const sim::RecordedCall& call : test::Calls()) handles.push_back(std::to_string(call.args[0].slot));
    EXPECT_EQ(handles, (Lines{"1", "1", "1", "1", "2", "2", "2", "2"}));
    EXPECT_FALSE(gFrame.combatPrompt->enabled);
}

TEST_F(PromptsTest, HidingPromptsThatDoNotExistDoesNothing) {
    HideAllPrompts(gFrame);
    HidePrompt(nullptr);
    DeletePrompts(gFrame);
    EXPECT_TRUE(test::Calls().empty());
    EXPECT_FALSE(gFrame.promptsCreated);
}

TEST_F(PromptsTest, IsPromptCompletedAsksTheGameOnlyAboutAnEnabledVisiblePrompt) {
    CreatePrompts(gFrame);
    OfferTaunt();
    sim::TheGame().pressedControl = kContextA;
    struct Case {
        bool enabled, visible;
    } unoffered[] = {{false, true}, {true, false}, {false, false}};
    for (const Case& c : unoffered) {
        Taunt().enabled = c.enabled;
        Taunt().visible = c.visible;
        test::ClearCalls();
        EXPECT_FALSE(IsPromptCompleted(Taunt())) << "enabled " << c.enabled << ", visible " << c.visible;
        EXPECT_TRUE(test::Calls().empty()) << "enabled " << c.enabled << ", visible " << c.visible;
    }
}

TEST_F(PromptsTest, IsPromptCompletedTurnsTrueWhenThePlayerPressesTheControlOfAnOfferedPrompt) {
    CreatePrompts(gFrame);
    struct Case {
        const char* what;
        std::uint32_t pressed;
        bool offered;
        bool completed;
    } cases[] = {
        {"pressed while offered", kContextA, true, true},
        {"another control pressed", kContextB, true, false},
        {"nothing pressed", 0, true, false},
        {"pressed while the game shows it hidden", kContextA, false, false},
    };
    for (const Case& c : cases) {
        HidePrompt(gFrame.tauntPrompt.get());
        if (c.offered) OfferTaunt();
        Taunt().enabled = Taunt().visible = true;  // the record believes it is offered either way
        sim::TheGame().pressedControl = c.pressed;
        test::ClearCalls();
        EXPECT_EQ(IsPromptCompleted(Taunt()), c.completed) << c.what;
        EXPECT_EQ(Described(), Lines{"_UI_PROMPT_HAS_STANDARD_MODE_COMPLETED(1, 0)"}) << c.what;
    }
    // The same press does not complete the combat prompt, which is not offered.
    sim::TheGame().pressedControl = kContextA;
    gFrame.combatPrompt->visible = true;
    EXPECT_FALSE(IsPromptCompleted(*gFrame.combatPrompt));
}

TEST_F(PromptsTest, DeletePromptsDeletesBothInTheGameAndFreesTheRecords) {
    CreatePrompts(gFrame);
    OfferTaunt();
    test::ClearCalls();
    DeletePrompts(gFrame);
    EXPECT_EQ(Described(), (Lines{"_UI_PROMPT_DELETE(1)", "_UI_PROMPT_DELETE(2)"}));
    EXPECT_EQ(gFrame.tauntPrompt, nullptr);
    EXPECT_EQ(gFrame.combatPrompt, nullptr);
    EXPECT_FALSE(gFrame.promptsCreated);
    EXPECT_TRUE(sim::TheGame().prompts.empty());

    test::ClearCalls();
    CreatePrompts(gFrame);
    EXPECT_EQ(Taunt().handle, 3) << "created anew";
    EXPECT_EQ(gFrame.combatPrompt->handle, 4);
}

TEST_F(PromptsTest, DeletePromptsSkipsTheGameForAHandleOfZeroButStillFreesTheRecord) {
    CreatePrompts(gFrame);
    Taunt().handle = 0;
    test::ClearCalls();
    DeletePrompts(gFrame);
    EXPECT_EQ(Described(), Lines{"_UI_PROMPT_DELETE(2)"});
    EXPECT_EQ(gFrame.tauntPrompt, nullptr);
    EXPECT_FALSE(gFrame.promptsCreated);
}

}  // namespace
}  // namespace quillomar
