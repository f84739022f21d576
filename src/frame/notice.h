#pragma once
// A word on screen for the player: that his files have problems or an edit was just applied, what
// his toggle and mute keys did; and, on a line of its own below, the name of a line said. Each is
// one line of text for 5 s, counted from the first frame in which the player is in play (not a
// loading screen), drawn last in every frame whatever the gates, below the debug overlay and away
// from the game's prompts.

#include <cstdint>
#include <string_view>

namespace quillomar {

struct Notice {
    char text[160] = {};
    bool waiting = false;  // given, not yet shown: it waits for the player to be in play
    bool showing = false;
    std::uint32_t since = 0;  // the tick of the first frame that showed it
};

inline constexpr std::uint32_t kNoticeMs = 5000;

// Where each kind stands, from the top of the screen: at the left edge, as the overlay is, but
// below its four lines; the game's prompts stand at the bottom right.
inline constexpr float kNoticeLine = 0.3f;
inline constexpr float kLineNameLine = 0.33f;

// Gives the notice its text, cut to fit; it waits for the player, then shows for 5 s. A notice
// given while another of its kind waits or shows takes its place.
void GiveNotice(Notice& notice, std::string_view text);

// Draws the notice at its line (its distance from the top of the screen) if it waits for a player
// now in play or shows; a frame without one calls no native, and none allocates.
void DrawNotice(Notice& notice, float line);

}  // namespace quillomar
