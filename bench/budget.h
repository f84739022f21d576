#pragma once
// The plug-in's budgets, in counts a noisy machine cannot disturb: no heap allocation in a steady
// frame of any world, and, for each generated world, no more native calls than its budget allows.

#include <string>
#include <vector>

#include "replay.h"

namespace budget {

struct WorldCounts {
    std::string name;
    bool generated = false;
    replay::Counts counts;
};

// The budget file: one generated world a line, "NAME MAX_CALLS_IN_A_FRAME TOTAL_CALLS"; '#' starts
// a comment. Tells every breach on stdout; false on a breach, or when a generated world has no
// budget line or a line names no world.
bool Check(const std::string& budgetPath, const std::vector<WorldCounts>& worlds);

}  // namespace budget
