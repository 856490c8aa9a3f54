#include "match/puzzle_rules.h"

#include <algorithm>

#include "match/match_state.h"
#include "options/options_file.h"
#include "puzzle/puzzle_file.h"

int8_t& PuzzleSwapAllowance() { return matchPuzzle.swapLimit; }

int8_t& PuzzleGoalType() { return matchPuzzle.goalType; }

int32_t& PuzzleGoalValue() { return matchPuzzle.goalValue; }

PuzzleProblem PuzzleFromTables(int index) {
    const int i = std::clamp(index, 0, puzzleCount - 1);
    PuzzleProblem problem{};
    std::copy(puzzleTables.boards[i], puzzleTables.boards[i] + boardCells, problem.cells);
    problem.targetSum = puzzleTables.targetSums[i];
    problem.swapLimit = puzzleTables.swapLimits[i];
    problem.goalType = puzzleTables.goalTypes[i];
    problem.goalValue = puzzleTables.goalValues[i];
    problem.seconds = puzzleTables.seconds[i];
    problem.minutes = puzzleTables.minutes[i];
    return problem;
}

void ShowProblem(const PuzzleProblem& problem) {
    matchPuzzle = problem;
    for (int r = 0; r < boardRows; ++r)
        for (int c = 0; c < boardColumns; ++c) Cell(0, r, c) = problem.cells[r * boardColumns + c];
    clockHours = 0;
    clockMinutes = problem.minutes;
    clockSeconds = problem.seconds;
    options.targetSumOffset = static_cast<int8_t>(problem.targetSum - 7);
}

void ShowPuzzle(int index) { ShowProblem(PuzzleFromTables(index)); }
