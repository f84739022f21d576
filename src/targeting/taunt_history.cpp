#include "targeting/taunt_history.h"

#include "platform/platform.h"

namespace quillomar {
namespace {

constexpr std::uint32_t kRetauntDelayMs = 15000;
constexpr std::uint32_t kPruneIntervalMs = 30000;

// Forgets the peds that no longer exist, at most once every 30 s. Elapsed times are unsigned
// differences, so the tick count's wrap is harmless.
void PruneVanishedPeds(TauntHistory& history) {
    std::uint32_t now = platform::TickCount();
    if (now - history.lastPruneTick <= kPruneIntervalMs) return;
    history.lastPruneTick = now;
    std::erase_if(history.records, [](const auto& entry) { return !DoesEntityExist(entry.first); });
}

// Makes room for one more ped by forgetting the taunt longest ago.
void ForgetOldestTaunt(TauntHistory& history, std::uint32_t now) {
    auto oldest = history.records.begin();
    for (auto it = history.records.begin(); it != history.records.end(); ++it) {
        if (now - it->second.lastTauntTick > now - oldest->second.lastTauntTick) oldest = it;
    }
    history.records.erase(oldest);
}

}  // namespace

bool CanTauntPed(const TauntHistory& history, Ped ped) {
    if (!DoesEntityExist(ped)) return true;
    const auto& records = history.records;
    auto found = records.find(ped);
    if (found == records.end()) return true;
    bool deadNow = IsEntityDead(ped);
    if (!found->second.wasDeadAtTaunt && deadNow) return true;
    return platform::TickCount() - found->second.lastTauntTick >= kRetauntDelayMs;
}

void RecordTaunt(TauntHistory& history, Ped target) {
    std::uint32_t now = platform::TickCount();
    const bool dead = IsEntityDead(target);
    if (history.records.size() >= kMaxTauntRecords && !history.records.contains(target)) {
        ForgetOldestTaunt(history, now);
    }
    history.records[target] = {now, dead};
    PruneVanishedPeds(history);
}

}  // namespace quillomar
