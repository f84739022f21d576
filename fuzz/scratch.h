#pragma once
// The fuzz targets' shared support: a folder of their own to write settings files in.

namespace fuzz {

// Makes a fresh temporary folder the current one, once per process, and removes it when the
// process exits; later calls do nothing.
void EnterScratchFolder();

}  // namespace fuzz
