#pragma once
#include <cstdint>

#include "replay/replay_record.h"

struct RankingFile;

// What an endless ranking entry keeps of the match that made it, besides the
// name typed afterwards: the score, level, longest chain, clock and
// difficulty. A replay carries the same in its start and result, so the
// ranking file needs no change to find its replays. Entries equal in all of
// it are told apart by age: the ranking keeps equal results in the order
// they came, and the replays' names sort the same way, so the n-th such
// entry belongs to the n-th oldest such replay.
struct RankingStamp {
    int32_t score = 0;
    int32_t scoreHigh = 0;
    int32_t level = 0;
    int32_t maxChain = 0;
    int32_t hours = 0;
    int32_t minutes = 0;
    int32_t seconds = 0;
    int8_t difficulty = 0;
    friend bool operator==(const RankingStamp&, const RankingStamp&) = default;
};

// The stamp of a replay that can stand in the ranking (an endless match that
// topped out with points); false for any other.
bool RankingStampOfReplay(const Replay& replay, RankingStamp& stamp);

// The stamp of entry place (0..99); false for an empty entry or a place
// outside the table.
bool RankingStampOfEntry(const RankingFile& table, int place, RankingStamp& stamp);

// How many entries above place carry the same stamp as it: which of the
// equal replays, oldest first, is its own.
int EqualEntriesAbove(const RankingFile& table, int place);
