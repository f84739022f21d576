#include "targeting/taunt_history.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "platform/platform.h"

namespace quillomar {
namespace {

constexpr std::uint32_t kRetauntDelayMs = 15000;
constexpr std::uint32_t kPruneIntervalMs = 30000;
// Room for this many peds is made at every start, so that a taunt of a ped never taunted before
// allocates nothing in the frame.
constexpr std::size_t kReservedPeds = 256;

struct PedTauntRecord {
    Ped ped = 0;
    std::uint32_t lastTauntTick = 0;
    bool wasDeadAtTaunt = false;
};

// By ped handle, ascending.
struct PedTauntHistory {
    std::vector<PedTauntRecord> records;
    std::uint32_t lastPruneTick = 0;
};

PedTauntHistory& History() {
    static PedTauntHistory history;
    return history;
}

// Forgets the peds that no longer exist, at most once every 30 s. Elapsed times are unsigned
// differences, so the tick count's wrap is harmless.
void PruneVanishedPeds(PedTauntHistory& history) {
    std::uint32_t now = platform::TickCount();
    if (now - history.lastPruneTick <= kPruneIntervalMs) return;
    history.lastPruneTick = now;
    std::erase_if(history.records, [](const PedTauntRecord& record) { return !DoesEntityExist(record.ped); });
}

std::vector<PedTauntRecord>::iterator Find(std::vector<PedTauntRecord>& records, Ped ped) {
    return std::lower_bound(records.begin(), records.end(), ped,
                            [](const PedTauntRecord& record, Ped key) { return record.ped < key; });
}

}  // namespace

bool CanTauntPed(Ped ped) {
    if (!DoesEntityExist(ped)) return true;
    auto& records = History().records;
    auto found = Find(records, ped);
    if (found == records.end() || found->ped != ped) return true;
    bool deadNow = IsEntityDead(ped);
    if (!found->wasDeadAtTaunt && deadNow) return true;
    return platform::TickCount() - found->lastTauntTick >= kRetauntDelayMs;
}

void RecordTaunt(Ped target) {
    PedTauntHistory& history = History();
    std::uint32_t now = platform::TickCount();
    PedTauntRecord record{target, now, IsEntityDead(target)};
    auto found = Find(history.records, target);
    if (found != history.records.end() && found->ped == target) {
        *found = record;
    } else {
        history.records.insert(found, record);
    }
    PruneVanishedPeds(history);
}

void ClearTauntHistory() {
    PedTauntHistory& history = History();
    history = PedTauntHistory{};
    history.records.reserve(kReservedPeds);
}

std::size_t TauntHistorySize() { return History().records.size(); }

}  // namespace quillomar
