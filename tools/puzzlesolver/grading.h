#pragma once
// The figures of the whole set, and the one number that orders it: a longer
// shortest solution is harder, and among equally long ones, fewer solutions
// and more lines that lose at once make a problem harder.

#include <string>
#include <vector>

#include "puzzlebook/puzzle_book.h"
#include "puzzlesolver/search.h"

namespace solver {

struct GradedProblem {
    puzzleBook::Problem problem;
    Grade grade;
    bool storedValid = false;
    std::string storedReason;  // why the stored solution fails on the model
};

// shortest + a fraction below 1 that grows as solutions get fewer and traps
// more; 0 for a problem without a solution.
double Difficulty(const Grade& grade);

// The time limit a person needs for a solution of this many moves: a minute's
// thought less for short ones, rounded up to ten seconds, 0:10 to 10:00.
int HumanSeconds(int moves);

// Problems 1-10 are tier 1, 11-20 tier 2, and so on.
int Tier(int number);

// Each tier lies wholly above the one before it (within a tier the order is
// free: the first ten teach one rule after another). Lists the offenders.
std::vector<std::string> TierOverlaps(const std::vector<GradedProblem>& set);

// The mix of goals, targets and swap limits the set promises.
std::vector<std::string> MixShortfalls(const std::vector<GradedProblem>& set);

// docs/puzzles.md and the plot of the difficulty curve it shows.
std::string MarkdownReport(const std::vector<GradedProblem>& set, const std::string& plotName, double solveSeconds);
std::string CurveSvg(const std::vector<GradedProblem>& set);

}  // namespace solver
