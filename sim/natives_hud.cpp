// Text on screen: the debug-text native draws a game text at a screen position for one frame.

#include <string>
#include <string_view>

#include "host/native_hashes.h"
#include "natives.h"

namespace sim {
namespace {

namespace n = quillomar::native;

// Keeps what was drawn and where. The first draw and every change are told, one event per line
// ("overlay: LINE"); drawing the same text again, as every frame does, is not.
void DrawScreenText(NativeCall& c) {
    const std::string* text = FindGameText(c.game, c.args[0]);
    ScreenText drawn{text != nullptr ? *text : std::string(), c.Float(1), c.Float(2)};
    ScreenText& shown = c.game.screenText;
    bool changed = c.game.screenTextDraws == 0 || drawn.text != shown.text || drawn.x != shown.x || drawn.y != shown.y;
    shown = std::move(drawn);
    ++c.game.screenTextDraws;
    if (!changed) return;
    std::string_view rest = shown.text;
    for (;;) {
        std::size_t end = rest.find('\n');
        c.game.events.push_back("overlay: " + std::string(rest.substr(0, end)));
        if (end == std::string_view::npos) break;
        rest.remove_prefix(end + 1);
    }
}

const NativeDef kHudNatives[] = {
    {SIM_UNDERSCORED_NATIVE(BG_DISPLAY_TEXT), "iff", 0, DrawScreenText},
};

}  // namespace

std::span<const NativeDef> HudNatives() { return kHudNatives; }

}  // namespace sim
