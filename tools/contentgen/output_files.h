#pragma once
#include <cstdint>
#include <string>
#include <vector>

// Creates the folder (and its parents); true when it exists afterwards.
bool MakeFolder(const std::string& path);

// Writes to a temporary file beside the target and renames it over the
// target, so a reader never sees half a file.
bool WriteFileAtomic(const std::string& path, const std::vector<uint8_t>& bytes);

