#pragma once
#include <string>

// The temporary files of the atomic writes: a write puts its bytes in
// ".<name>.XXXXXX" beside the target <name> (six letters and digits chosen by
// mkstemp), then renames it over the target. A write cut short (the game
// killed, the power gone) leaves that file behind.

// The mkstemp template for a resolved target path: "Data/.ED.dat.XXXXXX".
std::string TempTemplateBeside(const std::string& path);

// True when entry (a bare file name) is the temporary file of a write to one
// of the count names: a dot, one of the names (letter case ignored, as the
// game's paths are), a dot, then exactly six letters or digits.
bool IsTempOfWrite(const char* entry, const char* const* names, int count);
