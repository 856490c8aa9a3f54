#pragma once
#include <string>

#include "replay/replay_codec.h"

// One replay file on disk, by its path (absolute or from the working folder).

// Reads and decodes the file. Only a regular file is opened, without waiting
// (a pipe or a folder in its place is refused at once), and one larger than
// replayMaxBytes is refused by its size without being read. False with the
// report saying why.
bool ReadReplayFile(const std::string& path, Replay& replay, ReplayReport& report);

// Writes the replay atomically (a temporary file renamed over the path), so
// a cut-short write never leaves half a replay. False, with one line on
// standard error, when it could not be written.
bool WriteReplayFile(const std::string& path, const Replay& replay);

// The whole line for standard error: "sumline: cannot play replay PATH: REASON".
std::string ReplayProblemLine(const std::string& path, const ReplayReport& report);
