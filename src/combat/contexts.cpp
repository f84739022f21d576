#include "combat/contexts.h"

#include <algorithm>

#include "core/geometry.h"
#include "host/game_names.h"
#include "platform/platform.h"

namespace quillomar {
namespace {

constexpr float kDeadNearbyRange = 30.0f;
constexpr float kHostileRange = 50.0f;
constexpr float kTargetSurroundings = 25.0f;
constexpr std::int32_t kLawPedType = 4;
constexpr std::int32_t kGangRelationship = 4;

// The peds the game lists near the player, at most the buffer's 32 whatever count it claims.
struct NearbyList {
    NearbyPedBuffer buffer = {};
    std::int32_t count = 0;

    explicit NearbyList(Ped playerPed) : count(std::clamp(NearbyPeds(playerPed, buffer), 0, kNearbyPedCapacity)) {}
    Ped At(std::int32_t i) const { return static_cast<Ped>(static_cast<std::uint32_t>(buffer[i + 1])); }
};

struct HostileTally {
    bool armed = false;
    bool unarmed = false;
};

// Once an armed hostile makes the fight a gunfight, the others' weapons decide nothing.
void AddHostile(CombatContext& context, Ped ped, HostileTally& tally) {
    ++context.hostileCount;
    context.hostilePeds.push_back(ped);
    if (!tally.armed) (IsPedArmedWithFirearm(ped) ? tally.armed : tally.unarmed) = true;
}

CombatMode DecideMode(const HostileTally& tally, bool playerHasGun, bool playerInMelee) {
    if (tally.armed || playerHasGun) return CombatMode::Gunfight;
    if (tally.unarmed || playerInMelee) return CombatMode::Melee;
    return CombatMode::None;
}

// A lawman by type, or failing that by relationship group.
bool IsLawman(Ped ped) { return PedType(ped) == kLawPedType || PedRelationshipGroup(ped) == game::kLawGroup; }

// For the field report: a hostile not recorded lately, by both answers the law test reads.
void RecordHostile(Ped ped, FieldTallies& field) {
    if (!field.NewHostile(ped)) return;
    const std::int32_t type = PedType(ped);
    const bool relCop = PedRelationshipGroup(ped) == game::kLawGroup;
    field.Hostile(type, relCop, type == kLawPedType || relCop);
}

// For the field report, at most every 10 s: the frame's query again with the last argument the
// game's scripts pass, counted against the frame's own.
void CompareNearbyFilter(Ped playerPed, const NearbyList& nearby, FieldTallies& field) {
    if (!field.NearbyDue(platform::TickCount())) return;
    NearbyPedBuffer all = {};
    constexpr std::int32_t kGamesLast = -1;
    field.Nearby(nearby.count, std::clamp(NearbyPeds(playerPed, all, kGamesLast), 0, kNearbyPedCapacity));
}

void ResetContext(CombatContext& context, Ped playerPed) {
    context.hostilePeds.clear();  // keeps its storage: a steady frame allocates nothing
    context.hostilePeds.reserve(kNearbyPedCapacity);
    context.player = playerPed;
    context.mode = CombatMode::None;
    context.hostileCount = 0;
    context.law = context.deadNearby = context.playerHurt = context.playerGaveHit = false;
    context.completed = false;
    context.deadCount = 0;
}

}  // namespace

void BuildCombatContext(CombatContext& context, Ped playerPed, std::int32_t storedPlayerHealth, FieldTallies* field) {
    ResetContext(context, playerPed);
    if (!DoesEntityExist(playerPed)) return;

    context.playerHurt = EntityHealth(playerPed) < storedPlayerHealth;
    bool playerInMelee = IsPedInMeleeCombat(playerPed);
    bool playerHasGun = IsPedArmedWithFirearm(playerPed);
    context.playerPosition = EntityCoords(playerPed);
    NearbyList nearby(playerPed);
    if (field != nullptr) CompareNearbyFilter(playerPed, nearby, *field);
    HostileTally tally;
    for (std::int32_t i = 0; i < nearby.count; ++i) {
        Ped ped = nearby.At(i);
        if (!DoesEntityExist(ped) || ped == playerPed) continue;
        if (IsEntityDead(ped)) {
            context.deadPeds[static_cast<std::size_t>(context.deadCount++)] = ped;
        } else if (IsPedInCombatWith(ped, playerPed) &&
                   Distance(context.playerPosition, EntityCoords(ped)) <= kHostileRange) {
            AddHostile(context, ped, tally);
            if (field != nullptr) RecordHostile(ped, *field);
        }
    }
    context.mode = DecideMode(tally, playerHasGun, playerInMelee);
}

void CompleteCombatContext(CombatContext& context) {
    if (context.completed) return;
    context.completed = true;
    for (Ped ped : context.hostilePeds) {
        if (!context.law) context.law = IsLawman(ped);
        if (!context.playerGaveHit) context.playerGaveHit = HasEntityBeenDamagedBy(ped, context.player);
    }
    for (std::int32_t i = 0; i < context.deadCount && !context.deadNearby; ++i) {
        const Ped dead = context.deadPeds[static_cast<std::size_t>(i)];
        context.deadNearby = Distance(context.playerPosition, EntityCoords(dead)) < kDeadNearbyRange;
    }
}

TargetContext BuildTargetContext(Ped target, Ped playerPed) {
    TargetContext context;
    context.player = playerPed;
    context.target = target;
    if (!DoesEntityExist(target)) return context;
    context.female = !IsPedMale(target);
    context.male = IsPedMale(target);
    Hash group = PedRelationshipGroup(target);
    context.gang = RelationshipBetween(playerPed, target) >= kGangRelationship;
    context.relGroupMatch = group == game::kUnnamedTargetGroup;

    Vector3 playerPosition = EntityCoords(playerPed);
    NearbyList nearby(playerPed);
    for (std::int32_t i = 0; i < nearby.count; ++i) {
        Ped ped = nearby.At(i);
        if (!DoesEntityExist(ped) || ped == target || ped == playerPed) continue;
        // Written so that a distance the game's NaN coordinates make unknown is out of range.
        if (!(Distance(playerPosition, EntityCoords(ped)) <= kTargetSurroundings)) continue;
        ++(IsEntityDead(ped) ? context.nearbyDead : context.nearbyPeds);
    }
    return context;
}

}  // namespace quillomar
