#include "allocation_count.h"

#include <cstdlib>
#include <new>

namespace {

std::size_t gAllocations = 0;

}  // namespace

void* operator new(std::size_t size) {
    ++gAllocations;
    if (void* memory = std::malloc(size != 0 ? size : 1)) return memory;
    throw std::bad_alloc();
}
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }

namespace alloc {

std::size_t Count() { return gAllocations; }

}  // namespace alloc
