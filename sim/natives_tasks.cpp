// What peds are told to do: tasks, combat attributes, ambient events, headings and grapples, and
// the game's hash of a name. Each order is told as an event ("task: ped 201 runs at ped 1 (stop
// 0.5 m)"); an order for a ped that does not exist does nothing.

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

#include "host/joaat.h"
#include "host/native_hashes.h"
#include "natives.h"

namespace sim {
namespace {

namespace n = quillomar::native;

std::string PedName(std::int32_t handle) { return "ped " + std::to_string(handle); }

// A hash by the name it was made from, when GET_HASH_KEY made it, else as 0x and 8 hex digits.
std::string NameOfHash(const Game& game, std::uint32_t hash) {
    if (auto found = game.hashNames.find(hash); found != game.hashNames.end()) return found->second;
    char text[11];
    std::snprintf(text, sizeof text, "0x%08X", hash);
    return text;
}

std::string Metres(float value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", static_cast<double>(value));
    return text;
}

// Runs change on the ped the first argument names, and tells what happened, if the ped exists.
template <typename Change>
void Order(NativeCall& c, Change change) {
    Ped* ped = c.world().FindPed(c.Int(0));
    if (ped == nullptr) return;
    std::string told = change(*ped);
    if (!told.empty()) c.game.events.push_back(told);
}

void SwitchIn(std::vector<std::int32_t>& switchedOn, std::int32_t value, bool on) {
    auto found = std::find(switchedOn.begin(), switchedOn.end(), value);
    if (on && found == switchedOn.end()) switchedOn.push_back(value);
    if (!on && found != switchedOn.end()) switchedOn.erase(found);
}

void HashName(NativeCall& c) {
    std::string name = TextAt(c.args[0]);
    std::uint32_t hash = quillomar::Joaat(name);
    c.game.hashNames.emplace(hash, name);
    c.ReturnHash(c.world().hashKeyFails ? 0u : hash);
}

void ClearTasks(NativeCall& c) {
    Order(c, [&c](Ped& ped) {
        ped.task = {};
        ped.keepTask = false;
        return "task: " + PedName(c.Int(0)) + " cleared";
    });
}

void BlockEvents(NativeCall& c) {
    Order(c, [&c](Ped& ped) {
        ped.blockingEvents = c.Low(1) != 0;
        return "events: " + PedName(c.Int(0)) +
               (ped.blockingEvents ? " ignores ambient events" : " reacts to ambient events");
    });
}

void SetCombatMovement(NativeCall& c) {
    Order(c, [&c](Ped& ped) {
        ped.combatMovement = c.Int(1);
        return "combat: " + PedName(c.Int(0)) + " movement " + std::to_string(ped.combatMovement);
    });
}

void SetCombatAttribute(NativeCall& c) {
    Order(c, [&c](Ped& ped) {
        bool on = c.Low(2) != 0;
        SwitchIn(ped.combatAttributes, c.Int(1), on);
        return "combat: " + PedName(c.Int(0)) + " attribute " + std::to_string(c.Int(1)) + (on ? " on" : " off");
    });
}

void GoToEntity(NativeCall& c) {
    Order(c, [&c](Ped& ped) {
        ped.task = {};
        ped.task.kind = PedTask::Kind::GoToEntity;
        ped.task.target = c.Int(1);
        ped.task.timeLimitMs = c.Int(2);
        ped.task.stopDistance = c.Float(3);
        ped.task.speed = c.Float(4);
        const char* pace = ped.task.speed >= 2.0f ? " runs at " : " walks to ";
        return "task: " + PedName(c.Int(0)) + pace + PedName(ped.task.target) + " (stop " +
               Metres(ped.task.stopDistance) + " m)";
    });
}

void KeepTask(NativeCall& c) {
    Order(c, [&c](Ped& ped) {
        ped.keepTask = c.Low(1) != 0;
        return ped.keepTask ? "task: " + PedName(c.Int(0)) + " keeps its task" : std::string();
    });
}

// Fighting a ped is being in combat with it, as the game's combat queries then say.
void CombatPed(NativeCall& c) {
    Order(c, [&c](Ped& ped) {
        ped.task = {};
        ped.task.kind = PedTask::Kind::Combat;
        ped.task.target = c.Int(1);
        SwitchIn(ped.fightingPeds, c.Int(1), true);
        return "task: " + PedName(c.Int(0)) + " fights " + PedName(c.Int(1));
    });
}

// The nearest ped on its way to the entity: the one that has just reached it and engages.
const std::pair<const std::int32_t, Ped>* NearestComingAt(const World& world, std::int32_t entity, const Vec3& at) {
    const std::pair<const std::int32_t, Ped>* nearest = nullptr;
    float nearestSquared = 0.0f;
    for (const auto& entry : world.peds) {
        const PedTask& task = entry.second.task;
        if (task.kind != PedTask::Kind::GoToEntity || task.target != entity) continue;
        const float dx = entry.second.position.x - at.x, dy = entry.second.position.y - at.y;
        if (nearest == nullptr || dx * dx + dy * dy < nearestSquared) {
            nearest = &entry;
            nearestSquared = dx * dx + dy * dy;
        }
    }
    return nearest;
}

// Which way the turned ped now looks at the ped that engages it: a heading h looks along
// (-sin h, cos h), so the ped is in front when its offset points that way.
std::string Facing(const World& world, std::int32_t handle, const Ped& turned) {
    const auto* engaging = NearestComingAt(world, handle, turned.position);
    if (engaging == nullptr) return "";
    const double radians = static_cast<double>(turned.heading) * 3.14159265358979 / 180.0;
    const double dx = engaging->second.position.x - turned.position.x;
    const double dy = engaging->second.position.y - turned.position.y;
    const bool inFront = -std::sin(radians) * dx + std::cos(radians) * dy >= 0.0;
    return (inFront ? ", facing " : ", back to ") + PedName(engaging->first);
}

void SetHeading(NativeCall& c) {
    Order(c, [&c](Ped& ped) {
        ped.heading = c.Float(1);
        return "heading: " + PedName(c.Int(0)) + " turned to " + Metres(ped.heading) + Facing(c.world(), c.Int(0), ped);
    });
}

void SetGrappleStyle(NativeCall& c) {
    Order(c, [&c](Ped& ped) {
        ped.grappleStyle = c.Low(1);
        return "grapple: " + PedName(c.Int(0)) + " style " + NameOfHash(c.game, ped.grappleStyle);
    });
}

void SetGrappleAction(NativeCall& c) {
    Order(c, [&c](Ped& ped) {
        ped.grappleAction = c.Low(1);
        return "grapple: " + PedName(c.Int(0)) + " action " + NameOfHash(c.game, ped.grappleAction);
    });
}

void SetGrappleFlag(NativeCall& c) {
    Order(c, [&c](Ped& ped) {
        bool on = c.Low(2) != 0;
        SwitchIn(ped.grappleFlags, c.Int(1), on);
        return "grapple: " + PedName(c.Int(0)) + " flag " + std::to_string(c.Int(1)) + (on ? " on" : " off");
    });
}

// The grapple starts (TASK_GRAPPLE) or is entered at once (TASK_PUT_PED_DIRECTLY_INTO_GRAPPLE).
template <bool Directly>
void Grapple(NativeCall& c) {
    Order(c, [&c](Ped& ped) {
        ped.task = {};
        ped.task.kind = PedTask::Kind::Grapple;
        ped.task.target = c.Int(1);
        ped.task.grapple = c.Low(2);
        std::string grapple = NameOfHash(c.game, ped.task.grapple);
        if (Directly) return "grapple: " + PedName(c.Int(0)) + " put straight into " + grapple;
        return "grapple: " + PedName(c.Int(0)) + " on " + PedName(c.Int(1)) + " " + grapple;
    });
}

// The status of a grapple task: what the world says, else 1 (running) while the ped has a grapple,
// 7 (none) otherwise; any other task is none.
void ScriptTaskStatus(NativeCall& c) {
    const Ped* ped = c.world().FindPed(c.Int(0));
    const bool grappleTask = c.Low(1) == quillomar::Joaat("SCRIPT_TASK_GRAPPLE") ||
                             c.Low(1) == quillomar::Joaat("SCRIPT_TASK_PUT_PED_DIRECTLY_INTO_GRAPPLE");
    constexpr std::int32_t kRunning = 1;
    constexpr std::int32_t kNone = 7;
    if (ped == nullptr || !grappleTask) return c.ReturnInt(kNone);
    c.ReturnInt(ped->grappleTaskStatus.value_or(ped->task.kind == PedTask::Kind::Grapple ? kRunning : kNone));
}

const NativeDef kTaskNatives[] = {
    {SIM_NATIVE(GET_SCRIPT_TASK_STATUS), "iii", 1, ScriptTaskStatus},
    {SIM_NATIVE(GET_HASH_KEY), "t", 1, HashName},
    {SIM_NATIVE(CLEAR_PED_TASKS_IMMEDIATELY), "iii", 0, ClearTasks},
    {SIM_NATIVE(SET_BLOCKING_OF_NON_TEMPORARY_EVENTS), "ii", 0, BlockEvents},
    {SIM_NATIVE(SET_PED_COMBAT_MOVEMENT), "ii", 0, SetCombatMovement},
    {SIM_NATIVE(SET_PED_COMBAT_ATTRIBUTES), "iii", 0, SetCombatAttribute},
    {SIM_NATIVE(TASK_GO_TO_ENTITY), "iiifffi", 0, GoToEntity},
    {SIM_NATIVE(SET_PED_KEEP_TASK), "ii", 0, KeepTask},
    {SIM_NATIVE(TASK_COMBAT_PED), "iiii", 0, CombatPed},
    {SIM_NATIVE(GET_ENTITY_HEADING), "i", 1,
     [](NativeCall& c) {
         const Ped* ped = c.world().FindPed(c.Int(0));
         c.ReturnFloat(ped != nullptr ? ped->heading : 0.0f);
     }},
    {SIM_NATIVE(SET_ENTITY_HEADING), "if", 0, SetHeading},
    {SIM_UNDERSCORED_NATIVE(SET_PED_GRAPPLE_STYLE), "ii", 0, SetGrappleStyle},
    {SIM_UNDERSCORED_NATIVE(SET_PED_GRAPPLE_ACTION), "ii", 0, SetGrappleAction},
    {SIM_UNDERSCORED_NATIVE(SET_PED_GRAPPLE_FLAG), "iii", 0, SetGrappleFlag},
    {SIM_NATIVE(TASK_GRAPPLE), "iiiifii", 0, Grapple<false>},
    {SIM_NATIVE(TASK_PUT_PED_DIRECTLY_INTO_GRAPPLE), "iiiffii", 0, Grapple<true>},
};

}  // namespace

std::span<const NativeDef> TaskNatives() { return kTaskNatives; }

}  // namespace sim
