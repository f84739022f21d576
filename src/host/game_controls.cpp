#include "host/game_controls.h"

#include <algorithm>
#include <cstdio>

namespace quillomar {
namespace {

// One table in the whole plug-in, kept small: its names are a good part of the file's size.
constexpr GameControl kGameControls[] = {
#define QUILLOMAR_CONTROL(name, key) {name, Joaat(name)},
#include "host/game_controls.inc"
#undef QUILLOMAR_CONTROL
};

}  // namespace

std::span<const GameControl> GameControls() { return kGameControls; }

const GameControl* ControlNamed(std::string_view name) {
    const auto found = std::find_if(std::begin(kGameControls), std::end(kGameControls),
                                    [name](const GameControl& control) { return name == control.name; });
    return found != std::end(kGameControls) ? found : nullptr;
}

const GameControl* ControlOfHash(std::uint32_t hash) {
    const auto found = std::find_if(std::begin(kGameControls), std::end(kGameControls),
                                    [hash](const GameControl& control) { return control.hash == hash; });
    return found != std::end(kGameControls) ? found : nullptr;
}

std::string ControlText(std::uint32_t control) {
    char hash[16];
    std::snprintf(hash, sizeof hash, "0x%08X", static_cast<unsigned>(control));
    const GameControl* named = ControlOfHash(control);
    return named != nullptr ? std::string(named->name) + " (" + hash + ")" : hash;
}

}  // namespace quillomar
