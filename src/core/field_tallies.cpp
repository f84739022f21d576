#include "core/field_tallies.h"

#include <algorithm>

namespace quillomar {
namespace {

constexpr std::uint32_t kNearbyIntervalMs = 10000;

std::size_t VoiceRow(std::string_view voice) {
    const auto* known = std::find(std::begin(kReportedVoices), std::end(kReportedVoices), voice);
    return static_cast<std::size_t>(known - std::begin(kReportedVoices));
}

}  // namespace

void FieldTallies::Speech(std::string_view voice, std::size_t list, bool said) {
    speech[VoiceRow(voice)][list % kListRows][said ? 0 : 1].Add();
    fresh = true;
}

bool FieldTallies::NewHostile(std::int32_t ped) {
    if (std::find(lawSeen.begin(), lawSeen.end(), ped) != lawSeen.end()) return false;
    lawSeen[lawSeenNext] = ped;
    lawSeenNext = (lawSeenNext + 1) % lawSeen.size();
    return true;
}

void FieldTallies::Hostile(std::int32_t pedType, bool relCop, bool law) {
    std::array<Count, 2>& counts = this->law.Of({pedType, relCop});
    counts[0].Add();
    if (law) counts[1].Add();
    fresh = true;
}

void FieldTallies::Tackle(std::int32_t grappleStatus, std::int32_t directStatus) {
    tackle.Of({grappleStatus, directStatus})[0].Add();
    fresh = true;
}

void FieldTallies::Wall(WallAnswer answer) {
    walls[static_cast<std::size_t>(answer)].Add();
    fresh = true;
}

bool FieldTallies::NearbyDue(std::uint32_t now) {
    if (nearbyAsked && now - nearbyTick < kNearbyIntervalMs) return false;
    nearbyAsked = true;
    nearbyTick = now;
    return true;
}

void FieldTallies::Nearby(std::int32_t withZero, std::int32_t withAll) {
    nearby[withZero == withAll ? 0 : withZero < withAll ? 1 : 2].Add();
    fresh = true;
}

void FieldTallies::Control(std::string_view setting, std::uint32_t control, bool known) {
    controls.Of({setting, control})[known ? 0 : 1].Add();
    fresh = true;
}

}  // namespace quillomar
