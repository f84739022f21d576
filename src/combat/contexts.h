#pragma once
// What the plug-in knows of the player's surroundings: the fight the player is in, and the
// surroundings of the ped about to be taunted.

#include <array>
#include <cstdint>
#include <vector>

#include "core/field_tallies.h"
#include "host/natives.h"

namespace quillomar {

// The fight the player is in; the values (0, 1, 2) are read nowhere, only told apart.
enum class CombatMode : std::int32_t { None, Gunfight, Melee };

// The fight as the frame's scan sees it. law, deadNearby and playerGaveHit decide only which
// combat line is said and what the overlay shows, so the scan leaves them to CompleteCombatContext,
// asked at most once a frame by whoever reads them; until then they are false.
struct CombatContext {
    Ped player = 0;
    CombatMode mode = CombatMode::None;
    std::int32_t hostileCount = 0;   // always the length of hostilePeds
    bool law = false;                // a lawman is among the hostiles
    bool deadNearby = false;         // a body lies within 30 m of the player
    bool playerHurt = false;         // the player lost health since the previous frame
    bool playerGaveHit = false;      // the player has hurt a hostile
    std::vector<Ped> hostilePeds{};  // in the order the nearby-ped query gave them

    // What the scan leaves for the completion.
    bool completed = false;
    Vector3 playerPosition{};
    std::array<Ped, kNearbyPedCapacity> deadPeds{};  // in the order of the scan
    std::int32_t deadCount = 0;
};

struct TargetContext {
    Ped player = 0;
    Ped target = 0;
    bool female = false;
    bool male = true;
    bool gang = false;            // the player's relationship level to the target is 4 or more
    bool relGroupMatch = false;   // the target is in the relationship group whose name nobody knows
    std::int32_t nearbyPeds = 0;  // living peds within 25 m of the player, target and player aside
    std::int32_t nearbyDead = 0;  // dead peds within 25 m of the player, target and player aside
};

}  // namespace quillomar

namespace quillomar {

// Rebuilds the player's combat context in place, all but what the completion adds; the hostile
// list keeps its storage. storedPlayerHealth is the player's health as the previous frame stored it.
// With a field report, each hostile not recorded lately is asked its type and group, and now and
// then the nearby-ped query is asked again as the game's scripts ask it.
void BuildCombatContext(CombatContext& context, Ped playerPed, std::int32_t storedPlayerHealth,
                        FieldTallies* field = nullptr);

// Asks, once per build, whether a lawman is among the hostiles and whether the player hurt one
// (each until the first yes), and whether a body the scan passed lies within 30 m of the player.
void CompleteCombatContext(CombatContext& context);

// The surroundings of a ped about to be taunted.
TargetContext BuildTargetContext(Ped target, Ped playerPed);

}  // namespace quillomar
