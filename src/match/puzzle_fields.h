#pragma once
#include <cstdint>

// Rules of the puzzle being played that the match engine reads; the puzzle
// mode fills them from the puzzle file at set-up.
// Swaps the puzzle still allows: -1 unlimited, -2 none at all, 0 used up.
extern int8_t puzzleSwapAllowance;
// Goal: 0 clear every panel, 1 reach a chain, 2 clear panels, 3 reach a
// score, each of at least puzzleGoalValue.
extern int8_t puzzleGoalType;
extern int32_t puzzleGoalValue;

// The rules back to their start: unlimited swaps, goal 0 of value 0.
void ResetPuzzleFields();
