// Text on screen: the debug-text native draws a game text at a screen position for one frame.

#include <algorithm>
#include <string>
#include <string_view>

#include "host/native_hashes.h"
#include "natives.h"

namespace sim {
namespace {

namespace n = quillomar::native;

// Keeps the latest text drawn at each place. The first text at a place and every change there
// are told, one event per line ("overlay: LINE"); drawing the same text again, as every frame
// does, is not.
void DrawScreenText(NativeCall& c) {
    const std::string* text = FindGameText(c.game, c.args[0]);
    ScreenText drawn{text != nullptr ? *text : std::string(), c.Float(1), c.Float(2)};
    std::vector<ScreenText>& places = c.game.screenTexts;
    auto place = std::find_if(places.begin(), places.end(),
                              [&](const ScreenText& shown) { return shown.x == drawn.x && shown.y == drawn.y; });
    if (place != places.end() && place->text == drawn.text) return;
    if (place == places.end()) {
        if (places.size() == kScreenTextPlaces) places.erase(places.begin());  // the place drawn at first is forgotten
        place = places.insert(places.end(), ScreenText{});
    }
    *place = std::move(drawn);
    std::string_view rest = place->text;
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
