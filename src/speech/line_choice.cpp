#include "speech/line_choice.h"

#include <vector>

#include "config/settings.h"
#include "host/random.h"

namespace quillomar {
namespace {

constexpr std::uint32_t kSexBits = LineCondition::TargetFemale | LineCondition::TargetMale;

bool Has(std::uint32_t conditions, std::uint32_t bit) { return (conditions & bit) != 0; }

// The pools of one draw, in ascending row order. They outlive the draw only to keep their
// storage: a frame that draws a line allocates nothing.
std::vector<std::int32_t> gGenericPool;
std::vector<std::int32_t> gSpecificPool;

void ReservePools(std::size_t rows) {
    gGenericPool.reserve(rows);
    gSpecificPool.reserve(rows);
}

bool Fits(const SpeechLine& line, const TargetContext& target) { return LineMatchesTarget(line, target); }
bool Fits(const SpeechLine& line, const CombatContext& combat) { return LineMatchesCombat(line, combat); }

template <typename Context>
void FillPools(std::span<const SpeechLine> list, const Context& context, const RepeatQueue& history) {
    gGenericPool.clear();
    gSpecificPool.clear();
    const auto n = static_cast<std::int32_t>(list.size());
    for (std::int32_t i = 0; i < n; ++i) {
        const SpeechLine& line = list[static_cast<std::size_t>(i)];
        if (!Fits(line, context)) continue;
        if (line.generic) {
            gGenericPool.push_back(i);
        } else if (!InQueue(history, i)) {
            gSpecificPool.push_back(i);
        }
    }
    if (!gSpecificPool.empty()) return;
    // Every fitting specific row was spoken lately: all of them may come again.
    for (std::int32_t i = 0; i < n; ++i) {
        const SpeechLine& line = list[static_cast<std::size_t>(i)];
        if (!line.generic && Fits(line, context)) gSpecificPool.push_back(i);
    }
}

// The pool to draw from, or null when both are empty (then nothing is drawn).
const std::vector<std::int32_t>* ChoosePool() {
    if (gGenericPool.empty() && gSpecificPool.empty()) return nullptr;
    if (gGenericPool.empty()) return &gSpecificPool;
    if (gSpecificPool.empty()) return &gGenericPool;
    return Rand() % 100 < gSettings.genericLineChance ? &gGenericPool : &gSpecificPool;
}

template <typename Context>
std::optional<std::int32_t> Choose(std::span<const SpeechLine> list, const Context& context, RepeatQueue& history) {
    ReservePools(list.size());  // no-op for any list of the catalogue
    FillPools(list, context, history);
    const std::vector<std::int32_t>* pool = ChoosePool();
    if (pool == nullptr) return std::nullopt;
    const std::int32_t row = (*pool)[static_cast<std::size_t>(Rand()) % pool->size()];
    if (!list[static_cast<std::size_t>(row)].generic) {
        PushAndTrim(history, row, gSettings.repeatPreventionCount);
    }
    return row;
}

}  // namespace

bool LineMatchesTarget(const SpeechLine& line, const TargetContext& target) {
    const std::uint32_t m = line.conditions;
    if (m == 0) return true;
    if (Has(m, LineCondition::TargetFemale) && !target.female) return false;
    if (Has(m, LineCondition::TargetMale) && !target.male) return false;
    if ((m & ~kSexBits) == 0) return true;
    return (Has(m, LineCondition::TargetGang) && target.gang) ||
           (Has(m, LineCondition::TargetRelGroup) && target.relGroupMatch) ||
           (Has(m, LineCondition::PedsNearby) && target.nearbyPeds >= 1) ||
           (Has(m, LineCondition::DeadNearby) && target.nearbyDead >= 1);
}

bool LineMatchesCombat(const SpeechLine& line, const CombatContext& combat) {
    const std::uint32_t m = line.conditions;
    if (Has(m, LineCondition::SingleEnemy) && combat.hostileCount != 1) return false;
    if (Has(m, LineCondition::MultipleEnemies) && combat.hostileCount < 2) return false;
    if (Has(m, LineCondition::Law) && !combat.law) return false;
    if (Has(m, LineCondition::DeadNearby) && !combat.deadNearby) return false;
    if (Has(m, LineCondition::PlayerHurt) && !combat.playerHurt) return false;
    return !Has(m, LineCondition::PlayerGaveHit) || combat.playerGaveHit;
}

std::optional<std::int32_t> ChooseLine(std::span<const SpeechLine> list, const TargetContext& target,
                                       RepeatQueue& history) {
    return Choose(list, target, history);
}

std::optional<std::int32_t> ChooseLine(std::span<const SpeechLine> list, const CombatContext& combat,
                                       RepeatQueue& history) {
    return Choose(list, combat, history);
}

void ReserveLineChoice(std::size_t rows) {
    ReservePools(rows);
    ReserveHistoryRows(rows);
}

}  // namespace quillomar
