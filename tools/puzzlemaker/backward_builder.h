#pragma once
// Builds candidate problems backwards from their solutions: lines are put
// into the board in the reverse of the order they will be cleared (the
// panels above move up, as they will fall back down), then swaps are undone
// into it. The solver grades each candidate afterwards; the stored solution
// is the solver's shortest one.

#include <cstdint>
#include <random>
#include <string>

#include "puzzlebook/puzzle_book.h"

namespace maker {

struct Recipe {
    int target = 7;
    int goalType = 0;    // as the puzzle file: 0 clear, 1 chain, 2 panels, 3 score
    int goalValue = 0;   // 0: what the built solution reaches
    int swapLimit = -1;  // -2 none, -1 any, n
    int lines = 3;       // lines of the built solution
    int swaps = 0;       // swaps undone into the board (the solution makes them)
    int noise = 0;       // panels laid first, which the solution need not clear
    int maxLength = 4;   // longest line
    int maxHeight = 9;   // rows the board may fill
    int zeros = 0;       // 0-panels put into lines
    int sevenPairs = 0;  // lines of two sevens (target 7 only)
    bool cluster = true; // lines close to each other (chains need it)
    bool deep = false;   // lines put in low, under the ones cleared after them,
                         // so the order is forced and falls make the lines
};

// One candidate (number 0, time limit unset), or false when the random
// choices ran into the board's edges.
bool BuildCandidate(const Recipe& recipe, std::mt19937& random, puzzleBook::Problem& out);

}  // namespace maker
