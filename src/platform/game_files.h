#pragma once
#include <cstddef>
#include <string>

// Game paths are written "Data\\OD.dat": backslash separated, relative to the
// game's folders (platform/game_folders.h: the working directory until the
// executable names others), letter case ignored when looking files up.

// Path on disk for a game path: existing components are found regardless of
// case; missing ones keep the spelling given. Empty for a path that is absolute
// or climbs out of the game's folders ("..").
std::string ResolveGamePath(const char* gamePath);

// Reads up to capacity bytes; returns the count read, or -1 when the file
// cannot be opened.
long ReadGameFile(const char* gamePath, void* buffer, size_t capacity);

// Reads the whole file; false when it cannot be opened or holds more than
// maxBytes (out is then empty).
bool ReadWholeGameFile(const char* gamePath, std::string& out, size_t maxBytes);

// The same for a path on disk, absolute or from the working directory.
bool ReadWholeDiskFile(const std::string& diskPath, std::string& out, size_t maxBytes);

// Writes the bytes to a temporary file beside the target, flushes it and
// renames it over the target, so an interrupted write never leaves a damaged
// file. Creates the folder when it is missing. False on any failure, which
// also puts one line on standard error: the file, the step that failed and
// the system's reason ("sumline: cannot save Data/ED.dat: rename: ...").
bool WriteGameFileAtomic(const char* gamePath, const void* data, size_t size);

// The same for a path on disk, absolute or from the working directory.
bool WriteDiskFileAtomic(const std::string& diskPath, const void* data, size_t size);

// Removes from the game folder (a game path, "Data") the regular files that
// IsTempOfWrite recognises for the names; everything else stays. Returns how
// many it removed; a missing folder removes none.
int RemoveWriteLeftovers(const char* gameFolder, const char* const* names, int count);
