#pragma once
#include <cstdint>

#include "match/match_start.h"

// The rules of the problem being played, as the match engine reads them: the
// match's own copy of the problem (matchPuzzle), taken from the puzzle tables
// or from a start record.

// Swaps the problem still allows: -1 unlimited, -2 none at all, 0 used up.
// Counted down in the match's copy; the next match takes the problem afresh.
int8_t& PuzzleSwapAllowance();
// 0 clear every panel, 1 reach a chain, 2 clear panels, 3 reach a score.
int8_t& PuzzleGoalType();
// What goal types 1..3 ask for at least.
int32_t& PuzzleGoalValue();

// Player 0's board becomes the problem's board, the clock its time limit,
// and the total at which lines vanish its own: the options' total is set for
// this match only (the options file keeps the player's).
void ShowPuzzle(int index);
// The same for a problem given whole (a start record's).
void ShowProblem(const PuzzleProblem& problem);
// Problem `index` of the puzzle tables (kept within the 100 problems).
PuzzleProblem PuzzleFromTables(int index);
