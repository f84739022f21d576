#include "speech/line_choice.h"

namespace quillomar {
namespace {

constexpr std::uint32_t kSexBits = LineCondition::TargetFemale | LineCondition::TargetMale;

bool Has(std::uint32_t conditions, std::uint32_t bit) { return (conditions & bit) != 0; }

// A muted row is chosen as if it did not fit.
bool Fits(const SpeechLine& line, const TargetContext& target) {
    return !line.muted && LineMatchesTarget(line, target);
}
bool Fits(const SpeechLine& line, const CombatContext& combat) {
    return !line.muted && LineMatchesCombat(line, combat);
}

template <typename Context>
void FillPools(std::span<const SpeechLine> list, const Context& context, const LineDraw& draw) {
    LinePools& pools = draw.pools;
    pools.generic.clear();
    pools.specific.clear();
    const auto n = static_cast<std::int32_t>(list.size());
    for (std::int32_t i = 0; i < n; ++i) {
        const SpeechLine& line = list[static_cast<std::size_t>(i)];
        if (!Fits(line, context)) continue;
        if (line.generic) {
            pools.generic.push_back(i);
        } else if (!HeldBack(draw.history, i, draw.rules.repeatPreventionCount)) {
            pools.specific.push_back(i);
        }
    }
    if (!pools.specific.empty()) return;
    // Every fitting specific row was spoken lately: all of them may come again.
    for (std::int32_t i = 0; i < n; ++i) {
        const SpeechLine& line = list[static_cast<std::size_t>(i)];
        if (!line.generic && Fits(line, context)) pools.specific.push_back(i);
    }
}

// The pool to draw from, or null when both are empty (then nothing is drawn).
const std::vector<std::int32_t>* ChoosePool(LinePools& pools, Random& random, std::int32_t genericLineChance) {
    if (pools.generic.empty() && pools.specific.empty()) return nullptr;
    if (pools.generic.empty()) return &pools.specific;
    if (pools.specific.empty()) return &pools.generic;
    return PercentChance(random, genericLineChance, ZeroChance::Draws) ? &pools.generic : &pools.specific;
}

template <typename Context>
std::optional<std::int32_t> Choose(std::span<const SpeechLine> list, const Context& context, const LineDraw& draw) {
    ReservePools(draw.pools, list.size());  // no-op for any list of the catalogue
    FillPools(list, context, draw);
    const std::vector<std::int32_t>* pool = ChoosePool(draw.pools, draw.random, draw.rules.genericLineChance);
    if (pool == nullptr) return std::nullopt;
    const std::int32_t row = (*pool)[static_cast<std::size_t>(draw.random.Next()) % pool->size()];
    if (!list[static_cast<std::size_t>(row)].generic) Push(draw.history, row);
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
                                       const LineDraw& draw) {
    return Choose(list, target, draw);
}

std::optional<std::int32_t> ChooseLine(std::span<const SpeechLine> list, const CombatContext& combat,
                                       const LineDraw& draw) {
    return Choose(list, combat, draw);
}

void ReservePools(LinePools& pools, std::size_t rows) {
    pools.generic.reserve(rows);
    pools.specific.reserve(rows);
}

}  // namespace quillomar
