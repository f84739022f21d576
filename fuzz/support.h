#pragma once
// The fuzz targets' shared support: a folder of their own to write settings files in, and the
// check that stops a run with a finding.

namespace fuzz {

// Makes a fresh temporary folder the current one, once per process, and removes it when the
// process exits; later calls do nothing.
void EnterScratchFolder();

// Stops the run with a finding, saying what failed to hold, unless it holds.
void Require(bool holds, const char* what);

}  // namespace fuzz
