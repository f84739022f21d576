#include "natives.h"

#include <algorithm>
#include <iterator>

#include "host/native_hashes.h"

namespace sim {
namespace {

namespace n = quillomar::native;

Ped* PedArg(NativeCall& call, std::size_t i) { return call.game.world.FindPed(call.Int(i)); }

bool PedHas(NativeCall& call, bool Ped::*flag) {
    Ped* ped = PedArg(call, 0);
    return ped != nullptr && ped->*flag;
}

Prompt* PromptArg(NativeCall& call) {
    auto found = call.game.prompts.find(call.Int(0));
    return found == call.game.prompts.end() ? nullptr : &found->second;
}

const NativeDef kNatives[] = {
    {n::GET_MISSION_FLAG, "GET_MISSION_FLAG", "", 1, [](NativeCall& c) { c.ReturnBool(c.game.world.missionActive); }},
    {n::PLAYER_PED_ID, "PLAYER_PED_ID", "", 1, [](NativeCall& c) { c.ReturnInt(c.game.world.playerPed); }},
    {n::PLAYER_ID, "PLAYER_ID", "", 1, [](NativeCall& c) { c.ReturnInt(c.game.world.playerIndex); }},
    {n::IS_PLAYER_CONTROL_ON, "IS_PLAYER_CONTROL_ON", "i", 1,
     [](NativeCall& c) { c.ReturnBool(c.Int(0) == c.game.world.playerIndex && c.game.world.playerInPlay); }},
    {n::DOES_ENTITY_EXIST, "DOES_ENTITY_EXIST", "i", 1, [](NativeCall& c) { c.ReturnBool(PedArg(c, 0) != nullptr); }},
    {n::IS_ENTITY_DEAD, "IS_ENTITY_DEAD", "i", 1, [](NativeCall& c) { c.ReturnBool(PedHas(c, &Ped::dead)); }},
    {n::IS_PED_RAGDOLL, "IS_PED_RAGDOLL", "i", 1, [](NativeCall& c) { c.ReturnBool(PedHas(c, &Ped::ragdoll)); }},
    {n::IS_PED_DEAD_OR_DYING, "IS_PED_DEAD_OR_DYING", "ii", 1,
     [](NativeCall& c) { c.ReturnBool(PedHas(c, &Ped::dead) || PedHas(c, &Ped::dying)); }},
    {n::UI_PROMPT_SET_ENABLED, "_UI_PROMPT_SET_ENABLED", "ii", 0,
     [](NativeCall& c) {
         if (Prompt* prompt = PromptArg(c)) prompt->enabled = c.args[1] != 0;
     }},
    {n::UI_PROMPT_SET_VISIBLE, "_UI_PROMPT_SET_VISIBLE", "ii", 0,
     [](NativeCall& c) {
         if (Prompt* prompt = PromptArg(c)) prompt->visible = c.args[1] != 0;
     }},
    {n::UI_PROMPT_DELETE, "_UI_PROMPT_DELETE", "i", 0, [](NativeCall& c) { c.game.prompts.erase(c.Int(0)); }},
};

}  // namespace

const NativeDef* FindNative(std::uint64_t hash) {
    auto found = std::find_if(std::begin(kNatives), std::end(kNatives),
                              [hash](const NativeDef& def) { return def.hash == hash; });
    return found == std::end(kNatives) ? nullptr : found;
}

const char* NativeName(std::uint64_t hash) {
    const NativeDef* def = FindNative(hash);
    return def != nullptr ? def->name : nullptr;
}

}  // namespace sim
