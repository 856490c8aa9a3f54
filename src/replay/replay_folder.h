#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "replay/replay_record.h"

struct RankingFile;

// The Replays/ folder of the player's folder: one file per match, named
// "YYYYMMDD-HHMMSS-NN-MODE.replay" (the match's end in UTC, NN counting the
// saves of that second from 00, MODE endless, versus, puzzle or practice), so
// that names sort by age. It keeps the 50 newest replays and, for as long as
// its entry stands in the endless ranking ("Data\ED.dat"), the replay of
// every ranking entry. Files of other names are the player's own and are
// never removed.

constexpr int replaysKept = 50;

// Where the replays go; the executable names it at start-up. Until then,
// "Replays" beside the player's Data folder (platform/game_folders.h), or in
// the working folder when none is named.
void SetReplayFolder(const std::string& folder);
std::string ReplayFolder();

// The name a replay of the mode gets when saved at unixSeconds with that
// count in its second ("20261208-003354-00-endless.replay").
std::string ReplayFileName(int64_t unixSeconds, int sequence, int mode);
// True for a name of that form.
bool IsReplayFileName(const char* name);

// The replays in the folder, by name, newest first.
std::vector<std::string> ListReplays();

// Saves a finished match's replay as a new file of the folder, written
// atomically, then prunes the folder. Never call it in a play frame (it
// writes and reads files). The name given names the file when it is saved.
// A clock set back never makes a new replay sort before an older one: it
// takes the newest name's second instead. False, with one line on standard
// error, when the file could not be written (the folder is then not pruned).
bool SaveReplay(const Replay& replay, std::string& savedName);
bool SaveReplayAt(const Replay& replay, int64_t unixSeconds, std::string& savedName);

// Removes every replay but the 50 newest and those of the entries standing
// in the ranking file, and the leftovers of cut-short saves. Returns how many
// files it removed.
int PruneReplays();

// The path of the replay of entry place (0..99) of the table; empty when it
// has none (an empty entry, a replay removed or never saved).
std::string FindRankingReplay(const RankingFile& table, int place);
