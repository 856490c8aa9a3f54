#pragma once
#include <cstdint>

#include "puzzle/puzzle_file.h"

// "Data\CLEAR.dat": the player's progress through the problems, two tables
// of 100 bytes. 200 bytes, no header.
struct ClearFile {
    uint8_t solved[puzzleCount];       // 1 solved, else 0
    uint8_t bestSeconds[puzzleCount];  // most time left on the clock when solved, at most 255 s
};
static_assert(sizeof(ClearFile) == 200, "the file is the raw record");

extern ClearFile clearTables;

// Reads the file into the tables: both zero when it cannot be opened, and
// what a short file does not hold. A byte other than 1 is unsolved; an
// unsolved problem has no best time.
void ReadClearFile(ClearFile& tables);

// A solve of problem index with secondsLeft on the clock: when it is the
// first solve or a faster one, the tables take it and the file is written
// (atomically). True when the file now holds it; false when nothing improved
// or the write failed.
bool RecordSolve(ClearFile& tables, int index, int32_t secondsLeft);

// The puzzle tables and the progress back to their process start: every
// problem absent, nothing solved.
void ResetPuzzleRecords();
