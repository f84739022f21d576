#include "budget.h"

#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>

namespace budget {
namespace {

struct Limit {
    std::size_t maxCalls = 0;
    std::size_t totalCalls = 0;
};

bool ReadBudget(const std::string& path, std::map<std::string, Limit>& limits) {
    std::ifstream in(path);
    if (!in) return false;
    for (std::string line; std::getline(in, line);) {
        line = line.substr(0, line.find('#'));
        std::istringstream fields(line);
        std::string name;
        Limit limit;
        if (!(fields >> name)) continue;
        if (!(fields >> limit.maxCalls >> limit.totalCalls)) return false;
        limits[name] = limit;
    }
    return true;
}

}  // namespace

bool Check(const std::string& budgetPath, const std::vector<WorldCounts>& worlds) {
    std::map<std::string, Limit> limits;
    if (!ReadBudget(budgetPath, limits)) {
        std::printf("budget: cannot read %s\n", budgetPath.c_str());
        return false;
    }
    bool ok = true;
    auto breach = [&ok](const std::string& name, const char* what, std::size_t seen, std::size_t allowed) {
        std::printf("budget: %s: %s %zu, over the budget of %zu\n", name.c_str(), what, seen, allowed);
        ok = false;
    };
    for (const WorldCounts& world : worlds) {
        const replay::Counts& counts = world.counts;
        if (counts.maxSteadyAllocations != 0) {
            std::printf("budget: %s: %zu of %zu steady frames allocate, up to %zu times\n", world.name.c_str(),
                        counts.allocatingSteadyFrames, counts.steadyFrames, counts.maxSteadyAllocations);
            ok = false;
        }
        auto limit = limits.find(world.name);
        if (limit == limits.end()) {
            if (world.generated) breach(world.name, "has no budget line; native calls", counts.totalCalls, 0);
            continue;
        }
        if (counts.maxCalls > limit->second.maxCalls)
            breach(world.name, "native calls in one frame", counts.maxCalls, limit->second.maxCalls);
        if (counts.totalCalls > limit->second.totalCalls)
            breach(world.name, "native calls in all", counts.totalCalls, limit->second.totalCalls);
        std::printf("budget: %s: %zu calls (at most %zu a frame), budget %zu (%zu)\n", world.name.c_str(),
                    counts.totalCalls, counts.maxCalls, limit->second.totalCalls, limit->second.maxCalls);
        limits.erase(limit);
    }
    for (const auto& [name, limit] : limits) {
        std::printf("budget: %s has a budget line but no world\n", name.c_str());
        ok = false;
    }
    return ok;
}

}  // namespace budget
