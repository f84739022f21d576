#include "generated_worlds.h"

#include <cmath>
#include <nlohmann/json.hpp>

namespace worlds {
namespace {

using Json = nlohmann::json;

constexpr int kPlayer = 1;
constexpr int kFirstPed = 100;
constexpr int kHalfFrames = 30;  // frames before and after the player's press

Json PlayerPed(bool armed) { return {{"handle", kPlayer}, {"set", {{"position", {0, 0, 0}}, {"armed", armed}}}}; }

// The i-th of count peds on rings around the player, 4 to 20 m away.
Json RingPosition(int i) {
    const float radius = 4.0f + static_cast<float>(i % 5) * 4.0f;
    const float step = static_cast<float>(i / 5) * 0.83f + static_cast<float>(i % 5) * 0.29f;
    return {radius * std::cos(step), radius * std::sin(step), 0.0f};
}

Json Bystanders(Json peds, int count, int first) {
    for (int i = 0; i < count; ++i) peds.push_back({{"handle", first + i}, {"set", {{"position", RingPosition(i)}}}});
    return peds;
}

// The player acts once halfway, with the prompt's control.
Json TimelineWithPress() {
    return Json::array({{{"run", kHalfFrames}}, {{"press", "INPUT_CONTEXT_Y"}}, {{"run", kHalfFrames}}});
}

Json Scenario(Json world, Json timeline, const char* ini = nullptr) {
    Json scenario = {{"world", std::move(world)}, {"timeline", std::move(timeline)}};
    if (ini != nullptr) scenario["ini"] = ini;
    return scenario;
}

// A writhing ped in the player's focus, 6 m ahead, among `others` bystanders.
Json WrithingTargetWorld(int others) {
    Json peds = Bystanders(Json::array({PlayerPed(false)}), others, kFirstPed + 1);
    peds.push_back({{"handle", kFirstPed}, {"set", {{"position", {0, 6, 0}}, {"writhing", true}}}});
    return {{"player", kPlayer}, {"peds", peds}, {"focus", kFirstPed}};
}

Json Gunfight(int hostiles) {
    Json peds = Json::array({PlayerPed(true)});
    for (int i = 0; i < hostiles; ++i) {
        peds.push_back({{"handle", kFirstPed + i},
                        {"set", {{"position", RingPosition(i)}, {"armed", true}, {"fighting", {kPlayer}}}}});
    }
    return {{"player", kPlayer}, {"peds", peds}, {"freeAim", kFirstPed}};
}

}  // namespace

std::vector<GeneratedWorld> GeneratedWorlds() {
    const Json alone = {{"player", kPlayer}, {"peds", Json::array({PlayerPed(false)})}};
    const Json crowd = {{"player", kPlayer}, {"peds", Bystanders(Json::array({PlayerPed(false)}), 32, kFirstPed)}};
    std::vector<std::pair<std::string, Json>> made = {
        {"idle", Scenario(alone, Json::array({{{"run", 2 * kHalfFrames}}}))},
        {"crowd_32", Scenario(crowd, Json::array({{{"run", 2 * kHalfFrames}}}))},
        {"writhing_target_32", Scenario(WrithingTargetWorld(32), TimelineWithPress())},
        {"debug_target", Scenario(WrithingTargetWorld(0), TimelineWithPress(), "[Settings]\nDebugMode=1\n")},
    };
    for (int hostiles : {1, 8, 16, 32})
        made.emplace_back("gunfight_" + std::to_string(hostiles), Scenario(Gunfight(hostiles), TimelineWithPress()));
    std::vector<GeneratedWorld> worlds;
    for (auto& [name, scenario] : made) worlds.push_back({name, scenario.dump()});
    return worlds;
}

}  // namespace worlds
