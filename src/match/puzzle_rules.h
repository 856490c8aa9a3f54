#pragma once
#include <cstdint>

// The rules of the problem being played, as the match engine reads them: the
// puzzle tables at puzzleIndex (kept within the 100 problems).

// Swaps the problem still allows: -1 unlimited, -2 none at all, 0 used up.
// Counted down in the tables in memory; the next match reads them afresh.
int8_t& PuzzleSwapAllowance();
// 0 clear every panel, 1 reach a chain, 2 clear panels, 3 reach a score.
int8_t& PuzzleGoalType();
// What goal types 1..3 ask for at least.
int32_t& PuzzleGoalValue();

// Player 0's board becomes the problem's board, the clock its time limit,
// and the total at which lines vanish its own: the options' total is set for
// this match only (the options file keeps the player's).
void ShowPuzzle(int index);
