#pragma once
// A scenario's world and ped properties, applied to the simulated game's world. Every value is
// checked first: a bad one throws ScenarioError before anything is changed by it.

#include <nlohmann/json.hpp>

#include "game.h"

namespace sim {

void ApplyPed(Ped& ped, const nlohmann::json& properties);
void ApplyWorld(World& world, const nlohmann::json& properties);

}  // namespace sim
