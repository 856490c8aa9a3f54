#include "match/puzzle_rules.h"

#include <algorithm>

#include "match/match_state.h"
#include "options/options_file.h"
#include "puzzle/puzzle_file.h"

namespace {

int Current() { return std::clamp<int>(puzzleIndex, 0, puzzleCount - 1); }

}  // namespace

int8_t& PuzzleSwapAllowance() { return puzzleTables.swapLimits[Current()]; }

int8_t& PuzzleGoalType() { return puzzleTables.goalTypes[Current()]; }

int32_t& PuzzleGoalValue() { return puzzleTables.goalValues[Current()]; }

void ShowPuzzle(int index) {
    const int i = std::clamp(index, 0, puzzleCount - 1);
    for (int r = 0; r < boardRows; ++r)
        for (int c = 0; c < boardColumns; ++c) Cell(0, r, c) = puzzleTables.boards[i][r * boardColumns + c];
    clockHours = 0;
    clockMinutes = puzzleTables.minutes[i];
    clockSeconds = puzzleTables.seconds[i];
    options.targetSumOffset = static_cast<int8_t>(puzzleTables.targetSums[i] - 7);
}
