#pragma once
// Every game native the plug-in calls, by its public name: the one place a hash is spelled. The
// simulated game dispatches on the same constants.
//
// Each native also says what kind of call it is, which decides whether a frame may remember its
// answer:
//   Query    asks about the game's state (GET_, IS_, DOES_, HAS_, the player's ped and index); an
//            identical query later in the same frame gets the same answer while nothing changes.
//   Change   changes the world (tasks, ped and entity setters, ambient speech): what the frame
//            knew may no longer hold.
//   Neutral  neither (prompts, text, hashing a name, a probe's start and result).

#include <cstdint>

namespace quillomar::native {

enum class Kind : std::uint8_t { Query, Change, Neutral };

// NAME, hash, kind.
#define QUILLOMAR_NATIVES(X)                                                         \
    X(GET_MISSION_FLAG, 0xB15CD1CF58771DE1, Query)                                   \
    X(PLAYER_PED_ID, 0x096275889B8E0EE0, Query)                                      \
    X(DOES_ENTITY_EXIST, 0xD42BD6EB2E0F1677, Query)                                  \
    X(IS_ENTITY_DEAD, 0x7D5B1F88E7504BBA, Query)                                     \
    X(PLAYER_ID, 0x217E9DC48139933D, Query)                                          \
    X(IS_PLAYER_CONTROL_ON, 0x7964097FCE4C244B, Query)                               \
    X(IS_PED_RAGDOLL, 0x47E4E977581C5B55, Query)                                     \
    X(IS_PED_DEAD_OR_DYING, 0x3317DEDB88C95038, Query)                               \
    X(VAR_STRING, 0xFA925AC00EB830B9, Neutral)                                       \
    X(IS_PED_IN_WRITHE, 0xDEB6D52126E7D640, Query)                                   \
    X(IS_PED_FATALLY_INJURED, 0xD839450756ED5A80, Query)                             \
    X(IS_PED_INCAPACITATED, 0xB655DB7582AEC805, Query)                               \
    X(IS_PED_FLEEING, 0xBBCCE00B381F8482, Query)                                     \
    X(IS_PED_IN_COMBAT, 0x4859F1FC66A6278E, Query)                                   \
    X(GET_ENTITY_HEALTH, 0x82368787EA73C0F7, Query)                                  \
    X(GET_ENTITY_MAX_HEALTH, 0x15D757606D170C3C, Query)                              \
    X(GET_PED_TYPE, 0xFF059E1E4C01E63C, Query)                                       \
    X(GET_PED_RELATIONSHIP_GROUP_HASH, 0x7DBDD04862D95F04, Query)                    \
    X(GET_ENTITY_SPEED, 0xFB6BA510A533DF81, Query)                                   \
    X(IS_PED_IN_COVER, 0x60DFD0691A170B88, Query)                                    \
    X(GET_ENTITY_COORDS, 0xA86D5F069399F44D, Query)                                  \
    X(GET_ENTITY_PLAYER_IS_FREE_AIMING_AT, 0xA6817C110B830EAD, Query)                \
    X(IS_PLAYER_TARGETTING_ANYTHING, 0x4605C66E0F935F83, Query)                      \
    X(GET_PLAYER_TARGET_ENTITY, 0xAE663DDD99C8A670, Query)                           \
    X(GET_PLAYER_INTERACTION_TARGET_ENTITY, 0x3EE1F7A8C32F24E1, Query)               \
    X(IS_ENTITY_A_PED, 0xCF8176912DDA4EA5, Query)                                    \
    X(GET_GAMEPLAY_CAM_COORD, 0x595320200B98596E, Query)                             \
    X(GET_GAMEPLAY_CAM_ROT, 0x0252D2B5582957A6, Query)                               \
    X(START_EXPENSIVE_SYNCHRONOUS_SHAPE_TEST_LOS_PROBE, 0x377906D8A31E5586, Neutral) \
    X(GET_SHAPE_TEST_RESULT, 0xEDE8AC7C5108FB1D, Neutral)                            \
    X(IS_ENTITY_ON_SCREEN, 0x613C15D5D8DB781F, Query)                                \
    X(IS_PED_HUMAN, 0xB980061DA992779D, Query)                                       \
    X(IS_PED_HOGTIED, 0x3AA24CCC0D451379, Query)                                     \
    X(IS_PED_BEING_HOGTIED, 0xD453BB601D4A606E, Query)                               \
    X(GET_PED_CONFIG_FLAG, 0x7EE53118C892B513, Query)                                \
    X(UI_PROMPT_REGISTER_BEGIN, 0x04F97DE45A519419, Neutral)                         \
    X(UI_PROMPT_SET_CONTROL_ACTION, 0xB5352B7494A08258, Neutral)                     \
    X(UI_PROMPT_SET_TEXT, 0x5DD02A8318420DD7, Neutral)                               \
    X(UI_PROMPT_SET_STANDARD_MODE, 0xCC6656799977741B, Neutral)                      \
    X(UI_PROMPT_SET_ATTRIBUTE, 0x560E76D5E2E1803F, Neutral)                          \
    X(UI_PROMPT_REGISTER_END, 0xF7AA2696A22AD8B9, Neutral)                           \
    X(UI_PROMPT_SET_PRIORITY, 0xCA24F528D0D16289, Neutral)                           \
    X(UI_PROMPT_SET_ENABLED, 0x8A0FB4D03A630D21, Neutral)                            \
    X(UI_PROMPT_SET_VISIBLE, 0x71215ACCFDE075EE, Neutral)                            \
    X(UI_PROMPT_HAS_STANDARD_MODE_COMPLETED, 0xC92AC953F0A982AE, Neutral)            \
    X(UI_PROMPT_DELETE, 0x00EDE88D4D13CF59, Neutral)                                 \
    X(GET_ENTITY_MODEL, 0xDA76A9F39210D365, Query)                                   \
    X(PLAY_PED_AMBIENT_SPEECH_NATIVE, 0x8E04FEDD28D42462, Change)                    \
    X(IS_PED_IN_MELEE_COMBAT, 0x4E209B2C1EAD5159, Query)                             \
    X(IS_PED_ARMED, 0xCB690F680A3EA971, Query)                                       \
    X(GET_PED_NEARBY_PEDS, 0x23F8F5FC7E8C4A6B, Query)                                \
    X(HAS_ENTITY_BEEN_DAMAGED_BY_ENTITY, 0x7B6E7BEC1143AC86, Query)                  \
    X(IS_PED_MALE, 0x6D9F5FAA7488BA46, Query)                                        \
    X(GET_RELATIONSHIP_BETWEEN_PEDS, 0xEBA5AD3A0EAF7121, Query)                      \
    X(CLEAR_PED_TASKS_IMMEDIATELY, 0xAAA34F8A7CB32098, Change)                       \
    X(SET_BLOCKING_OF_NON_TEMPORARY_EVENTS, 0x9F8AA94D6D97DBF4, Change)              \
    X(SET_PED_COMBAT_MOVEMENT, 0x4D9CA1009AFBD057, Change)                           \
    X(SET_PED_COMBAT_ATTRIBUTES, 0x9F7794730795E019, Change)                         \
    X(GET_HASH_KEY, 0xFD340785ADF8CFB7, Neutral)                                     \
    X(SET_PED_GRAPPLE_STYLE, 0x630E7B01F091A197, Change)                             \
    X(SET_PED_GRAPPLE_ACTION, 0x8301D87B1B89E219, Change)                            \
    X(SET_PED_GRAPPLE_FLAG, 0x789DABD18E9024DB, Change)                              \
    X(TASK_GO_TO_ENTITY, 0x6A071245EB0D1882, Change)                                 \
    X(SET_PED_KEEP_TASK, 0x971D38760FBC02EF, Change)                                 \
    X(GET_ENTITY_HEADING, 0xC230DD956E2F5507, Query)                                 \
    X(SET_ENTITY_HEADING, 0xCF2B9C0645C4651B, Change)                                \
    X(TASK_GRAPPLE, 0x779A2FFACEFAEA7B, Change)                                      \
    X(TASK_PUT_PED_DIRECTLY_INTO_GRAPPLE, 0xA05F3F20889D7A5B, Change)                \
    X(TASK_COMBAT_PED, 0xF166E48407BAC484, Change)                                   \
    X(BG_DISPLAY_TEXT, 0x16794E044C9EFB58, Neutral)                                  \
    X(IS_CONTROL_ACTION_VALID, 0xBC0884BC590951C7, Query)                            \
    X(UI_PROMPT_SET_HOLD_MODE, 0x94073D5CA3F16B7B, Neutral)                          \
    X(UI_PROMPT_HAS_HOLD_MODE_COMPLETED, 0xE0F65F0640EF0617, Neutral)                \
    X(GET_SCRIPT_TASK_STATUS, 0x77F1BEB8863288D5, Query)

#define QUILLOMAR_NATIVE_CONSTANT(name, hash, kind) inline constexpr std::uint64_t name = hash;
QUILLOMAR_NATIVES(QUILLOMAR_NATIVE_CONSTANT)
#undef QUILLOMAR_NATIVE_CONSTANT

// The kind of a native by its hash; a hash not in the table counts as a change, the safe side.
constexpr Kind KindOf(std::uint64_t hash) {
#define QUILLOMAR_NATIVE_KIND(name, value, kind) \
    if (hash == (value)) return Kind::kind;
    QUILLOMAR_NATIVES(QUILLOMAR_NATIVE_KIND)
#undef QUILLOMAR_NATIVE_KIND
    return Kind::Change;
}

}  // namespace quillomar::native
