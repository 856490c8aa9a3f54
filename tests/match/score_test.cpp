#include <gtest/gtest.h>

#include "match/match_state.h"
#include "match/puzzle_rules.h"
#include "match/score.h"
#include "match/vanish_rule.h"
#include "match/vanish_test_util.h"

using namespace vanishTest;

namespace {

constexpr int endless = 0, puzzle = 2;

// Steps of AnimateClear until the clearing line is idle (at most `limit`).
int RunClear(int limit = 1000) {
    int steps = 0;
    while (players[0].clearingLine.Active() && steps < limit) {
        AnimateClear(0);
        ++steps;
    }
    return steps;
}

// A line on a settled board (the previous clear's gravity has run).
void StartClear(std::initializer_list<int> values) {
    players[0].needsGravity = 0;
    PutRow(0, 2, 0, values);
    SelectLine(0, 0, 2, static_cast<int>(values.size()) - 1, 2);
    ConfirmLine(0);
}

}  // namespace

TEST(Score, CarryIntoTheHundredMillions) {
    FreshMatch(endless);
    players[0].score = 99999999;
    AddScore(0, 11);
    EXPECT_EQ(players[0].scoreHigh, 1);
    EXPECT_EQ(players[0].score, 10);

    players[0].score = 0;
    players[0].scoreHigh = 0;
    AddScore(0, 100000000);
    EXPECT_EQ(players[0].scoreHigh, 1);
    EXPECT_EQ(players[0].score, 0);

    players[0].score = 12;
    AddScore(0, 99999987);
    EXPECT_EQ(players[0].scoreHigh, 1);
    EXPECT_EQ(players[0].score, 99999999);
}

TEST(Score, OneHugeLineCarriesEveryWholeHundredMillion) {
    FreshMatch(endless);
    players[0].score = 50000000;
    AddScore(0, 999999LL * 1001);  // 1 000 998 999
    EXPECT_EQ(players[0].scoreHigh, 10);
    EXPECT_EQ(players[0].score, 50998999);
}

TEST(Score, SaturatesAtTheTop) {
    FreshMatch(endless);
    players[0].scoreHigh = 9999;
    players[0].score = 99999990;
    AddScore(0, 20);
    EXPECT_EQ(players[0].scoreHigh, 9999);
    EXPECT_EQ(players[0].score, 99999999);

    players[0].scoreHigh = 9998;
    players[0].score = 5;
    AddScore(0, 300000000);
    EXPECT_EQ(players[0].scoreHigh, 9999);
    EXPECT_EQ(players[0].score, 99999999);

    AddScore(0, 1);
    EXPECT_EQ(players[0].scoreHigh, 9999);
    EXPECT_EQ(players[0].score, 99999999);
}

TEST(Score, WorkedExampleCreditsOneHundredSeventyTwoAfterThirtySixSteps) {
    FreshMatch(endless, 3);
    StartClear({3, 4, 3});
    EXPECT_EQ(RunClear(), 36);
    const Player& pl = players[0];
    EXPECT_EQ(pl.score, 172);
    EXPECT_EQ(pl.lineScore, 0);
    EXPECT_EQ(pl.lineWeight, 0);
    EXPECT_EQ(pl.clearTimer, 0);
    EXPECT_EQ(pl.needsGravity, 1);
    EXPECT_EQ(Cell(0, 2, 0), -1);
    EXPECT_EQ(Cell(0, 2, 1), -1);
    EXPECT_EQ(Cell(0, 2, 2), -1);
}

TEST(Score, ClearWaitsForGravityARiseAndAFallingBatch) {
    FreshMatch(endless, 3);
    StartClear({3, 4, 3});
    players[0].needsGravity = 1;
    for (int i = 0; i < 40; ++i) AnimateClear(0);
    EXPECT_TRUE(players[0].clearingLine.Active());
    EXPECT_EQ(Cell(0, 2, 1), 13) << "cells stay marked while gravity runs";

    players[0].needsGravity = 0;
    players[0].dropPhase = 2;
    for (int i = 0; i < 20; ++i) AnimateClear(0);
    EXPECT_TRUE(players[0].clearingLine.Active());
    EXPECT_EQ(players[0].score, 0);

    players[0].dropPhase = -1;
    players[0].riseOffset = 6;
    for (int i = 0; i < 4; ++i) AnimateClear(0);
    EXPECT_TRUE(players[0].clearingLine.Active());

    // Completion only on a multiple of 12.
    players[0].riseOffset = 0;
    const int steps = RunClear();
    EXPECT_EQ((players[0].clearTimer), 0);
    EXPECT_GE(steps, 1);
    EXPECT_LE(steps, 4);
    EXPECT_EQ(players[0].score, 172);
}

TEST(Score, HugeLineCreditedWithItsCarry) {
    FreshMatch(endless, 0);
    players[0].chain = 998;
    level = 999;
    StartClear({7, 7});
    RunClear();
    EXPECT_EQ(players[0].scoreHigh, 10);   // 999999 x 1001
    EXPECT_EQ(players[0].score, 998999);
}

TEST(Score, PuzzleGoalsAreTestedAtEachCompletion) {
    FreshMatch(puzzle, 3);
    PuzzleGoalType() = 1;
    PuzzleGoalValue() = 2;
    StartClear({3, 4, 3});
    RunClear();
    EXPECT_EQ(matchState, 0);
    StartClear({5, 5});
    RunClear();
    EXPECT_EQ(matchState, 1) << "a chain of 2 reaches the goal";
    EXPECT_EQ(matchEnd, 1);

    FreshMatch(puzzle, 3);
    PuzzleGoalType() = 2;
    PuzzleGoalValue() = 5;
    StartClear({3, 4, 3});
    RunClear();
    EXPECT_EQ(matchState, 0);
    StartClear({1, 2, 3, 4});
    RunClear();
    EXPECT_EQ(matchState, 1) << "seven panels cleared";

    FreshMatch(puzzle, 3);
    PuzzleGoalType() = 3;
    PuzzleGoalValue() = 40;
    StartClear({3, 4, 3});  // 36 x 1.1 = 39 points, x 4
    RunClear();
    EXPECT_EQ(players[0].score, 156);
    EXPECT_EQ(matchState, 1);

    FreshMatch(puzzle, 3);
    PuzzleGoalType() = 0;  // empty board: not tested here
    PuzzleGoalValue() = 0;
    StartClear({3, 4, 3});
    RunClear();
    EXPECT_EQ(matchState, 0);
}
