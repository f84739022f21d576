#pragma once
// Worlds made up to measure the plug-in in, each a scenario: a quiet frame, a crowd, a writhing
// target among many peds, gunfights of growing size, and the debug overlay over a target.

#include <string>
#include <vector>

namespace worlds {

struct GeneratedWorld {
    std::string name;
    std::string scenarioJson;
};

std::vector<GeneratedWorld> GeneratedWorlds();

}  // namespace worlds
