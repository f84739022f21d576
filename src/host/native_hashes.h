#pragma once
// Every game native the plug-in calls, by its public name: the one place a hash is spelled.
// The simulated game dispatches on the same constants.

#include <cstdint>

namespace quillomar::native {

inline constexpr std::uint64_t GET_MISSION_FLAG = 0xB15CD1CF58771DE1;
inline constexpr std::uint64_t PLAYER_PED_ID = 0x096275889B8E0EE0;
inline constexpr std::uint64_t DOES_ENTITY_EXIST = 0xD42BD6EB2E0F1677;
inline constexpr std::uint64_t IS_ENTITY_DEAD = 0x7D5B1F88E7504BBA;
inline constexpr std::uint64_t PLAYER_ID = 0x217E9DC48139933D;
inline constexpr std::uint64_t IS_PLAYER_CONTROL_ON = 0x7964097FCE4C244B;
inline constexpr std::uint64_t IS_PED_RAGDOLL = 0x47E4E977581C5B55;
inline constexpr std::uint64_t IS_PED_DEAD_OR_DYING = 0x3317DEDB88C95038;
inline constexpr std::uint64_t VAR_STRING = 0xFA925AC00EB830B9;
inline constexpr std::uint64_t IS_PED_IN_WRITHE = 0xDEB6D52126E7D640;
inline constexpr std::uint64_t IS_PED_FATALLY_INJURED = 0xD839450756ED5A80;
inline constexpr std::uint64_t IS_PED_INCAPACITATED = 0xB655DB7582AEC805;
inline constexpr std::uint64_t IS_PED_FLEEING = 0xBBCCE00B381F8482;
inline constexpr std::uint64_t IS_PED_IN_COMBAT = 0x4859F1FC66A6278E;
inline constexpr std::uint64_t GET_ENTITY_HEALTH = 0x82368787EA73C0F7;
inline constexpr std::uint64_t GET_ENTITY_MAX_HEALTH = 0x15D757606D170C3C;
inline constexpr std::uint64_t GET_PED_TYPE = 0xFF059E1E4C01E63C;
inline constexpr std::uint64_t GET_PED_RELATIONSHIP_GROUP_HASH = 0x7DBDD04862D95F04;
inline constexpr std::uint64_t GET_ENTITY_SPEED = 0xFB6BA510A533DF81;
inline constexpr std::uint64_t IS_PED_IN_COVER = 0x60DFD0691A170B88;
inline constexpr std::uint64_t GET_ENTITY_COORDS = 0xA86D5F069399F44D;
inline constexpr std::uint64_t GET_ENTITY_PLAYER_IS_FREE_AIMING_AT = 0xA6817C110B830EAD;
inline constexpr std::uint64_t IS_PLAYER_TARGETTING_ANYTHING = 0x4605C66E0F935F83;
inline constexpr std::uint64_t GET_PLAYER_TARGET_ENTITY = 0xAE663DDD99C8A670;
inline constexpr std::uint64_t GET_PLAYER_INTERACTION_TARGET_ENTITY = 0x3EE1F7A8C32F24E1;
inline constexpr std::uint64_t IS_ENTITY_A_PED = 0xCF8176912DDA4EA5;
inline constexpr std::uint64_t GET_GAMEPLAY_CAM_COORD = 0x595320200B98596E;
inline constexpr std::uint64_t GET_GAMEPLAY_CAM_ROT = 0x0252D2B5582957A6;
inline constexpr std::uint64_t START_EXPENSIVE_SYNCHRONOUS_SHAPE_TEST_LOS_PROBE = 0x377906D8A31E5586;
inline constexpr std::uint64_t GET_SHAPE_TEST_RESULT = 0xEDE8AC7C5108FB1D;
inline constexpr std::uint64_t IS_ENTITY_ON_SCREEN = 0x613C15D5D8DB781F;
inline constexpr std::uint64_t IS_PED_HUMAN = 0xB980061DA992779D;
inline constexpr std::uint64_t IS_PED_HOGTIED = 0x3AA24CCC0D451379;
inline constexpr std::uint64_t IS_PED_BEING_HOGTIED = 0xD453BB601D4A606E;
inline constexpr std::uint64_t GET_PED_CONFIG_FLAG = 0x7EE53118C892B513;
inline constexpr std::uint64_t UI_PROMPT_REGISTER_BEGIN = 0x04F97DE45A519419;
inline constexpr std::uint64_t UI_PROMPT_SET_CONTROL_ACTION = 0xB5352B7494A08258;
inline constexpr std::uint64_t UI_PROMPT_SET_TEXT = 0x5DD02A8318420DD7;
inline constexpr std::uint64_t UI_PROMPT_SET_STANDARD_MODE = 0xCC6656799977741B;
inline constexpr std::uint64_t UI_PROMPT_SET_ATTRIBUTE = 0x560E76D5E2E1803F;
inline constexpr std::uint64_t UI_PROMPT_REGISTER_END = 0xF7AA2696A22AD8B9;
inline constexpr std::uint64_t UI_PROMPT_SET_PRIORITY = 0xCA24F528D0D16289;
inline constexpr std::uint64_t UI_PROMPT_SET_ENABLED = 0x8A0FB4D03A630D21;
inline constexpr std::uint64_t UI_PROMPT_SET_VISIBLE = 0x71215ACCFDE075EE;
inline constexpr std::uint64_t UI_PROMPT_HAS_STANDARD_MODE_COMPLETED = 0xC92AC953F0A982AE;
inline constexpr std::uint64_t UI_PROMPT_DELETE = 0x00EDE88D4D13CF59;
inline constexpr std::uint64_t GET_ENTITY_MODEL = 0xDA76A9F39210D365;
inline constexpr std::uint64_t PLAY_PED_AMBIENT_SPEECH_NATIVE = 0x8E04FEDD28D42462;
inline constexpr std::uint64_t IS_PED_IN_MELEE_COMBAT = 0x4E209B2C1EAD5159;
inline constexpr std::uint64_t IS_PED_ARMED = 0xCB690F680A3EA971;
inline constexpr std::uint64_t GET_PED_NEARBY_PEDS = 0x23F8F5FC7E8C4A6B;
inline constexpr std::uint64_t HAS_ENTITY_BEEN_DAMAGED_BY_ENTITY = 0x7B6E7BEC1143AC86;
inline constexpr std::uint64_t IS_PED_MALE = 0x6D9F5FAA7488BA46;
inline constexpr std::uint64_t GET_RELATIONSHIP_BETWEEN_PEDS = 0xEBA5AD3A0EAF7121;
inline constexpr std::uint64_t CLEAR_PED_TASKS_IMMEDIATELY = 0xAAA34F8A7CB32098;
inline constexpr std::uint64_t SET_BLOCKING_OF_NON_TEMPORARY_EVENTS = 0x9F8AA94D6D97DBF4;
inline constexpr std::uint64_t SET_PED_COMBAT_MOVEMENT = 0x4D9CA1009AFBD057;
inline constexpr std::uint64_t SET_PED_COMBAT_ATTRIBUTES = 0x9F7794730795E019;
inline constexpr std::uint64_t GET_HASH_KEY = 0xFD340785ADF8CFB7;
inline constexpr std::uint64_t SET_PED_GRAPPLE_STYLE = 0x630E7B01F091A197;
inline constexpr std::uint64_t SET_PED_GRAPPLE_ACTION = 0x8301D87B1B89E219;
inline constexpr std::uint64_t SET_PED_GRAPPLE_FLAG = 0x789DABD18E9024DB;
inline constexpr std::uint64_t TASK_GO_TO_ENTITY = 0x6A071245EB0D1882;
inline constexpr std::uint64_t SET_PED_KEEP_TASK = 0x971D38760FBC02EF;
inline constexpr std::uint64_t GET_ENTITY_HEADING = 0xC230DD956E2F5507;
inline constexpr std::uint64_t SET_ENTITY_HEADING = 0xCF2B9C0645C4651B;
inline constexpr std::uint64_t TASK_GRAPPLE = 0x779A2FFACEFAEA7B;
inline constexpr std::uint64_t TASK_PUT_PED_DIRECTLY_INTO_GRAPPLE = 0xA05F3F20889D7A5B;
inline constexpr std::uint64_t TASK_COMBAT_PED = 0xF166E48407BAC484;
inline constexpr std::uint64_t BG_DISPLAY_TEXT = 0x16794E044C9EFB58;

}  // namespace quillomar::native
