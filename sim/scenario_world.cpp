#include "scenario_world.h"

#include <string_view>

#include "scenario_values.h"

namespace sim {
namespace {

void Read(const Json& value, std::string_view key, bool& out) { out = ReadFlag(value, key); }
void Read(const Json& value, std::string_view key, std::int32_t& out) {
    out = static_cast<std::int32_t>(ReadWhole(value, key, INT32_MIN, INT32_MAX));
}
void Read(const Json& value, std::string_view key, std::uint32_t& out) { out = ReadHash(value, key); }
void Read(const Json& value, std::string_view key, float& out) { out = ReadFloat(value, key); }
void Read(const Json& value, std::string_view key, Vec3& out) { out = ReadVec3(value, key); }
void Read(const Json& value, std::string_view key, std::vector<std::int32_t>& out) { out = ReadHandles(value, key); }
void Read(const Json& value, std::string_view key, std::optional<std::int32_t>& out) {
    out = value.is_null() ? std::nullopt : std::optional<std::int32_t>(ReadHandle(value, key));
}
void Read(const Json& value, std::string_view key, std::vector<std::string>& out) {
    CheckArray(value, key);
    out.clear();
    for (const Json& text : value) out.push_back(ReadText(text, key));
}

template <auto Member, typename Owner>
void Set(Owner& owner, const Json& value, std::string_view key) {
    Read(value, key, owner.*Member);
}

template <typename Owner>
struct Property {
    const char* name;
    void (*apply)(Owner&, const Json&, std::string_view);
};

template <typename Owner, std::size_t N>
void ApplyProperties(const Property<Owner> (&table)[N], Owner& owner, const Json& values, std::string_view what) {
    if (!values.is_object())
        throw ScenarioError(std::string(what) + " properties need an object, not " + Shown(values));
    for (const auto& [name, value] : values.items()) {
        const Property<Owner>* property = nullptr;
        for (const Property<Owner>& candidate : table) {
            if (name == candidate.name) property = &candidate;
        }
        if (property == nullptr) throw ScenarioError("unknown " + std::string(what) + " property '" + name + "'");
        property->apply(owner, value, name);
    }
}

// Every ped property a scenario may set, by its name in the file. Hashes (model,
// relationshipGroup) are numbers or "0x…" text.
constexpr Property<Ped> kPedProperties[] = {
    {"human", Set<&Ped::human>},
    {"hogtied", Set<&Ped::hogtied>},
    {"beingHogtied", Set<&Ped::beingHogtied>},
    {"flag327", Set<&Ped::flag327>},
    {"dead", Set<&Ped::dead>},
    {"dying", Set<&Ped::dying>},
    {"writhing", Set<&Ped::writhing>},
    {"fatallyInjured", Set<&Ped::fatallyInjured>},
    {"incapacitated", Set<&Ped::incapacitated>},
    {"ragdoll", Set<&Ped::ragdoll>},
    {"fleeing", Set<&Ped::fleeing>},
    {"inMelee", Set<&Ped::inMelee>},
    {"armed", Set<&Ped::armed>},
    {"male", Set<&Ped::male>},
    {"onScreen", Set<&Ped::onScreen>},
    {"inCover", Set<&Ped::inCover>},
    {"health", Set<&Ped::health>},
    {"maxHealth", Set<&Ped::maxHealth>},
    {"pedType", Set<&Ped::pedType>},
    {"relationshipGroup", Set<&Ped::relationshipGroup>},
    {"relationshipToPlayer", Set<&Ped::relationshipToPlayer>},
    {"model", Set<&Ped::model>},
    {"heading", Set<&Ped::heading>},
    {"speed", Set<&Ped::speed>},
    {"position", Set<&Ped::position>},
    {"fighting", Set<&Ped::fightingPeds>},
    {"damagedBy", Set<&Ped::damagedBy>},
    {"grappleTaskStatus", Set<&Ped::grappleTaskStatus>},
    {"behindWall", Set<&Ped::behindWall>},
};

void ApplyObjects(World& world, const Json& objects, std::string_view key) {
    CheckArray(objects, key);
    for (const Json& object : objects) {
        CheckObject(object, "an object", {"handle", "position"});
        Object& placed = world.objects[ReadHandle(object.value("handle", Json()), "handle")];
        placed.position = ReadVec3(object.value("position", Json()), "position");
    }
}

void ApplyPeds(World& world, const Json& peds, std::string_view key) {
    CheckArray(peds, key);
    for (const Json& ped : peds) {
        CheckObject(ped, "a ped", {"handle", "set"});
        std::int32_t handle = ReadHandle(ped.value("handle", Json()), "handle");
        try {
            ApplyPed(world.peds[handle], ped.value("set", Json::object()));
        } catch (const ScenarioError& error) {
            throw ScenarioError("ped " + std::to_string(handle) + ": " + error.what());
        }
    }
}

constexpr Property<World> kWorldProperties[] = {
    {"player", Set<&World::playerPed>},
    {"playerIndex", Set<&World::playerIndex>},
    {"playerInPlay", Set<&World::playerInPlay>},
    {"missionActive", Set<&World::missionActive>},
    {"refuseSpeech", Set<&World::speechRefused>},
    {"nullGameTexts", Set<&World::nullGameTexts>},
    {"nullPromptHandles", Set<&World::nullPromptHandles>},
    {"freeAim", Set<&World::freeAimEntity>},
    {"lockOn", Set<&World::lockOnEntity>},
    {"focus", Set<&World::focusEntity>},
    {"cameraPosition", Set<&World::cameraPosition>},
    {"cameraRotation", Set<&World::cameraRotation>},
    {"nearbyOrder", Set<&World::nearbyOrder>},
    {"nearbyClaim", Set<&World::nearbyClaim>},
    {"nearbyDroppedByZero", Set<&World::nearbyDroppedByZero>},
    {"unknownVoices", Set<&World::unknownVoices>},
    {"objects", ApplyObjects},
    {"peds", ApplyPeds},
};

}  // namespace

void ApplyPed(Ped& ped, const Json& properties) { ApplyProperties(kPedProperties, ped, properties, "ped"); }

void ApplyWorld(World& world, const Json& properties) { ApplyProperties(kWorldProperties, world, properties, "world"); }

}  // namespace sim
