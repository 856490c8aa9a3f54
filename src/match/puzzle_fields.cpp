#include "match/puzzle_fields.h"

int8_t puzzleSwapAllowance = -1;
int8_t puzzleGoalType = 0;
int32_t puzzleGoalValue = 0;

void ResetPuzzleFields() {
    puzzleSwapAllowance = -1;
    puzzleGoalType = 0;
    puzzleGoalValue = 0;
}
