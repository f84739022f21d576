#pragma once
// What the field report gathers, for the life of the process, so that a restart of the script adds
// to the same counts: the game's answers to what only the game can settle. Every table has a fixed
// number of rows (what does not fit is counted as other) and every count stops at its largest
// value rather than wrap.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace quillomar {

// A count that stops at its largest value.
struct Count {
    std::uint32_t value = 0;
    void Add() {
        if (value != UINT32_MAX) ++value;
    }
};

// Counts by key, for at most Rows keys; a key beyond them is counted with the others.
template <typename Key, std::size_t Rows, std::size_t Counts>
struct KeyedCounts {
    struct Row {
        Key key{};
        std::array<Count, Counts> counts{};
    };
    std::array<Row, Rows> rows{};
    std::size_t used = 0;
    std::array<Count, Counts> other{};

    std::array<Count, Counts>& Of(const Key& key) {
        for (std::size_t i = 0; i < used; ++i) {
            if (rows[i].key == key) return rows[i].counts;
        }
        if (used == Rows) return other;
        rows[used].key = key;
        return rows[used++].counts;
    }
};

// Where a probe that includes the world stops, along a camera ray that found a ped.
enum class WallAnswer { SamePed, SomethingElse, Nothing };

// The voices the game's own scripts give the player, and those some lines name; others are counted apart.
inline constexpr std::string_view kReportedVoices[] = {"ARTHUR", "JOHN_PLAYER", "JOHN", "JOHN_AI"};
inline constexpr std::size_t kVoiceRows = std::size(kReportedVoices) + 1;
inline constexpr std::size_t kListRows = 8;  // the lists of a voice set, by LineList

struct FieldTallies {
    bool fresh = false;  // something was gathered since the report was last written

    // Speech requests by voice and list: said, refused.
    std::array<std::array<std::array<Count, 2>, kListRows>, kVoiceRows> speech{};
    bool arthurSeen = false;  // the voice sets the player spoke with
    bool johnSeen = false;

    // Hostiles seen for the first time, by ped type and whether the group is REL_COP: seen, called law.
    struct LawKey {
        std::int32_t pedType;
        bool relCop;
        bool operator==(const LawKey&) const = default;
    };
    KeyedCounts<LawKey, 16, 2> law;
    std::array<std::int32_t, 256> lawSeen{};  // the last 256 hostiles recorded, a ring
    std::size_t lawSeenNext = 0;

    // Engagements by the status of the grapple task and of the direct grapple, 500 ms on.
    struct StatusKey {
        std::int32_t grapple;
        std::int32_t direct;
        bool operator==(const StatusKey&) const = default;
    };
    KeyedCounts<StatusKey, 16, 1> tackle;

    std::array<Count, 3> walls{};  // by WallAnswer

    std::array<Count, 3> nearby{};  // equal counts, fewer with 0, more with 0
    bool nearbyAsked = false;
    std::uint32_t nearbyTick = 0;  // when the nearby query was last asked both ways

    // The game's answers about the prompts' controls, by setting and control: known, refused.
    struct ControlKey {
        std::string_view setting;
        std::uint32_t control;
        bool operator==(const ControlKey&) const = default;
    };
    KeyedCounts<ControlKey, 8, 2> controls;

    void Speech(std::string_view voice, std::size_t list, bool said);
    // True when the hostile was not among the last 256 recorded, which it now is.
    bool NewHostile(std::int32_t ped);
    void Hostile(std::int32_t pedType, bool relCop, bool law);
    void Tackle(std::int32_t grappleStatus, std::int32_t directStatus);
    void Wall(WallAnswer answer);
    // Whether the nearby query is due to be asked both ways (at most every 10 s), noting it asked.
    bool NearbyDue(std::uint32_t now);
    void Nearby(std::int32_t withZero, std::int32_t withAll);
    void Control(std::string_view setting, std::uint32_t control, bool known);
};

}  // namespace quillomar
