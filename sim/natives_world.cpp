// The world's natives: the player, entities and peds.

#include <algorithm>

#include "host/native_hashes.h"
#include "natives.h"

namespace sim {
namespace {

namespace n = quillomar::native;

// What the game answers about a ped that does not exist: zeros and falses throughout.
Ped MakeAbsentPed() {
    Ped ped;
    ped.human = false;
    ped.male = false;
    ped.onScreen = false;
    ped.health = 0;
    ped.maxHealth = 0;
    return ped;
}
const Ped kAbsentPed = MakeAbsentPed();

const Ped& PedAt(NativeCall& call, std::size_t i) {
    const Ped* ped = call.world().FindPed(call.Int(i));
    return ped != nullptr ? *ped : kAbsentPed;
}

bool Contains(const std::vector<std::int32_t>& handles, std::int32_t handle) {
    return std::find(handles.begin(), handles.end(), handle) != handles.end();
}

template <bool Ped::*Flag>
void ReturnFlag(NativeCall& c) {
    c.ReturnBool(PedAt(c, 0).*Flag);
}

std::int32_t RelationshipBetween(World& world, std::int32_t a, std::int32_t b) {
    if (a == world.playerPed && world.FindPed(b) != nullptr) return world.FindPed(b)->relationshipToPlayer;
    if (b == world.playerPed && world.FindPed(a) != nullptr) return world.FindPed(a)->relationshipToPlayer;
    return 0;
}

const NativeDef kWorldNatives[] = {
    {SIM_NATIVE(GET_MISSION_FLAG), "", 1, [](NativeCall& c) { c.ReturnBool(c.world().missionActive); }},
    {SIM_NATIVE(PLAYER_PED_ID), "", 1, [](NativeCall& c) { c.ReturnInt(c.world().playerPed); }},
    {SIM_NATIVE(PLAYER_ID), "", 1, [](NativeCall& c) { c.ReturnInt(c.world().playerIndex); }},
    {SIM_NATIVE(IS_PLAYER_CONTROL_ON), "i", 1,
     [](NativeCall& c) { c.ReturnBool(c.Int(0) == c.world().playerIndex && c.world().playerInPlay); }},
    {SIM_NATIVE(DOES_ENTITY_EXIST), "i", 1, [](NativeCall& c) { c.ReturnBool(c.world().EntityExists(c.Int(0))); }},
    {SIM_NATIVE(IS_ENTITY_A_PED), "i", 1, [](NativeCall& c) { c.ReturnBool(c.world().FindPed(c.Int(0)) != nullptr); }},
    {SIM_NATIVE(IS_ENTITY_DEAD), "i", 1, ReturnFlag<&Ped::dead>},
    {SIM_NATIVE(IS_PED_DEAD_OR_DYING), "ii", 1,
     [](NativeCall& c) { c.ReturnBool(PedAt(c, 0).dead || PedAt(c, 0).dying); }},
    {SIM_NATIVE(IS_PED_HUMAN), "i", 1, ReturnFlag<&Ped::human>},
    {SIM_NATIVE(IS_PED_HOGTIED), "i", 1, ReturnFlag<&Ped::hogtied>},
    {SIM_NATIVE(IS_PED_BEING_HOGTIED), "i", 1, ReturnFlag<&Ped::beingHogtied>},
    {SIM_NATIVE(GET_PED_CONFIG_FLAG), "iii", 1,
     [](NativeCall& c) { c.ReturnBool(c.Int(1) == 327 && PedAt(c, 0).flag327); }},
    {SIM_NATIVE(IS_PED_IN_WRITHE), "i", 1, ReturnFlag<&Ped::writhing>},
    {SIM_NATIVE(IS_PED_FATALLY_INJURED), "i", 1, ReturnFlag<&Ped::fatallyInjured>},
    {SIM_NATIVE(IS_PED_INCAPACITATED), "i", 1, ReturnFlag<&Ped::incapacitated>},
    {SIM_NATIVE(IS_PED_RAGDOLL), "i", 1, ReturnFlag<&Ped::ragdoll>},
    {SIM_NATIVE(IS_PED_FLEEING), "i", 1, ReturnFlag<&Ped::fleeing>},
    {SIM_NATIVE(IS_PED_IN_MELEE_COMBAT), "i", 1, ReturnFlag<&Ped::inMelee>},
    {SIM_NATIVE(IS_PED_MALE), "i", 1, ReturnFlag<&Ped::male>},
    {SIM_NATIVE(IS_ENTITY_ON_SCREEN), "i", 1,
     [](NativeCall& c) { c.ReturnBool(c.world().objects.count(c.Int(0)) != 0 || PedAt(c, 0).onScreen); }},
    {SIM_NATIVE(IS_PED_IN_COVER), "iii", 1, ReturnFlag<&Ped::inCover>},
    {SIM_NATIVE(IS_PED_ARMED), "ii", 1, [](NativeCall& c) { c.ReturnBool((c.Int(1) & 4) != 0 && PedAt(c, 0).armed); }},
    {SIM_NATIVE(IS_PED_IN_COMBAT), "ii", 1,
     [](NativeCall& c) { c.ReturnBool(Contains(PedAt(c, 0).fightingPeds, c.Int(1))); }},
    {SIM_NATIVE(HAS_ENTITY_BEEN_DAMAGED_BY_ENTITY), "iiii", 1,
     [](NativeCall& c) { c.ReturnBool(Contains(PedAt(c, 0).damagedBy, c.Int(1))); }},
    {SIM_NATIVE(GET_ENTITY_HEALTH), "i", 1, [](NativeCall& c) { c.ReturnInt(PedAt(c, 0).health); }},
    {SIM_NATIVE(GET_ENTITY_MAX_HEALTH), "ii", 1, [](NativeCall& c) { c.ReturnInt(PedAt(c, 0).maxHealth); }},
    {SIM_NATIVE(GET_PED_TYPE), "i", 1, [](NativeCall& c) { c.ReturnInt(PedAt(c, 0).pedType); }},
    {SIM_NATIVE(GET_PED_RELATIONSHIP_GROUP_HASH), "i", 1,
     [](NativeCall& c) { c.ReturnHash(PedAt(c, 0).relationshipGroup); }},
    {SIM_NATIVE(GET_RELATIONSHIP_BETWEEN_PEDS), "ii", 1,
     [](NativeCall& c) { c.ReturnInt(RelationshipBetween(c.world(), c.Int(0), c.Int(1))); }},
    {SIM_NATIVE(GET_ENTITY_MODEL), "i", 1, [](NativeCall& c) { c.ReturnHash(PedAt(c, 0).model); }},
    {SIM_NATIVE(GET_ENTITY_SPEED), "i", 1, [](NativeCall& c) { c.ReturnFloat(PedAt(c, 0).speed); }},
    {SIM_NATIVE(GET_ENTITY_COORDS), "iii", 3,
     [](NativeCall& c) {
         const Vec3* position = c.world().EntityPosition(c.Int(0));
         c.ReturnVector(position != nullptr ? *position : Vec3{});
     }},
};

}  // namespace

Ped* World::FindPed(std::int32_t handle) {
    auto found = peds.find(handle);
    return found == peds.end() ? nullptr : &found->second;
}

bool World::EntityExists(std::int32_t handle) const { return peds.count(handle) != 0 || objects.count(handle) != 0; }

const Vec3* World::EntityPosition(std::int32_t handle) const {
    if (auto ped = peds.find(handle); ped != peds.end()) return &ped->second.position;
    if (auto object = objects.find(handle); object != objects.end()) return &object->second.position;
    return nullptr;
}

std::span<const NativeDef> WorldNatives() { return kWorldNatives; }

}  // namespace sim
