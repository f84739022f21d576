#pragma once
// One row of the voice-line catalogue, the bits that say when it fits, and the two voice sets.

#include <array>
#include <cstddef>
#include <cstdint>

namespace quillomar {

// The bits of SpeechLine::conditions. A taunt at a target reads the target bits; a combat taunt
// reads the fight bits. PositiveTag and NegativeTag only mark a line's tone and are read by
// neither filter.
struct LineCondition {
    static constexpr std::uint32_t TargetFemale = 0x0001;
    static constexpr std::uint32_t TargetMale = 0x0002;
    static constexpr std::uint32_t TargetGang = 0x0004;
    static constexpr std::uint32_t TargetRelGroup = 0x0008;
    static constexpr std::uint32_t PedsNearby = 0x0010;
    static constexpr std::uint32_t DeadNearby = 0x0020;
    static constexpr std::uint32_t Law = 0x0080;
    static constexpr std::uint32_t SingleEnemy = 0x0100;
    static constexpr std::uint32_t MultipleEnemies = 0x0200;
    static constexpr std::uint32_t PositiveTag = 0x0400;
    static constexpr std::uint32_t NegativeTag = 0x0800;
    static constexpr std::uint32_t PlayerHurt = 0x1000;
    static constexpr std::uint32_t PlayerGaveHit = 0x2000;
};

struct SpeechLine {
    const char* speechName;     // the game's speech-context name
    std::uint32_t conditions;   // LineCondition bits; 0 = always fits
    bool generic;               // drawn from the generic pool, never held back by the history
    std::int32_t variation;     // 0 where the line names none
    const char* voice;          // null: the voice set's own default voice
    std::int32_t fileLine = 0;  // the taunt list file's line the row came from; 0: built in
    bool muted = false;         // the player muted it: it is chosen as if it did not fit
};

// The player character whose lines are spoken.
enum class VoiceSet : std::int32_t { Arthur = 0, John = 1 };
inline constexpr std::size_t kVoiceSetCount = 2;

// The eight lists of a voice set: the six target states, Dead to Fleeing in key order, then the
// gunfight and melee lists.
enum class LineList : std::uint8_t {
    Dead,
    Writhing,
    FatallyInjured,
    Incapacitated,
    RagdollHurt,
    Fleeing,
    Gunfight,
    Melee
};
inline constexpr std::size_t kLineListCount = 8;

// One T for each of the eight lists, by LineList.
template <typename T>
struct PerList {
    std::array<T, kLineListCount> items{};

    T& operator[](LineList list) { return items[static_cast<std::size_t>(list)]; }
    const T& operator[](LineList list) const { return items[static_cast<std::size_t>(list)]; }
};

// The names players and tools know them by.
inline const char* VoiceSetName(VoiceSet set) { return set == VoiceSet::John ? "John" : "Arthur"; }
inline const char* LineListName(LineList list) {
    constexpr const char* kNames[kLineListCount] = {"Dead",        "Writhing", "FatallyInjured", "Incapacitated",
                                                    "RagdollHurt", "Fleeing",  "Gunfight",       "Melee"};
    return kNames[static_cast<std::size_t>(list) % kLineListCount];
}

}  // namespace quillomar
