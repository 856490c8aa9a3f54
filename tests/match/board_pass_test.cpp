#include <gtest/gtest.h>

#include "match/board_pass.h"
#include "match/hud_test_util.h"
#include "match/puzzle_rules.h"

namespace {

using namespace hudTest;

void Pass() {
    ClearBackBuffer();
    BoardPass();
}

// --- Drawing ---

TEST(BoardPassDraw, PanelsSitInTheirCellsAndSetTheHighestRow) {
    FreshMatch(endless);
    Cell(0, 2, 0) = 3;
    Cell(0, 9, 6) = 5;
    Cell(0, 10, 2) = 12;  // a marked panel is neither drawn nor counted
    Pass();
    EXPECT_TRUE(Filled(49, 352, 24, 24, PanelIndex(3)));
    EXPECT_TRUE(Filled(49 + 144, 352 - 24 * 7, 24, 24, PanelIndex(5)));
    EXPECT_EQ(CountIn(PanelIndex(7), 0, 0, 640, 480), 0);
    EXPECT_EQ(players[0].highestRow, 9);
}

TEST(BoardPassDraw, TopRowIsCutAtTheFieldTopWhileRising) {
    FreshMatch(endless);
    Cell(0, 14, 0) = 2;
    Cell(0, 13, 1) = 6;
    players[0].riseOffset = 10;
    Pass();
    EXPECT_TRUE(Filled(49, 64, 24, 14, PanelIndex(2)));
    EXPECT_EQ(CountIn(PanelIndex(2), 0, 0, 640, 480), 24 * 14);
    EXPECT_TRUE(Filled(73, 78, 24, 24, PanelIndex(6)));
}

TEST(BoardPassDraw, IncomingRowWaitsInTheNextStripAndSlidesIn) {
    FreshMatch(endless);
    Cell(0, 1, 3) = 7;
    Cell(0, 0, 3) = 1;
    Pass();
    EXPECT_TRUE(Filled(121, 389, 24, 24, PanelIndex(7)));
    EXPECT_EQ(CountIn(PanelIndex(1), 0, 0, 640, 480), 0);
    players[0].riseOffset = 7;
    Pass();
    // The lower 17 rows stay in the strip, the upper 7 have entered the field.
    EXPECT_TRUE(Filled(121, 389, 24, 17, PanelIndex(7)));
    EXPECT_TRUE(Filled(121, 369, 24, 7, PanelIndex(7)));
    EXPECT_EQ(CountIn(PanelIndex(7), 0, 0, 640, 480), 24 * 24);
    // Row 0 shows its top 7 rows at the strip's bottom.
    EXPECT_TRUE(Filled(121, 406, 24, 7, PanelIndex(1)));
    EXPECT_EQ(CountIn(PanelIndex(1), 0, 0, 640, 480), 24 * 7);
}

TEST(BoardPassDraw, HighestRowStaysWhileOnlyMarkedCellsAreLeft) {
    FreshMatch(endless);
    players[0].highestRow = 6;
    players[0].clearingLine = LineCells{0, 0, 6, 6};
    Cell(0, 6, 0) = 3 + markOffset;
    Pass();
    EXPECT_EQ(players[0].highestRow, 6);
}

// --- Top-out ---

TEST(TopOut, PanelInTheTopRowEndsTheMatchOnTheStepAfter201) {
    FreshMatch(endless);
    Cell(0, 14, 4) = 1;
    for (int i = 0; i < 201; ++i) Pass();
    EXPECT_EQ(players[0].topOutTimer, 201);
    EXPECT_EQ(matchState, 0);
    Pass();
    EXPECT_EQ(matchState, 1);
    EXPECT_EQ(players[0].topOutTimer, 0);
    EXPECT_EQ(topOutResult, 2);
}

TEST(TopOut, AClearedTopRowRestartsTheTimer) {
    FreshMatch(endless);
    Cell(0, 2, 0) = 1;
    Cell(0, 14, 0) = 2;
    for (int i = 0; i < 150; ++i) Pass();
    EXPECT_EQ(players[0].topOutTimer, 150);
    Cell(0, 14, 0) = emptyCell;
    Pass();
    EXPECT_EQ(players[0].topOutTimer, 0);
    Cell(0, 14, 0) = 2;
    for (int i = 0; i < 201; ++i) Pass();
    EXPECT_EQ(matchState, 0);
    Pass();
    EXPECT_EQ(matchState, 1);
}

TEST(TopOut, EXAttackHoldsTheTimer) {
    FreshMatch(endless);
    Cell(0, 14, 4) = 1;
    for (int i = 0; i < 10; ++i) Pass();
    players[0].exAttackActive = 1;
    for (int i = 0; i < 50; ++i) Pass();
    EXPECT_EQ(players[0].topOutTimer, 10);
}

TEST(TopOut, PracticeNeverTopsOut) {
    FreshMatch(practice);
    Cell(0, 14, 4) = 1;
    for (int i = 0; i < 300; ++i) Pass();
    EXPECT_EQ(players[0].topOutTimer, 0);
    EXPECT_EQ(matchState, 0);
}

TEST(TopOut, VersusLoserDecidesTheWinner) {
    FreshMatch(versus);
    Cell(1, 14, 4) = 1;
    for (int i = 0; i < 202; ++i) Pass();
    EXPECT_EQ(matchState, 1);
    EXPECT_EQ(topOutResult, 1);
}

TEST(TopOut, BothOnTheSameStepIsADraw) {
    FreshMatch(versus);
    Cell(0, 14, 4) = 1;
    Cell(1, 14, 2) = 1;
    for (int i = 0; i < 202; ++i) Pass();
    EXPECT_EQ(matchState, 1);
    EXPECT_EQ(topOutResult, 3);
}

TEST(TopOut, EmptiedBoardDoesNotTopOut) {
    FreshMatch(endless);
    players[0].highestRow = 14;
    players[0].bonusState = 2;  // no clear banner in the way
    for (int i = 0; i < 300; ++i) Pass();
    EXPECT_EQ(matchState, 0);
    EXPECT_EQ(players[0].highestRow, 0);
}

// --- Emptied board ---

TEST(EmptiedBoard, StartsTheClearBannerOnce) {
    FreshMatch(endless);
    Cell(0, 1, 0) = 4;  // the incoming row does not count
    Pass();
    EXPECT_EQ(players[0].bonusState, 1);
    players[0].bonusState = 2;
    Pass();
    EXPECT_EQ(players[0].bonusState, 2);
    players[0].bonusState = 0;
    Pass();
    EXPECT_EQ(players[0].bonusState, 1);
}

TEST(EmptiedBoard, NotWhilePanelsFallOrBeforeTheStart) {
    FreshMatch(endless);
    players[0].dropPhase = 2;
    Pass();
    EXPECT_EQ(players[0].bonusState, 0);
    players[0].dropPhase = 1;
    matchStarted = 0;
    Pass();
    EXPECT_EQ(players[0].bonusState, 0);
    matchStarted = 1;
    Cell(0, 8, 3) = 2 + markOffset;
    players[0].lineState = 0;  // keeps the marked cell from the clean-up
    Pass();
    EXPECT_EQ(players[0].bonusState, 0);
}

TEST(EmptiedBoard, SolvesAClearAllPuzzleOnly) {
    FreshMatch(puzzle);
    PuzzleGoalType() = 1;
    Pass();
    EXPECT_EQ(matchState, 0);
    PuzzleGoalType() = 0;
    Pass();
    EXPECT_EQ(matchState, 1);
    EXPECT_EQ(matchEnd, 1);
    EXPECT_EQ(players[0].bonusState, 0);
}

// --- Rise completion ---

TEST(BoardPassRise, ARiseOverTwentyThreeShiftsTheRows) {
    FreshMatch(endless);
    Cell(0, 1, 2) = 6;
    Cell(0, 2, 2) = 3;
    players[0].riseOffset = 25;
    Pass();
    EXPECT_EQ(Cell(0, 2, 2), 6);
    EXPECT_EQ(Cell(0, 3, 2), 3);
    EXPECT_EQ(players[0].riseOffset, 0);
    EXPECT_EQ(players[0].cursorY, 3);
}

}  // namespace
