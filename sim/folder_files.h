#pragma once
// The plug-in's folder as a scenario changes it between frames: a file written, stamped with the
// simulated wall-clock time as its last write (so that a run is repeatable to the millisecond),
// or removed; and a file another program holds open, letting others write it but not read it, as
// some editors and synchronising tools do. Files are not locked on Linux, so there holding one
// changes nothing; on Windows the plug-in then cannot read it.

#include <cstdint>
#include <string>

namespace sim {

// Writes the file whole, its last write at wallMs (milliseconds since 1970); false with the
// system's words in error when it cannot.
bool WriteFolderFile(const std::string& name, const std::string& text, std::uint64_t wallMs, std::string& error);

// Removes the file; one that is not there is no error.
bool RemoveFolderFile(const std::string& name, std::string& error);

// Makes a folder of that name, where the plug-in may then neither read nor write a file; false
// with the system's words in error when it cannot.
bool MakeFolderInFolder(const std::string& name, std::string& error);

// Holds the file open as another program would, until released; holding a held file again, or
// releasing one not held, does nothing.
bool HoldFolderFile(const std::string& name, std::string& error);
void ReleaseFolderFile(const std::string& name);
void ReleaseAllFolderFiles();

}  // namespace sim
