#pragma once
// Counts the test program's heap allocations (it replaces the global operator new), so tests
// can show that steady work allocates nothing.

#include <cstddef>

namespace test {

// Allocations counted so far.
std::size_t Allocations();

// Counts the plug-in's own allocations only: while it lives, allocations made inside the
// simulated game's answer to a native call are not counted.
class PlugInAllocationsOnly {
  public:
    PlugInAllocationsOnly();
    ~PlugInAllocationsOnly();
    PlugInAllocationsOnly(const PlugInAllocationsOnly&) = delete;
    PlugInAllocationsOnly& operator=(const PlugInAllocationsOnly&) = delete;
};

}  // namespace test
