#include "config/settings.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "sim_support.h"

namespace quillomar {
namespace {

Settings ReadFrom(const test::ScopedDirectory& dir, const std::string& text) {
    dir.WriteFile("Quillomar.ini", text);
    return ReadSettings("./Quillomar.ini");
}

TEST(LoadSettings, EveryKeyTakesItsDefaultWithoutAFile) {
    test::ScopedDirectory dir;
    LoadSettings();
    const Settings& s = gSettings;
    EXPECT_TRUE(s.enabled);
    EXPECT_TRUE(s.enabledInMissions);
    EXPECT_EQ(s.promptControl, 0xDFF812F9u);
    EXPECT_STREQ(s.promptText, "Taunt");
    EXPECT_EQ(s.maxDistance, 25.0f);
    EXPECT_EQ(s.cooldown, 3000);
    EXPECT_EQ(s.perPedCooldown, 0);
    EXPECT_TRUE(s.includeRagdollNotFatallyInjured);
    EXPECT_FALSE(s.requireAiming);
    EXPECT_TRUE(s.tauntPriorityOverRob);
    EXPECT_FALSE(s.debugMode);
    EXPECT_TRUE(s.combatTauntsEnabled);
    EXPECT_STREQ(s.combatPromptText, "Combat Taunt");
    EXPECT_EQ(s.gunfightCooldown, 15000);
    EXPECT_TRUE(s.meleeTauntsEnabled);
    EXPECT_EQ(s.meleeCooldown, 10000);
    EXPECT_EQ(s.meleeMinDistance, 3.0f);
    EXPECT_TRUE(s.aggressionEffectEnabled);
    EXPECT_EQ(s.aggressionChance, 20);
    EXPECT_EQ(s.aggressionMinPeds, 1);
    EXPECT_EQ(s.aggressionMaxPeds, 2);
    EXPECT_EQ(s.tackleChance, 50);
    EXPECT_FALSE(s.combatTauntRequireStationary);
    EXPECT_TRUE(s.combatTauntRequireTarget);
    EXPECT_TRUE(s.avoidRepeatTaunts);
    EXPECT_EQ(s.repeatPreventionCount, 10);
    EXPECT_EQ(s.genericLineChance, 60);
    EXPECT_STREQ(s.tauntListFile, "");
    EXPECT_FALSE(s.autoTauntEnabled);
    EXPECT_EQ(s.chanceDead, 20);
    EXPECT_EQ(s.chanceWrithing, 25);
    EXPECT_EQ(s.chanceFatallyInjured, 20);
    EXPECT_EQ(s.chanceIncapacitated, 15);
    EXPECT_EQ(s.chanceRagdollHurt, 10);
    EXPECT_EQ(s.chanceFleeing, 15);
    EXPECT_EQ(s.autoTauntIntervalMin, 3);
    EXPECT_EQ(s.autoTauntIntervalMax, 8);
    EXPECT_FALSE(s.autoCombatTauntEnabled);
    EXPECT_EQ(s.autoCombatIntervalMin, 30);
    EXPECT_EQ(s.autoCombatIntervalMax, 60);
}

TEST(LoadSettings, EveryKeyIsReadFromItsOwnSection) {
    test::ScopedDirectory dir;
    Settings s = ReadFrom(dir,
                          "[Settings]\nEnabled=0\nEnabledInMissions=0\nPromptControl=INPUT_CONTEXT_A\n"
                          "PromptText=Mock\nMaxDistance=12.5\nCooldown=1\nPerPedCooldown=2\n"
                          "IncludeRagdollNotFatallyInjured=0\nRequireAiming=1\nTauntPriorityOverRob=0\n"
                          "DebugMode=1\n"
                          "[CombatTaunts]\nEnabled=0\nPromptText=Jeer\nGunfightCooldown=-5\n"
                          "MeleeTauntsEnabled=0\nMeleeCooldown=7\nMeleeMinDistance=-1.25\n"
                          "AggressionEffectEnabled=0\nAggressionChance=101\nAggressionMinPeds=4\n"
                          "AggressionMaxPeds=3\nTackleChance=-7\nCombatTauntRequireStationary=1\n"
                          "CombatTauntRequireTarget=0\n"
                          "[Advanced]\nAvoidRepeatTaunts=0\nRepeatPreventionCount=-3\nGenericLineChance=0\n"
                          "TauntListFile=custom.txt\n"
                          "[AutoTaunt]\nEnabled=1\nChanceDead=1\nChanceWrithing=2\nChanceFatallyInjured=3\n"
                          "ChanceIncapacitated=4\nChanceRagdollHurt=5\nChanceFleeing=6\nIntervalMin=9\n"
                          "IntervalMax=11\n"
                          "[AutoCombatTaunt]\nEnabled=1\nIntervalMin=12\nIntervalMax=13\n");
    EXPECT_FALSE(s.enabled);
    EXPECT_FALSE(s.enabledInMissions);
    EXPECT_EQ(s.promptControl, 0x5181713Du);
    EXPECT_STREQ(s.promptText, "Mock");
    EXPECT_EQ(s.maxDistance, 12.5f);
    EXPECT_EQ(s.cooldown, 1);
    EXPECT_EQ(s.perPedCooldown, 2);
    EXPECT_FALSE(s.includeRagdollNotFatallyInjured);
    EXPECT_TRUE(s.requireAiming);
    EXPECT_FALSE(s.tauntPriorityOverRob);
    EXPECT_TRUE(s.debugMode);
    EXPECT_FALSE(s.combatTauntsEnabled);
    EXPECT_STREQ(s.combatPromptText, "Jeer");
    EXPECT_EQ(s.gunfightCooldown, -5);
    EXPECT_FALSE(s.meleeTauntsEnabled);
    EXPECT_EQ(s.meleeCooldown, 7);
    EXPECT_EQ(s.meleeMinDistance, -1.25f);
    EXPECT_FALSE(s.aggressionEffectEnabled);
    EXPECT_EQ(s.aggressionChance, 101);
    EXPECT_EQ(s.aggressionMinPeds, 4);
    EXPECT_EQ(s.aggressionMaxPeds, 3);
    EXPECT_EQ(s.tackleChance, -7);
    EXPECT_TRUE(s.combatTauntRequireStationary);
    EXPECT_FALSE(s.combatTauntRequireTarget);
    EXPECT_FALSE(s.avoidRepeatTaunts);
    EXPECT_EQ(s.repeatPreventionCount, -3);
    EXPECT_EQ(s.genericLineChance, 0);
    EXPECT_STREQ(s.tauntListFile, "custom.txt");
    EXPECT_TRUE(s.autoTauntEnabled);
    EXPECT_EQ(s.chanceDead, 1);
    EXPECT_EQ(s.chanceWrithing, 2);
    EXPECT_EQ(s.chanceFatallyInjured, 3);
    EXPECT_EQ(s.chanceIncapacitated, 4);
    EXPECT_EQ(s.chanceRagdollHurt, 5);
    EXPECT_EQ(s.chanceFleeing, 6);
    EXPECT_EQ(s.autoTauntIntervalMin, 9);
    EXPECT_EQ(s.autoTauntIntervalMax, 11);
    EXPECT_TRUE(s.autoCombatTauntEnabled);
    EXPECT_EQ(s.autoCombatIntervalMin, 12);
    EXPECT_EQ(s.autoCombatIntervalMax, 13);
}

TEST(ControlHashFromName, NamesAndHexNumbersGiveTheirHashesAndAnythingElseTheDefault) {
    struct Case {
        const char* name;
        std::uint32_t hash;
    } cases[] = {
        {"INPUT_CONTEXT_X", 0xE3BF959B},
        {"INPUT_CONTEXT_Y", 0xDFF812F9},
        {"INPUT_CONTEXT_A", 0x5181713D},
        {"INPUT_CONTEXT_B", 0x3B24C470},
        {"INPUT_INTERACT_LOCKON_POS", 0xF63A17F9},
        {"INPUT_INTERACT_OPTION1", 0x760A9C6F},
        {"INPUT_INTERACT_OPTION2", 0x84543902},
        {"input_context_a", 0xDFF812F9},  // names are compared exactly
        {"INPUT_CONTEXT_A ", 0xDFF812F9},
        {"0x1A2B", 0x00001A2B},
        {"0X1A2B", 0x00001A2B},
        {"0x1a2bq", 0x00001A2B},  // reading stops at the first character that is not a hex digit
        {"0x", 0xDFF812F9},       // too short to be a number
        {"0xZZ", 0},
        {"0xFFFFFFFF", 0xFFFFFFFF},
        {"0x100000000", 0xFFFFFFFF},  // overflow saturates
        {"0x123456789ABCDEF0123", 0xFFFFFFFF},
        {"1A2B", 0xDFF812F9},
        {"", 0xDFF812F9},
    };
    for (const Case& c : cases) EXPECT_EQ(ControlHashFromName(c.name), c.hash) << "name: '" << c.name << "'";
}

TEST(LoadSettings, FloatKeysReadTheLeadingDecimalNumber) {
    test::ScopedDirectory dir;
    struct Case {
        const char* value;
        float expected;
    } cases[] = {
        {"12.5", 12.5f}, {"abc", 0.0f},       {"", 0.0f},           {"  7.25  ", 7.25f}, {"-3", -3.0f},
        {"4.5m", 4.5f},  {"1e2", 100.0f},     {".5", 0.5f},         {"0x10", 0.0f},      {"inf", 0.0f},
        {"nan", 0.0f},   {"1e999", INFINITY}, {"-1e60", -INFINITY}, {"+.", 0.0f},        {"1e", 1.0f},
    };
    for (const Case& c : cases) {
        Settings s = ReadFrom(dir, std::string("[Settings]\nMaxDistance=") + c.value + "\n");
        EXPECT_EQ(s.maxDistance, c.expected) << "value: '" << c.value << "'";
    }
}

TEST(LoadSettings, TextLongerThanItsBufferIsCut) {
    test::ScopedDirectory dir;
    std::string longText(100, 'x');
    std::string longFile(300, 'f');
    Settings s = ReadFrom(dir, "[Settings]\nPromptText=" + longText + "\n[Advanced]\nTauntListFile=" + longFile +
                                   "\n[CombatTaunts]\nPromptText=" + longText + "\n");
    EXPECT_EQ(std::string(s.promptText), longText.substr(0, 63));
    EXPECT_EQ(std::string(s.combatPromptText), longText.substr(0, 63));
    EXPECT_EQ(std::string(s.tauntListFile), longFile.substr(0, 255));
}

TEST(LoadSettings, BooleansAreTrueForAnyNonZeroNumber) {
    test::ScopedDirectory dir;
    struct Case {
        const char* value;
        bool expected;
    } cases[] = {{"2", true}, {"-1", true}, {"0", false}, {"no", false}, {"", true}, {"0x0", false}};
    for (const Case& c : cases) {
        Settings s = ReadFrom(dir, std::string("[Settings]\nEnabled=") + c.value + "\n");
        EXPECT_EQ(s.enabled, c.expected) << "value: '" << c.value << "'";
    }
}

}  // namespace
}  // namespace quillomar
