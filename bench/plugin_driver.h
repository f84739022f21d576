#pragma once
// The plug-in driven as its script loop drives it: start-up, then one frame at a time. The one
// place the measuring tools reach the plug-in's entry points.

namespace driver {

// Start-up, as at every start of the script; nothing it throws escapes.
void Start();

// One frame of the script's loop; nothing it throws escapes.
void Frame();

}  // namespace driver
