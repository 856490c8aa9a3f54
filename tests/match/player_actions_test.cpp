#include <gtest/gtest.h>

#include <vector>

#include "match/board_test_util.h"
#include "match/gravity_rise.h"
#include "match/player_update.h"

using namespace boardTest;

namespace {

// Anchors a line at the cursor with one press and release of S.
void AnchorAtCursor(int p = 0) {
    Press('S');
    SelectKey(p);
    Lift('S');
    SelectKey(p);
}

// Runs the line end's step to rest (at most 30 steps); returns the steps.
int SettleLine(int p = 0) {
    int steps = 0;
    while (players[p].lineState > 0 && steps < 30) {
        DrawLineFrame(p);
        ++steps;
    }
    return steps;
}

// One press of a direction key on its own, then its release.
void TapDirection(int vk, int p = 0) {
    Press(vk);
    DirectionKeys(p);
    Lift(vk);
    DirectionKeys(p);
}

// Picks the swap cells: first at the cursor, then at (x, y).
void PickSwap(int x0, int y0, int x1, int y1, int p = 0) {
    const int key = p == 0 ? 'X' : 'L';
    PlaceCursor(p, x0, y0);
    Press(key);
    SwapKey(p);
    Lift(key);
    SwapKey(p);
    PlaceCursor(p, x1, y1);
    Press(key);
    SwapKey(p);
    Lift(key);
    SwapKey(p);
}

}  // namespace

TEST(BoardActions, SegmentTestIsInclusiveStraightAndEitherWay) {
    FreshBoard(endless);
    PlaceCursor(0, 3, 5);
    EXPECT_TRUE(CursorOnSegment(0, 3, 2, 3, 7));
    EXPECT_TRUE(CursorOnSegment(0, 3, 7, 3, 5));
    EXPECT_TRUE(CursorOnSegment(0, 3, 5, 3, 5));
    EXPECT_FALSE(CursorOnSegment(0, 3, 6, 3, 9));
    EXPECT_TRUE(CursorOnSegment(0, 0, 5, 3, 5));
    EXPECT_TRUE(CursorOnSegment(0, 6, 5, 3, 5));
    EXPECT_FALSE(CursorOnSegment(0, 0, 5, 2, 5));
    EXPECT_FALSE(CursorOnSegment(0, 4, 5, 4, 5));
    // A slanted segment contains nothing, not even its own end points.
    EXPECT_FALSE(CursorOnSegment(0, 2, 4, 4, 6));
    EXPECT_FALSE(CursorOnSegment(0, 3, 5, 4, 6));
}

TEST(BoardActions, LineRunsOnlyThroughOccupiedCells) {
    FreshBoard(endless);
    // Column 3: a panel, a marked 0, a 0-panel, a hole, a panel.
    PutColumn(0, 3, 2, {1, 9, 0, -1, 2});
    PlaceCursor(0, 3, 2);
    AnchorAtCursor();
    ASSERT_EQ(players[0].lineState, 0);

    for (int expectedEnd : {3, 4, 4, 4}) {
        TapDirection(vkUp);
        SettleLine();
        EXPECT_EQ(players[0].lineEndY, expectedEnd);
        EXPECT_EQ(players[0].lineEndX, 3);
        EXPECT_EQ(players[0].lineState, 0);
    }
    EXPECT_EQ(players[0].lineStartY, 2);
    EXPECT_EQ(players[0].cursorY, 2);  // the cursor stays on the start
}

TEST(BoardActions, LineNeverBends) {
    FreshBoard(endless);
    FillRows(0, 2, 4, 1);
    PlaceCursor(0, 3, 2);
    AnchorAtCursor();
    TapDirection(vkUp);
    SettleLine();
    ASSERT_EQ(players[0].lineEndY, 3);

    // Across the line's axis the key steps the cursor instead.
    TapDirection(vkRight);
    EXPECT_EQ(players[0].lineStartX, 3);
    EXPECT_EQ(players[0].lineEndX, 3);
    EXPECT_EQ(players[0].lineEndY, 3);
    EXPECT_EQ(players[0].lineState, 0);
    EXPECT_EQ(players[0].cursorMoveDir, 2);
}

TEST(BoardActions, SingleCellLineTakesEitherAxis) {
    FreshBoard(endless);
    FillRows(0, 2, 3, 1);
    PlaceCursor(0, 3, 2);
    AnchorAtCursor();
    TapDirection(vkRight);
    EXPECT_EQ(players[0].lineEndX, 4);
    EXPECT_EQ(players[0].lineState, 2);
}

TEST(BoardActions, GrowingEndStepsOutInEightSteps) {
    FreshBoard(endless);
    FillRows(0, 2, 2, 1);
    PlaceCursor(0, 1, 2);
    AnchorAtCursor();
    TapDirection(vkRight);
    Player& pl = players[0];
    EXPECT_EQ(pl.lineEndX, 2);
    EXPECT_EQ(pl.lineState, 2);
    EXPECT_EQ(pl.lineRetracting, 0);
    EXPECT_EQ(pl.moveOffset, 0);
    for (int i = 1; i <= 7; ++i) {
        DrawLineFrame(0);
        EXPECT_EQ(pl.moveOffset, 3 * i);
        EXPECT_EQ(pl.lineState, 2);
    }
    DrawLineFrame(0);
    EXPECT_EQ(pl.moveOffset, 0);
    EXPECT_EQ(pl.lineState, 0);
}

TEST(BoardActions, RetractingEndClosesInFromACellBeyond) {
    FreshBoard(endless);
    FillRows(0, 2, 2, 1);
    PlaceCursor(0, 1, 2);
    AnchorAtCursor();
    TapDirection(vkRight);
    SettleLine();
    Player& pl = players[0];

    TapDirection(vkLeft);
    EXPECT_EQ(pl.lineEndX, 1);
    EXPECT_EQ(pl.lineState, 2);  // the opposite of the key
    EXPECT_EQ(pl.lineRetracting, 1);
    EXPECT_EQ(pl.moveOffset, 24);
    EXPECT_EQ(SettleLine(), 8);
    EXPECT_EQ(pl.moveOffset, 0);

    // From the start the same key grows the line the other way.
    TapDirection(vkLeft);
    EXPECT_EQ(pl.lineEndX, 0);
    EXPECT_EQ(pl.lineState, 4);
    EXPECT_EQ(pl.lineRetracting, 0);
}

TEST(BoardActions, MovingFrameEdgeFollowsTheEnd) {
    FreshBoard(endless);
    FillRows(0, 2, 2, 1);
    PlaceCursor(0, 1, 2);
    AnchorAtCursor();
    TapDirection(vkRight);
    SetClock(0);
    blinkClock = 0;
    ClearBackBuffer();
    DrawLineFrame(0);  // moveOffset 3: the edge is 21 pixels short of the new end
    // Frame (67,346)-(106,382): the caps nine pixels wide, the middle stretched.
    EXPECT_EQ(Pixel(67, 364), FrameCapIndex(0));
    EXPECT_EQ(Pixel(105, 364), FrameCapIndex(0));
    EXPECT_EQ(Pixel(106, 364), 0);
    EXPECT_EQ(Pixel(66, 364), 0);
    EXPECT_EQ(Pixel(86, 364), FrameMiddleIndex(0));
    EXPECT_EQ(Pixel(86, 345), 0);
    EXPECT_EQ(Pixel(86, 381), FrameCapIndex(0));
}

TEST(BoardActions, LineFrameBlinksToTheSharedColumn) {
    FreshBoard(versus);
    PutRow(1, 2, 0, {1});
    PlaceCursor(1, 0, 2);
    Press('O');
    SelectKey(1);
    Lift('O');
    SelectKey(1);
    ASSERT_EQ(players[1].lineState, 0);
    const int x = 43 + 374, y = 346;
    SetClock(1000);
    blinkClock = 1000;
    DrawLineFrame(1);
    EXPECT_EQ(Pixel(x, y), FrameCapIndex(36));
    EXPECT_EQ(Pixel(x - 1, y), 0);
    EXPECT_EQ(Pixel(x + 35, y + 35), FrameCapIndex(36));
    SetClock(1300);
    DrawLineFrame(1);
    EXPECT_EQ(Pixel(x, y), FrameCapIndex(72));
}

TEST(BoardActions, StretchFramePieces) {
    FreshBoard(endless);
    DrawStretchFrame(100, 100, 136, 200, false, 0, 0);
    EXPECT_EQ(Pixel(118, 100), FrameCapIndex(0));
    EXPECT_EQ(Pixel(118, 108), FrameCapIndex(0));
    EXPECT_EQ(Pixel(118, 150), FrameMiddleIndex(0));
    EXPECT_EQ(Pixel(100, 150), FrameCapIndex(0));  // the middle's own sides
    EXPECT_EQ(Pixel(118, 199), FrameCapIndex(0));
    EXPECT_EQ(Pixel(118, 200), 0);
    ClearBackBuffer();
    DrawStretchFrame(100, 100, 220, 136, true, 1, 36);
    EXPECT_EQ(Pixel(100, 118), FrameCapIndex(72));
    EXPECT_EQ(Pixel(108, 118), FrameCapIndex(72));
    EXPECT_EQ(Pixel(160, 118), FrameMiddleIndex(72));
    EXPECT_EQ(Pixel(219, 118), FrameCapIndex(72));
    EXPECT_EQ(Pixel(220, 118), 0);
}

TEST(BoardActions, SelectAgainOnAOneCellLineDoesNothing) {
    FreshBoard(endless);
    PutRow(0, 2, 0, {3, 4});
    PlaceCursor(0, 0, 2);
    AnchorAtCursor();
    Press('S');
    EXPECT_TRUE(SelectKey(0));
    const Player& pl = players[0];
    EXPECT_EQ(pl.lineState, 0);
    EXPECT_EQ(pl.selectLatch, 0);
    EXPECT_FALSE(pl.clearingLine.Active());
    EXPECT_FALSE(pl.failingLine.Active());
    EXPECT_EQ(Cell(0, 2, 0), 3);
}

TEST(BoardActions, SelectOnTheLineOnItsWayOutDoesNothing) {
    FreshBoard(endless);
    Player& pl = players[0];
    // A panel that came to rest on the cells of the line being cleared.
    PutRow(0, 3, 0, {-1, 4, 12});
    pl.clearingLine = LineCells{0, 2, 3, 3};
    PlaceCursor(0, 1, 3);
    Press('S');
    EXPECT_FALSE(SelectKey(0));  // the rest of the step is skipped
    EXPECT_EQ(pl.lineState, -1);
    EXPECT_EQ(pl.selectLatch, 0);

    // With no clear running, the line turning into zeros counts.
    pl.clearingLine = LineCells{};
    pl.failingLine = LineCells{1, 1, 2, 5};
    EXPECT_FALSE(SelectKey(0));
    EXPECT_EQ(pl.lineState, -1);

    // While a clear runs elsewhere, the failing line is not looked at.
    pl.clearingLine = LineCells{5, 6, 9, 9};
    EXPECT_TRUE(SelectKey(0));
    EXPECT_EQ(pl.lineState, 0);
    EXPECT_EQ(pl.lineStartX, 1);
    EXPECT_EQ(pl.lineStartY, 3);
}

TEST(BoardActions, AnchorNeedsAPanelUnderTheCursorAndAQuietCursor) {
    FreshBoard(endless);
    Player& pl = players[0];
    PutRow(0, 2, 0, {-1, 10, 5});
    Press('S');
    for (int x : {0, 1}) {  // empty, marked
        PlaceCursor(0, x, 2);
        SelectKey(0);
        EXPECT_EQ(pl.lineState, -1) << x;
    }
    PlaceCursor(0, 2, 2);
    pl.moveOffset = 3;
    SelectKey(0);
    EXPECT_EQ(pl.lineState, -1);
    pl.moveOffset = 0;
    pl.swapState = 1;
    SelectKey(0);
    EXPECT_EQ(pl.lineState, -1);
    pl.swapState = 0;
    SelectKey(0);
    EXPECT_EQ(pl.lineState, 0);
    EXPECT_EQ(pl.selectLatch, 1);
}

TEST(BoardActions, SecondPressConfirmsTheLine) {
    FreshBoard(endless);
    options.targetSumOffset = 0;
    Player& pl = players[0];
    PutRow(0, 2, 0, {3, 4});
    PlaceCursor(0, 0, 2);
    AnchorAtCursor();
    TapDirection('H');
    SettleLine();
    pl.limitCounter = 40;
    pl.cursorMoveDir = 2;
    Press('S');
    SelectKey(0);
    EXPECT_TRUE(pl.clearingLine.Active());
    EXPECT_EQ(pl.clearingLine.startX, 0);
    EXPECT_EQ(pl.clearingLine.endX, 1);
    EXPECT_EQ(pl.cursorX, 1);  // the cursor goes to the line's end
    EXPECT_EQ(pl.lineState, -1);
    EXPECT_EQ(pl.selectLatch, 2);
    EXPECT_EQ(pl.limitCounter, 0);
    EXPECT_EQ(pl.cursorMoveDir, 0);
    EXPECT_EQ(Cell(0, 2, 0), 12);
    EXPECT_EQ(Cell(0, 2, 1), 13);
}

TEST(BoardActions, ConfirmWaitsForGravityAndTheLastLine) {
    FreshBoard(endless);
    Player& pl = players[0];
    PutRow(0, 2, 0, {3, 4});
    PlaceCursor(0, 0, 2);
    AnchorAtCursor();
    TapDirection('H');
    SettleLine();
    Press('S');
    pl.needsGravity = 1;
    SelectKey(0);
    pl.needsGravity = 0;
    pl.clearTimer = 3;
    SelectKey(0);
    pl.clearTimer = 0;
    pl.failTimer = 5;
    SelectKey(0);
    EXPECT_EQ(pl.lineState, 0);
    EXPECT_EQ(Cell(0, 2, 0), 3);
    pl.failTimer = -1;
    SelectKey(0);
    EXPECT_EQ(pl.lineState, -1);
    EXPECT_EQ(pl.selectLatch, 2);
}

TEST(BoardActions, DroppedLineIsConfirmedWhileTheKeyStaysHeld) {
    FreshBoard(endless);
    options.targetSumOffset = 0;
    Player& pl = players[0];
    PutRow(0, 2, 0, {3, 4});
    PlaceCursor(0, 0, 2);
    Press('S');
    SelectKey(0);
    ASSERT_EQ(pl.selectLatch, 1);
    TapDirection('H');
    SettleLine();
    SelectKey(0);
    EXPECT_EQ(pl.lineState, 0);  // held since anchoring: no confirm yet

    pl.lineState = -1;  // the limit ran out
    SelectKey(0);
    EXPECT_TRUE(pl.clearingLine.Active());
    EXPECT_EQ(pl.selectLatch, 2);
}

TEST(BoardActions, DroppedOneCellLineIsNotConfirmed) {
    FreshBoard(endless);
    Player& pl = players[0];
    PutRow(0, 2, 0, {3, 4});
    PlaceCursor(0, 0, 2);
    Press('S');
    SelectKey(0);
    pl.lineState = -1;
    SelectKey(0);
    EXPECT_FALSE(pl.clearingLine.Active());
    EXPECT_FALSE(pl.failingLine.Active());
    EXPECT_EQ(pl.selectLatch, 1);
}

TEST(BoardActions, SecondSwapCellKeepsOutOfTheTopRowInEndlessAndVersus) {
    for (int mode : {endless, versus, puzzle, practice}) {
        FreshBoard(mode);
        PutRow(0, 13, 0, {1});
        PutRow(0, 14, 1, {2});
        PickSwap(0, 13, 1, 14);
        const bool allowed = mode == puzzle || mode == practice;
        EXPECT_EQ(players[0].swapState, allowed ? 2 : 1) << mode;
        EXPECT_EQ(Cell(0, 14, 1), allowed ? 11 : 2) << mode;
    }
}

TEST(BoardActions, FirstSwapCellMustHoldAPanel) {
    FreshBoard(endless);
    PutRow(0, 2, 0, {-1, 11});
    for (int x : {0, 1}) {
        PlaceCursor(0, x, 2);
        Press('X');
        EXPECT_TRUE(SwapKey(0));
        Lift('X');
        SwapKey(0);
        EXPECT_EQ(players[0].swapState, 0) << x;
    }
}

TEST(BoardActions, SwapOnTheFirstCellAgainSkipsTheStep) {
    FreshBoard(endless);
    PutRow(0, 2, 0, {1, 2});
    PlaceCursor(0, 0, 2);
    Press('X');
    SwapKey(0);
    Lift('X');
    SwapKey(0);
    Press('X');
    EXPECT_FALSE(SwapKey(0));
    EXPECT_EQ(players[0].swapState, 1);
}

TEST(BoardActions, SwapIntoAnEmptyCellSetsGravityGoing) {
    FreshBoard(endless);
    PutRow(0, 5, 0, {3});
    PickSwap(0, 5, 4, 9);
    EXPECT_EQ(players[0].swapState, 2);
    EXPECT_EQ(Cell(0, 5, 0), 12);
    EXPECT_EQ(Cell(0, 9, 4), 8);
    for (int i = 0; i < 13; ++i) AnimateSwap(0);
    EXPECT_EQ(players[0].swapState, 0);
    EXPECT_EQ(Cell(0, 5, 0), -1);
    EXPECT_EQ(Cell(0, 9, 4), 3);
    EXPECT_EQ(players[0].needsGravity, 1);
}

TEST(BoardActions, SwapOfTwoPanelsExchangesThemWithoutGravity) {
    FreshBoard(endless);
    PutRow(0, 2, 0, {3, 6});
    PickSwap(0, 2, 1, 2);
    for (int i = 0; i < 13; ++i) AnimateSwap(0);
    EXPECT_EQ(Cell(0, 2, 0), 6);
    EXPECT_EQ(Cell(0, 2, 1), 3);
    EXPECT_EQ(players[0].needsGravity, 0);
}

TEST(BoardActions, SwapWithAMarkedCellKeepsCellsInRange) {
    FreshBoard(endless);
    Player& pl = players[0];
    // The second cell belongs to the line being cleared (a marked 4).
    PutRow(0, 2, 0, {3, 13});
    pl.clearingLine = LineCells{1, 1, 2, 2};
    PickSwap(0, 2, 1, 2);
    ASSERT_EQ(pl.swapState, 2);
    for (int i = 0; i < 13; ++i) {
        for (int c = 0; c < 2; ++c) {
            EXPECT_GE(Cell(0, 2, c), -1) << i;
            EXPECT_LE(Cell(0, 2, c), 16) << i;
        }
        AnimateSwap(0);
    }
    EXPECT_EQ(pl.swapState, 0);
    // The line's panel stays marked where it went; the picked one took its place.
    EXPECT_EQ(Cell(0, 2, 0), 13);
    EXPECT_EQ(Cell(0, 2, 1), 3);
    EXPECT_EQ(pl.needsGravity, 0);
}

TEST(BoardActions, SwapTakesThirteenSteps) {
    FreshBoard(endless);
    Player& pl = players[0];
    PutRow(0, 2, 0, {3, 6});
    PickSwap(0, 2, 1, 2);
    pl.limitCounter = 90;
    for (int i = 1; i <= 6; ++i) AnimateSwap(0);
    EXPECT_EQ(Cell(0, 2, 0), 12);  // squeezing: not exchanged yet
    AnimateSwap(0);                // the seventh step exchanges them
    EXPECT_EQ(Cell(0, 2, 0), 15);
    EXPECT_EQ(Cell(0, 2, 1), 12);
    for (int i = 8; i <= 12; ++i) AnimateSwap(0);
    EXPECT_EQ(pl.swapState, 2);
    EXPECT_EQ(pl.limitCounter, 90);
    AnimateSwap(0);
    EXPECT_EQ(pl.swapState, 0);
    EXPECT_EQ(pl.swapStep, 0);
    EXPECT_EQ(pl.limitCounter, 0);
}

TEST(BoardActions, SwappingCellsSqueezeTowardTheirCentres) {
    FreshBoard(endless);
    PutRow(0, 2, 0, {3, 6});
    PickSwap(0, 2, 1, 2);
    for (int i = 0; i < 5; ++i) AnimateSwap(0);
    ClearBackBuffer();
    AnimateSwap(0);  // swapStep 10: columns 10..13 of each cell
    const int left0 = 49, left1 = 73;
    EXPECT_EQ(Pixel(left0 + 9, 360), 0);
    EXPECT_EQ(Pixel(left0 + 10, 360), PanelIndex(3));
    EXPECT_EQ(Pixel(left0 + 13, 360), PanelIndex(3));
    EXPECT_EQ(Pixel(left0 + 14, 360), 0);
    EXPECT_EQ(Pixel(left1 + 10, 360), PanelIndex(6));
    ClearBackBuffer();
    AnimateSwap(0);  // the exchange: nothing drawn
    EXPECT_EQ(Pixel(left0 + 12, 360), 0);
    ClearBackBuffer();
    AnimateSwap(0);  // swapStep 14, widening: columns 10..13 again, values exchanged
    EXPECT_EQ(Pixel(left0 + 10, 360), PanelIndex(6));
    EXPECT_EQ(Pixel(left0 + 14, 360), 0);
    EXPECT_EQ(Pixel(left1 + 13, 360), PanelIndex(3));
}

TEST(BoardActions, PickedPanelBlinksWithTheBackground) {
    FreshBoard(endless);
    PutRow(0, 2, 0, {3});
    PlaceCursor(0, 0, 2);
    Press('X');
    SwapKey(0);
    SetClock(5000);
    blinkClock = 5000;
    AnimateSwap(0);
    EXPECT_EQ(Pixel(60, 360), backgroundIndex);
    ClearBackBuffer();
    SetClock(5300);
    AnimateSwap(0);
    EXPECT_EQ(Pixel(60, 360), 0);
}

TEST(BoardActions, CancelDuringASwapLeavesMarkedCellsForTheCleanUp) {
    FreshBoard(endless);
    Player& pl = players[0];
    PutRow(0, 2, 0, {3, 6});
    PickSwap(0, 2, 1, 2);
    for (int i = 0; i < 3; ++i) AnimateSwap(0);
    Press('Z');
    CancelKey(0);
    EXPECT_EQ(pl.swapState, 0);
    EXPECT_EQ(Cell(0, 2, 0), 12);
    EXPECT_EQ(Cell(0, 2, 1), 15);
    IdleCleanUp(0);
    EXPECT_EQ(Cell(0, 2, 0), -1);
    EXPECT_EQ(Cell(0, 2, 1), -1);
    EXPECT_EQ(pl.needsGravity, 1);
}

TEST(BoardActions, CancelReleasesALineAtItsEnd) {
    FreshBoard(endless);
    Player& pl = players[0];
    FillRows(0, 2, 5, 1);
    PlaceCursor(0, 2, 2);
    AnchorAtCursor();
    TapDirection('Y');
    pl.selectLatch = 1;
    Press('Z');
    CancelKey(0);
    EXPECT_EQ(pl.cursorX, 2);
    EXPECT_EQ(pl.cursorY, 3);
    EXPECT_EQ(pl.lineStartX, -1);
    EXPECT_EQ(pl.lineEndX, -1);
    EXPECT_EQ(pl.lineStartY, -1);
    EXPECT_EQ(pl.lineEndY, -1);
    EXPECT_EQ(pl.lineState, -1);
    EXPECT_EQ(pl.selectLatch, 0);
    EXPECT_EQ(pl.moveOffset, 0);
}

TEST(BoardActions, SwapAfterACancelledOneCarriesOnFromTheOldStep) {
    // The step counter is only reset when a swap completes: a swap cancelled
    // past the exchange makes the next one finish without exchanging.
    FreshBoard(endless);
    PutRow(0, 2, 0, {3, 6, 5});
    PickSwap(0, 2, 1, 2);
    for (int i = 0; i < 8; ++i) AnimateSwap(0);
    Press('Z');
    CancelKey(0);
    Lift('Z');
    IdleCleanUp(0);
    PutRow(0, 2, 0, {3, 6, 5});
    PickSwap(1, 2, 2, 2);
    for (int i = 0; i < 5; ++i) AnimateSwap(0);
    EXPECT_EQ(players[0].swapState, 0);
    EXPECT_EQ(Cell(0, 2, 1), 6);
    EXPECT_EQ(Cell(0, 2, 2), 5);
}

TEST(BoardActions, PuzzleSwapAllowance) {
    for (int allowance : {0, -2}) {
        FreshBoard(puzzle);
        PuzzleSwapAllowance() = static_cast<int8_t>(allowance);
        PutRow(0, 2, 0, {3});
        PlaceCursor(0, 0, 2);
        Press('X');
        EXPECT_FALSE(SwapKey(0)) << allowance;
        EXPECT_EQ(players[0].swapState, 0);
        EXPECT_EQ(PuzzleSwapAllowance(), allowance);
    }
    FreshBoard(puzzle);
    PuzzleSwapAllowance() = 1;
    PutRow(0, 2, 0, {3, 4});
    PickSwap(0, 2, 1, 2);
    EXPECT_EQ(players[0].swapState, 2);
    EXPECT_EQ(PuzzleSwapAllowance(), 0);

    FreshBoard(puzzle);
    PuzzleSwapAllowance() = -1;
    PutRow(0, 2, 0, {3, 4});
    PickSwap(0, 2, 1, 2);
    EXPECT_EQ(players[0].swapState, 2);
    EXPECT_EQ(PuzzleSwapAllowance(), -1);
}

TEST(BoardActions, AnAllowanceOfThreeRefusesTheFourthPick) {
    FreshBoard(puzzle);
    PuzzleSwapAllowance() = 3;
    PutRow(0, 2, 0, {3, 4});
    for (int pick = 1; pick <= 4; ++pick) {
        players[0].swapState = 0;  // the last swap is over
        PlaceCursor(0, 0, 2);
        Press('X');
        SwapKey(0);
        Lift('X');
        SwapKey(0);
        EXPECT_EQ(players[0].swapState, pick <= 3 ? 1 : 0) << "pick " << pick;
        EXPECT_EQ(PuzzleSwapAllowance(), pick <= 3 ? 3 - pick : 0) << "pick " << pick;
    }
}

TEST(BoardActions, SwapAndSelectIgnoreRowFifteen) {
    FreshBoard(endless);
    FillRows(0, 13, 14, 2);
    PlaceCursor(0, 3, 15);
    Press('X');
    EXPECT_TRUE(SwapKey(0));
    Press('S');
    EXPECT_TRUE(SelectKey(0));
    EXPECT_EQ(players[0].swapState, 0);
    EXPECT_EQ(players[0].lineState, -1);
}

TEST(BoardActions, CursorStepTakesTwentyFourOverSpeedPlusOneSteps) {
    const int expected[6] = {24, 12, 8, 6, 5, 4};
    for (int speed = 0; speed <= 5; ++speed) {
        FreshBoard(endless);
        playerParams[0][paramSpeed] = static_cast<int8_t>(speed);
        TapDirection('H');
        ASSERT_EQ(players[0].cursorMoveDir, 2);
        int steps = 0;
        while (players[0].cursorX == 3 && steps < 40) {
            AnimateCursor(0);
            ++steps;
        }
        EXPECT_EQ(steps, expected[speed]) << speed;
        EXPECT_EQ(players[0].cursorX, 4);
        EXPECT_EQ(players[0].cursorMoveDir, 0);
        EXPECT_EQ(players[0].moveOffset, 0);
    }
}

TEST(BoardActions, CursorKeepsToTheField) {
    FreshBoard(endless);
    Player& pl = players[0];
    const struct {
        int x, y, vk;
    } blocked[] = {{3, 14, 'Y'}, {6, 5, 'H'}, {3, 2, 'B'}, {0, 5, 'G'}};
    for (const auto& b : blocked) {
        PlaceCursor(0, b.x, b.y);
        TapDirection(b.vk);
        EXPECT_EQ(pl.cursorMoveDir, 0) << b.vk;
    }
}

TEST(BoardActions, RepeatActsAtOnceAfterTenThenEveryStep) {
    for (int mode : {endless, versus, puzzle, practice}) {
        FreshBoard(mode);
        std::vector<int> acted;
        Press('H');
        for (int f = 0; f < 25; ++f) {
            DirectionKeys(0);
            if (players[0].cursorMoveDir != 0) acted.push_back(f);
            players[0].cursorMoveDir = 0;  // as if each step were done at once
        }
        std::vector<int> expected{0, 10, 20};
        if (mode != practice) {
            expected = {0};
            for (int f = 10; f < 25; ++f) expected.push_back(f);
        }
        EXPECT_EQ(acted, expected) << mode;
        EXPECT_LE(players[0].repeatCount, 10);
        Lift('H');
        DirectionKeys(0);
        EXPECT_EQ(players[0].repeatCount, 0);
    }
}

TEST(BoardActions, ArrowsSteerPlayerZeroOnlyOutsideVersus) {
    FreshBoard(endless);
    TapDirection(vkRight);
    EXPECT_EQ(players[0].cursorMoveDir, 2);

    FreshBoard(versus);
    TapDirection(vkRight, 0);
    EXPECT_EQ(players[0].cursorMoveDir, 0);
    TapDirection(vkRight, 1);
    EXPECT_EQ(players[1].cursorMoveDir, 2);
    players[1].cursorMoveDir = 0;
    TapDirection('H', 1);
    EXPECT_EQ(players[1].cursorMoveDir, 0);
}

TEST(BoardActions, FirstHeldDirectionWinsInOrderUpRightDownLeft) {
    FreshBoard(endless);
    PlaceCursor(0, 3, 5);
    Press('G');
    Press('B');
    DirectionKeys(0);
    EXPECT_EQ(players[0].cursorMoveDir, 3);
}

TEST(BoardActions, CursorPictureIsPinnedUnderTheFieldTop) {
    FreshBoard(endless);
    Player& pl = players[0];
    PlaceCursor(0, 3, 14);
    pl.riseOffset = 6;
    AnimateCursor(0);
    EXPECT_EQ(pl.cursorPin, 6);
    EXPECT_EQ(Pixel(43 + 72, 58), CursorIndex(0));
    EXPECT_EQ(Pixel(43 + 72, 57), 0);

    // Stepping up into the top row, the pin counts the step's pixels too.
    PlaceCursor(0, 3, 13);
    pl.riseOffset = 10;
    pl.cursorMoveDir = 1;
    pl.moveOffset = 21;
    AnimateCursor(0);
    EXPECT_EQ(pl.cursorPin, 7);
    pl.riseOffset = 0;
    pl.cursorMoveDir = 1;
    pl.moveOffset = 3;
    PlaceCursor(0, 3, 12);
    AnimateCursor(0);
    EXPECT_EQ(pl.cursorPin, 0);
}

TEST(BoardActions, CursorPictureFollowsTheStepAndTheSwap) {
    FreshBoard(endless);
    Player& pl = players[0];
    pl.cursorMoveDir = 2;
    AnimateCursor(0);  // 3 pixels into a step to the right
    EXPECT_EQ(Pixel(43 + 72 + 3, 346), CursorIndex(0));
    EXPECT_EQ(Pixel(43 + 72 + 2, 346), 0);

    ClearBackBuffer();
    pl.cursorMoveDir = 0;
    pl.moveOffset = 0;
    pl.swapState = 1;
    SetClock(2300);
    blinkClock = 2000;
    AnimateCursor(0);
    EXPECT_EQ(Pixel(43 + 72, 346), pickedCursorIndex);

    ClearBackBuffer();
    pl.swapState = 2;
    AnimateCursor(0);
    EXPECT_EQ(Pixel(43 + 72, 346), 0);
}

TEST(BoardActions, BlinkPhaseFollowsTheSharedClock) {
    FreshBoard(endless);
    blinkClock = 1000;
    SetClock(1299);
    EXPECT_EQ(BlinkPhase(), 0);
    SetClock(1300);
    EXPECT_EQ(BlinkPhase(), 1);
    SetClock(1599);
    EXPECT_EQ(BlinkPhase(), 1);
    EXPECT_EQ(blinkClock, 1000u);
    SetClock(1600);
    EXPECT_EQ(BlinkPhase(), 0);
    EXPECT_EQ(blinkClock, 1600u);
    SetClock(1900);
    EXPECT_EQ(BlinkPhase(), 1);
}

TEST(BoardActions, PanelPictures) {
    FreshBoard(endless);
    DrawPanel(5, 100, 100);
    EXPECT_EQ(Pixel(100, 100), PanelIndex(5));
    EXPECT_EQ(Pixel(123, 123), PanelIndex(5));
    EXPECT_EQ(Pixel(124, 123), 0);
    DrawPanel(8, 200, 100);
    DrawPanel(-1, 200, 100);
    EXPECT_EQ(Pixel(200, 100), 0);

    DrawPanelSqueezed(2, 300, 100, 6, 18, true);
    EXPECT_EQ(Pixel(305, 110), 0);
    EXPECT_EQ(Pixel(306, 110), FailingIndex(2));
    EXPECT_EQ(Pixel(317, 110), FailingIndex(2));
    EXPECT_EQ(Pixel(318, 110), 0);

    DrawPanelInField(4, 400, 58, 0, 24, false);
    EXPECT_EQ(Pixel(410, 63), 0);
    EXPECT_EQ(Pixel(410, 64), PanelIndex(4));
    EXPECT_EQ(Pixel(410, 81), PanelIndex(4));
    EXPECT_EQ(Pixel(410, 82), 0);

    CoverWithBackground(100, 100, 10, 10);
    EXPECT_EQ(Pixel(105, 105), backgroundIndex);
    EXPECT_EQ(Pixel(110, 105), PanelIndex(5));
}

TEST(BoardActions, SecondPanelSetByOption) {
    FreshBoard(endless);
    options.panelShape = 1;
    const SheetRect r = gameSheetLayout::Panel(3, 1);
    ColorFill(mainSheet, r.left, r.top, r.right, r.bottom, 99);
    DrawPanel(3, 100, 100);
    EXPECT_EQ(Pixel(110, 110), 99);
}

TEST(PlayerStep, SwapThroughTheStepTakesThirteenStepsAfterThePick) {
    FreshBoard(endless);
    Player& pl = players[0];
    PutRow(0, 2, 0, {3, 6});
    PlaceCursor(0, 0, 2);
    Press('X');
    UpdatePlayer(0);
    Lift('X');
    UpdatePlayer(0);
    ASSERT_EQ(pl.swapState, 1);
    PlaceCursor(0, 1, 2);
    Press('X');
    UpdatePlayer(0);
    Lift('X');
    ASSERT_EQ(pl.swapState, 2);
    for (int i = 1; i <= 12; ++i) UpdatePlayer(0);
    EXPECT_EQ(pl.swapState, 2);
    UpdatePlayer(0);
    EXPECT_EQ(pl.swapState, 0);
    EXPECT_EQ(Cell(0, 2, 0), 6);
    EXPECT_EQ(Cell(0, 2, 1), 3);
}

TEST(PlayerStep, AnotherPlayersAttackHoldsTheControls) {
    FreshBoard(versus);
    players[1].exAttackActive = 1;
    Press('H');
    UpdatePlayer(0);
    EXPECT_EQ(players[0].cursorMoveDir, 0);
    EXPECT_EQ(players[0].repeatCount, 0);
    players[1].exAttackActive = 0;
    UpdatePlayer(0);
    EXPECT_EQ(players[0].cursorMoveDir, 2);
}

TEST(PlayerStep, PauseHoldsTheAnimationsAndTheBoardKeys) {
    FreshBoard(endless);
    Player& pl = players[0];
    pl.cursorMoveDir = 2;
    pl.paused = 1;
    PutRow(0, 2, 0, {3, 6});
    Press('X');
    Press('G');
    UpdatePlayer(0);
    EXPECT_EQ(pl.moveOffset, 0);
    EXPECT_EQ(pl.cursorMoveDir, 2);
    EXPECT_EQ(pl.swapState, 0);
    pl.paused = 0;
    UpdatePlayer(0);
    EXPECT_EQ(pl.moveOffset, 3);
}
