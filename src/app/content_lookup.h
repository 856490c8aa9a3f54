#pragma once
#include <string>
#include <vector>

// Where the game's pictures and sounds are: a folder holding Back\ and
// Sound\. The build puts them beside the executable; an install puts them in
// <prefix>/share/sumline, and the Debian package, whose executable lives in
// /usr/games, in /usr/share/games/sumline. Both are found from the
// executable's own folder (so an install moved elsewhere still finds them)
// and from the folder the build was configured to install into.

// The folders to look in, in order, without repeats.
std::vector<std::string> ContentCandidates(const std::string& executableFolder, const std::string& installedFolder);

// True when the folder holds the game's Back and Sound folders (in any case).
bool HoldsContent(const std::string& folder);

// The first candidate that holds the content; empty when none does.
std::string FindContent(const std::vector<std::string>& candidates);

// The one line said when none does, naming the folders looked in (no newline).
std::string ContentMissingLine(const std::vector<std::string>& candidates);
