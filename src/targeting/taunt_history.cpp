#include "targeting/taunt_history.h"

#include <algorithm>

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
    std::erase_if(history.records, [](const PedTauntRecord& record) { return !DoesEntityExist(record.ped); });
}

template <typename Records>
auto LowerBound(Records& records, Ped ped) {
    return std::lower_bound(records.begin(), records.end(), ped,
                            [](const PedTauntRecord& record, Ped key) { return record.ped < key; });
}

// Makes room for one more ped by forgetting the taunt longest ago.
void ForgetOldestTaunt(TauntHistory& history, std::uint32_t now) {
    auto oldest = std::max_element(history.records.begin(), history.records.end(),
                                   [now](const PedTauntRecord& a, const PedTauntRecord& b) {
                                       return now - a.lastTauntTick < now - b.lastTauntTick;
                                   });
    history.records.erase(oldest);
}

}  // namespace

const PedTauntRecord* FindTauntRecord(const TauntHistory& history, Ped ped) {
    auto found = LowerBound(history.records, ped);
    return found != history.records.end() && found->ped == ped ? &*found : nullptr;
}

bool CanTauntPed(const TauntHistory& history, Ped ped) {
    if (!DoesEntityExist(ped)) return true;
    const PedTauntRecord* record = FindTauntRecord(history, ped);
    if (record == nullptr) return true;
    bool deadNow = IsEntityDead(ped);
    if (!record->wasDeadAtTaunt && deadNow) return true;
    return platform::TickCount() - record->lastTauntTick >= kRetauntDelayMs;
}

void RecordTaunt(TauntHistory& history, Ped target) {
    std::uint32_t now = platform::TickCount();
    const PedTauntRecord record{target, now, IsEntityDead(target)};
    auto found = LowerBound(history.records, target);
    if (found != history.records.end() && found->ped == target) {
        *found = record;
    } else {
        if (history.records.size() >= kMaxTauntRecords) {
            ForgetOldestTaunt(history, now);
            found = LowerBound(history.records, target);
        }
        history.records.insert(found, record);
    }
    PruneVanishedPeds(history);
}

}  // namespace quillomar
