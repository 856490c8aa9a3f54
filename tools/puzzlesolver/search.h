#pragma once
// Shortest solutions of a problem: an iterative deepening search over whole
// moves (swaps between any two cells, lines that vanish), with the goal, the
// swap allowance and, where the goal needs a chain or a score, the chain and
// its clock in the position. Positions reached again at the same depth are
// counted once and remembered, so the number of shortest solutions comes out
// exactly.

#include <cstdint>
#include <string>
#include <vector>

#include "puzzlebook/puzzle_book.h"
#include "puzzlesolver/chain_timing.h"
#include "puzzlesolver/solver_board.h"

namespace solver {

struct SearchLimits {
    int maxDepth = 12;
    uint64_t maxPositions = 40'000'000;  // distinct positions remembered before giving up
    uint64_t maxMoves = 4'000'000'000;   // moves tried before giving up
};

struct Grade {
    bool solved = false;
    bool gaveUp = false;          // the limits ran out before a solution was found
    int shortest = 0;             // moves of the shortest solution
    uint64_t solutions = 0;       // distinct shortest solutions
    int losingFirstMoves = 0;     // lines selectable at the start that do not vanish
    int vanishingFirstLines = 0;  // lines selectable at the start that vanish
    int firstMoves = 0;           // distinct first moves (swaps and vanishing lines)
    uint64_t positions = 0;       // positions looked at
    double seconds = 0;
    std::vector<puzzleBook::Move> example;  // one shortest solution
};

Grade GradeProblem(const puzzleBook::Problem& problem, const SearchLimits& limits = {},
                   const ChainTiming& timing = {});

// Plays moves on the model; false (with the reason) when one is not possible
// or a line would not vanish, or the goal is not met by the last move, or
// earlier than it.
bool CheckSolution(const puzzleBook::Problem& problem, const std::vector<puzzleBook::Move>& moves,
                   std::string& reason, const ChainTiming& timing = {});

// What the moves reach on the model: the chain of the last line, the panels
// cleared and the score (for setting a goal a built solution meets).
struct Playout {
    int chain = 0;
    int cleared = 0;
    int64_t score = 0;
};
Playout PlaySolution(const puzzleBook::Problem& problem, const std::vector<puzzleBook::Move>& moves,
                     const ChainTiming& timing = {});

}  // namespace solver
