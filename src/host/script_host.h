#pragma once
// The script host's eight entry points, declared from their signatures. The shipped plug-in
// imports them from the host's DLL; the Linux build links them from the simulated game.

#include <cstdint>

extern "C" {

using ScriptEntry = void (*)();
using KeyboardHandler = void (*)(std::uint32_t key, std::uint16_t repeats, std::uint8_t scanCode,
                                 std::int32_t isExtended, std::int32_t isWithAlt, std::int32_t wasDownBefore,
                                 std::int32_t isUpNow);

void scriptRegister(void* module, ScriptEntry entry);
void scriptUnregister(void* module);
void scriptWait(std::uint32_t milliseconds);
void keyboardHandlerRegister(KeyboardHandler handler);
void keyboardHandlerUnregister(KeyboardHandler handler);

void nativeInit(std::uint64_t hash);
void nativePush64(std::uint64_t slot);
std::uint64_t* nativeCall();

}  // extern "C"
