#pragma once
// What the player controls while he plays: the toggle key switches Quillomar off for the rest of
// this start of the script and on again; the mute key, or holding the Mute line prompt, mutes the
// line said last, for good, by adding it to the muted file; with ShowLineNames, each line said is
// named on the screen and in the log. Each says what it did in the notice.

namespace quillomar {

struct PluginState;

// Acts on the keys pressed since the last frame, in the order they came, and on the Mute line
// prompt held: at the start of a frame, after the player's files are looked at and before the gates.
void ReadPlayerKeys(PluginState& state);

// Names the line a frame's taunt said, when ShowLineNames asks for it.
void NameSpokenLine(PluginState& state);

}  // namespace quillomar
