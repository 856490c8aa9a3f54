#pragma once

// puzzle: the problems of the puzzle mode ("Data\PZL.dat") and the player's
// progress through them ("Data\CLEAR.dat"). The match plays them and the
// editor (src/editor, above the match) writes them. It stands on shell,
// content and platform.

#include <cstdint>

constexpr int puzzleCount = 100;
constexpr int puzzleCells = 105;  // one board: 15 rows of 7, row 0 first

// "Data\PZL.dat": seven tables, one after the other, each indexed by the
// problem number. 12000 bytes, no header.
struct PuzzleFile {
    int8_t boards[puzzleCount][puzzleCells];  // -1 empty, 0..7 a panel
    int8_t targetSums[puzzleCount];           // 7..10
    int8_t swapLimits[puzzleCount];           // -1 no limit, -2 no swaps, 1..100
    int8_t goalTypes[puzzleCount];            // 0 clear all, 1 chain, 2 panels, 3 score
    int32_t goalValues[puzzleCount];          // what types 1..3 ask for
    int32_t seconds[puzzleCount];             // 0, 10, ..., 50
    int32_t minutes[puzzleCount];             // 0..10
};
static_assert(sizeof(PuzzleFile) == 12000, "the file is the raw record");

// The goal types.
constexpr int8_t goalClearAll = 0;
constexpr int8_t goalChain = 1;
constexpr int8_t goalPanels = 2;
constexpr int8_t goalScore = 3;

// The editor's range of a goal value of each type (type 0 ignores it).
struct GoalRange {
    int32_t low;
    int32_t high;
};
constexpr GoalRange goalRanges[4] = {{0, 1000000}, {2, 100}, {10, 1000}, {1000, 1000000}};

// The tables the puzzle mode plays from; the set-up of every puzzle match
// reads them afresh, so what a match changes (the swaps used) lasts one match.
extern PuzzleFile puzzleTables;

// Every problem absent: empty boards, target 7, no swap limit, goal 0, 0:00.
void DefaultPuzzleFile(PuzzleFile& tables);

// Reads "Data\PZL.dat" over the defaults: a short file keeps the defaults for
// what it does not hold. Every field is brought into its editor range (cells
// outside -1..7 become empty), so a damaged file cannot feed a bad value to
// the pictures or the rules. False when the file cannot be opened.
bool ReadPuzzleFile(PuzzleFile& tables);

// Brings every field into its editor range (see ReadPuzzleFile).
void ClampPuzzleFile(PuzzleFile& tables);

// Writes all 100 problems atomically; false when the file could not be
// written (the old file then stays as it was).
bool WritePuzzleFile(const PuzzleFile& tables);

// A problem with a time limit of 0:00 is absent.
bool PuzzlePresent(const PuzzleFile& tables, int index);

// The problem after index, when there is one to play: below 99 and present.
bool NextPuzzlePresent(const PuzzleFile& tables, int index);
