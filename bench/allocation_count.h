#pragma once
// The program's heap allocations, counted (the program replaces the global operator new).

#include <cstddef>

namespace alloc {

std::size_t Count();

}  // namespace alloc
