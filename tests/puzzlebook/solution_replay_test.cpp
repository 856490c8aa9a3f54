#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "puzzle/puzzle_file.h"
#include "puzzlebook/puzzle_book.h"
#include "puzzlebook/solution_replay.h"

namespace {

using puzzleBook::Cell;
using puzzleBook::Move;
using puzzleBook::MoveKind;
using puzzleBook::Problem;
using solutionReplay::Replay;
using solutionReplay::ReplayResult;

constexpr int64_t seed = 1'700'000'000;

// "c4" as the book names cells: column a..g, row 1 the floor.
Cell At(const char* name) { return Cell{std::stoi(name + 1) + 1, name[0] - 'a'}; }
Move SwapOf(const char* from, const char* to) { return Move{MoveKind::swap, At(from), At(to)}; }
Move LineOf(const char* from, const char* to) { return Move{MoveKind::line, At(from), At(to)}; }

// A problem drawn as the book draws it: rows of seven, the top one first,
// the last standing on the floor.
Problem Drawn(std::vector<std::string> rows, int target, int goalType, int goalValue, std::vector<Move> solution,
              int swapLimit = -1) {
    Problem p;
    p.number = 1;
    for (int8_t& cell : p.board) cell = -1;
    const int count = static_cast<int>(rows.size());
    for (int i = 0; i < count; ++i) {
        const int r = 2 + count - 1 - i;
        for (int c = 0; c < 7; ++c)
            if (rows[i][c] != '.') p.board[r * 7 + c] = static_cast<int8_t>(rows[i][c] - '0');
    }
    p.target = target;
    p.goalType = goalType;
    p.goalValue = goalValue;
    p.swapLimit = swapLimit;
    p.minutes = 1;
    p.solution = std::move(solution);
    return p;
}

struct SolvedCase {
    const char* name;
    Problem problem;
    int chain;
};

// What ctest shows after the test's name: the moves.
void PrintTo(const SolvedCase& c, std::ostream* out) { *out << puzzleBook::FormatSolution(c.problem.solution); }

class SteadyPlayer : public ::testing::TestWithParam<SolvedCase> {};

TEST_P(SteadyPlayer, SolvesWithTheLastMoveAndSeesTheBanner) {
    const SolvedCase& c = GetParam();
    const ReplayResult r = Replay({c.problem}, 1, seed);
    EXPECT_TRUE(r.solved) << r.failure;
    EXPECT_EQ(r.failure, "");
    EXPECT_TRUE(r.clearShown);
    EXPECT_EQ(r.movesPut, static_cast<int>(c.problem.solution.size()));
    EXPECT_EQ(r.chain, c.chain);
    EXPECT_EQ(r.timeLimitSeconds, 60);
    EXPECT_GE(r.secondsLeft, 55);
    EXPECT_LE(r.secondsLeft, 60);
    EXPECT_GT(r.steps, 0);
}

INSTANTIATE_TEST_SUITE_P(
    HandMade, SteadyPlayer,
    ::testing::Values(
        SolvedCase{"ThreeAndFour", Drawn({"34....."}, 7, goalClearAll, 0, {LineOf("a1", "b1")}), 1},
        SolvedCase{"SwapIntoAHoleThenALine", Drawn({"3.4...."}, 7, goalClearAll, 0, {SwapOf("c1", "b1"), LineOf("a1", "b1")}),
                   1},
        // The column's clear lets the 2 fall beside the 5: the second line
        // comes while the first one's chain still runs.
        SolvedCase{"FallIntoASecondLine",
                   Drawn({"2......", "4......", "35....."}, 7, goalChain, 2, {LineOf("a1", "a2"), LineOf("a1", "b1")}),
                   2},
        SolvedCase{"TenPanels",
                   Drawn({"21121..", "12211.."}, 7, goalPanels, 10, {LineOf("a2", "e2"), LineOf("e1", "a1")}), 2},
        // 3 x 3 x 4 in a chain of three: 39 x 4 + 86 x 5 + 140 x 6 = 1426.
        SolvedCase{"ScoreOfAChainOfThree",
                   Drawn({"334....", "334....", "334...."}, 10, goalScore, 1000,
                         {LineOf("a3", "c3"), LineOf("c2", "a2"), LineOf("a1", "c1")}),
                   3}),
    [](const ::testing::TestParamInfo<SolvedCase>& tested) { return std::string(tested.param.name); });

Problem WithTime(Problem p, int minutes, int seconds) {
    p.minutes = minutes;
    p.seconds = seconds;
    return p;
}

struct WrongCase {
    const char* name;
    Problem problem;
    const char* failure;
};

void PrintTo(const WrongCase& c, std::ostream* out) { *out << puzzleBook::FormatSolution(c.problem.solution); }

class WrongSolution : public ::testing::TestWithParam<WrongCase> {};

TEST_P(WrongSolution, IsReportedWithItsMoveAndReason) {
    const WrongCase& c = GetParam();
    const ReplayResult r = Replay({c.problem}, 1, seed);
    EXPECT_FALSE(r.solved);
    EXPECT_EQ(r.failure, c.failure);
    EXPECT_FALSE(r.clearShown);
}

INSTANTIATE_TEST_SUITE_P(
    HandMade, WrongSolution,
    ::testing::Values(
        WrongCase{"LineMissesTheTarget", Drawn({"35....."}, 7, goalClearAll, 0, {LineOf("a1", "b1")}),
                  "move 1 (line a1 b1): the line did not vanish"},
        WrongCase{"LineOverAHole", Drawn({"34.2..."}, 7, goalClearAll, 0, {LineOf("a1", "d1")}),
                  "move 1 (line a1 d1): the line's end could not go on from b1 toward d1"},
        WrongCase{"LineAcrossRowAndColumn", Drawn({"4......", "34....."}, 7, goalClearAll, 0, {LineOf("a1", "b2")}),
                  "move 1 (line a1 b2): the ends are not in one row or one column"},
        WrongCase{"NoSwapsAllowed",
                  Drawn({"3.4...."}, 7, goalClearAll, 0, {SwapOf("c1", "b1"), LineOf("a1", "b1")}, -2),
                  "move 1 (swap c1 b1): the swap was refused (no panel on c1 or no swap left)"},
        WrongCase{"SwapPicksAHole", Drawn({"3.4...."}, 7, goalClearAll, 0, {SwapOf("b1", "c1"), LineOf("a1", "b1")}),
                  "move 1 (swap b1 c1): the swap was refused (no panel on b1 or no swap left)"},
        WrongCase{"SecondSwapOverTheLimit",
                  Drawn({"3.4...."}, 7, goalClearAll, 0, {SwapOf("c1", "b1"), SwapOf("b1", "c1")}, 1),
                  "move 2 (swap b1 c1): the swap was refused (no panel on b1 or no swap left)"},
        // The way to b1 costs 18 frames, a swap of b1 and e1 and the way
        // back 56: the clock's tick after 0:00, 550 frames in, comes
        // halfway through the tenth.
        WrongCase{"TooSlowForTheClock",
                  WithTime(Drawn({".3..4.."}, 7, goalClearAll, 0, std::vector<Move>(12, SwapOf("b1", "e1"))), 0, 10),
                  "move 10 (swap b1 e1): lost: the time ran out"},
        WrongCase{"BoardLeftUncleared", Drawn({"342...."}, 7, goalClearAll, 0, {LineOf("a1", "b1")}),
                  "after the last move: the goal was not met within 300 frames"}),
    [](const ::testing::TestParamInfo<WrongCase>& tested) { return std::string(tested.param.name); });

TEST(SteadyPlayerEnd, AMoveAfterTheSolveIsNeverPlayed) {
    const Problem p = Drawn({"34....."}, 7, goalClearAll, 0, {LineOf("a1", "b1"), LineOf("a1", "b1")});
    const ReplayResult r = Replay({p}, 1, seed);
    EXPECT_TRUE(r.solved) << r.failure;
    EXPECT_EQ(r.movesPut, 1);
    ASSERT_EQ(r.moves.size(), 2u);
    EXPECT_EQ(r.moves[1].keyed, -1);
}

// The frames the player takes, for anyone who plans moves against the clock
// or the chain: a cursor step, a swap of neighbours, a line of three from
// its anchor to its confirmation, and a clear with a fall of one row.
TEST(SteadyPlayerTiming, FramesOfEachKindOfStep) {
    // The cursor starts on d1. The swap makes the floor 3 1 2 4; f1..d1
    // clears and lets the 4 fall beside the 3.
    const Problem p = Drawn({"...4...", "..1324."}, 7, goalClearAll, 0,
                            {SwapOf("c1", "d1"), LineOf("f1", "d1"), LineOf("c1", "d1")});
    const ReplayResult r = Replay({p}, 1, seed);
    EXPECT_TRUE(r.solved) << r.failure;
    ASSERT_EQ(r.moves.size(), 3u);
    const auto& swap = r.moves[0];
    const auto& line = r.moves[1];
    const auto& last = r.moves[2];
    EXPECT_EQ(swap.reached - swap.begun, 9) << "a tap and the 8 frames of the cursor's step";
    // X, a cell to d1, X, and the exchange.
    EXPECT_EQ(swap.put - swap.keyed + 1, 1 + 9 + 1 + 13);
    EXPECT_EQ(swap.settled, swap.put) << "panels over panels: nothing falls";
    // Two cells to f1, begun on the step after the second X.
    const int secondX = swap.put - 13;
    EXPECT_EQ(line.reached - secondX, 2 * 9);
    // S, two cells of the end, S.
    EXPECT_EQ(line.put - line.keyed + 1, 1 + 9 + 9 + 1);
    EXPECT_EQ(line.settled - line.put, 36 + 3) << "the clear, then one row of fall";
    // A cell back from d1 while the line clears: the cursor waits on c1.
    EXPECT_EQ(last.reached, line.settled);
    EXPECT_EQ(last.put - last.keyed + 1, 1 + 9 + 1);
    EXPECT_EQ(r.steps, last.put + 36 + 1) << "the clear, then the board pass that finds the field empty";
}

}  // namespace

namespace {

// A chain goes on while each line is confirmed before the time since the
// line before plus the time its own selection was pending reaches 168
// frames: (confirmed - confirmed before) + (confirmed - anchored - 1) must
// stay at most 167. Here the second line stands in column g, as long as the
// case says; the steady player stretches it a cell per 9 frames.
struct ChainWindowCase {
    int cells;
    bool chained;
};

void PrintTo(const ChainWindowCase& c, std::ostream* out) { *out << c.cells << " cells"; }

class ChainWindow : public ::testing::TestWithParam<ChainWindowCase> {};

TEST_P(ChainWindow, CountsTheSecondLinesSelectionTwice) {
    const ChainWindowCase c = GetParam();
    std::vector<std::string> rows;
    if (c.cells > 7) rows.push_back("......0");
    for (int i = 0; i < 7; ++i) rows.push_back(i == 6 ? "34....1" : "......1");
    const std::string top = "g" + std::to_string(c.cells);
    const Problem p = Drawn(rows, 7, goalChain, 2, {LineOf("a1", "b1"), LineOf("g1", top.c_str())});
    const ReplayResult r = Replay({p}, 1, seed);
    ASSERT_EQ(r.moves.size(), 2u);
    const auto& first = r.moves[0];
    const auto& second = r.moves[1];
    const int window = (second.put - first.put) + (second.put - second.keyed - 1);
    EXPECT_EQ(window <= 167, c.chained) << window;
    EXPECT_EQ(r.solved, c.chained) << r.failure;
    EXPECT_EQ(r.chain, c.chained ? 2 : 1);
}

INSTANTIATE_TEST_SUITE_P(SteadyPlayerTiming, ChainWindow,
                         ::testing::Values(ChainWindowCase{7, true}, ChainWindowCase{8, false}),
                         [](const ::testing::TestParamInfo<ChainWindowCase>& tested) {
                             return "LineOf" + std::to_string(tested.param.cells);
                         });

}  // namespace
