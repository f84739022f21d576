#include "allocation_counter.h"

#include <cstdlib>
#include <new>

#include "game.h"

namespace {

std::size_t gAllocations = 0;
bool gInsideGame = false;

void NoteGameCall(bool inside) { gInsideGame = inside; }

}  // namespace

void* operator new(std::size_t size) {
    if (!gInsideGame) ++gAllocations;
    if (void* memory = std::malloc(size != 0 ? size : 1)) return memory;
    throw std::bad_alloc();
}
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }

namespace test {

std::size_t Allocations() { return gAllocations; }

PlugInAllocationsOnly::PlugInAllocationsOnly() { sim::TheGame().nativeCallHook = NoteGameCall; }
PlugInAllocationsOnly::~PlugInAllocationsOnly() {
    sim::TheGame().nativeCallHook = nullptr;
    gInsideGame = false;
}

}  // namespace test
