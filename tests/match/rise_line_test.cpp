#include <gtest/gtest.h>

#include <cstring>

#include "match/board_test_util.h"
#include "match/gravity_rise.h"
#include "match/vanish_rule.h"

using namespace boardTest;

// A line confirmed at the top of a rising stack: the rise pushes it one row up,
// so its top cell leaves the board while the rest must still clear or miss.
namespace {

// Player p's stack of 5s up to row 12 under the given line cells, 22 pixels
// into a rise; the line is confirmed, animated one step, and the rise completes.
void ConfirmThenRise(int p, int x0, int y0, int x1, int y1) {
    Player& pl = players[p];
    pl.riseOffset = 22;
    vanishTest::SelectLine(p, x0, y0, x1, y1);
    ConfirmLine(p);
    if (pl.clearingLine.Active()) AnimateClear(p);
    if (pl.failingLine.Active()) AnimateFail(p);
    AdvanceRises();
    ASSERT_EQ(pl.riseOffset, 25);
    CompleteRise(p);
}

// Runs the clear or the miss to its end, as the player's update does.
void FinishLine(int p) {
    Player& pl = players[p];
    for (int i = 0; i < 100 && (pl.clearingLine.Active() || pl.failingLine.Active()); ++i) {
        if (pl.clearingLine.Active()) AnimateClear(p);
        if (pl.failingLine.Active()) AnimateFail(p);
    }
    ASSERT_FALSE(pl.clearingLine.Active() || pl.failingLine.Active());
}

int MarkedCells(int p) {
    int n = 0;
    for (int r = 0; r < boardRows; ++r)
        for (int c = 0; c < boardColumns; ++c) n += Cell(p, r, c) > 7 ? 1 : 0;
    return n;
}

}  // namespace

TEST(RiseOverLine, MissedColumnTurnsItsCellLeftOnTheBoardToZero) {
    FreshBoard(endless);
    FillRows(0, 0, 12, 5);
    PutColumn(0, 3, 13, {3, 3});  // 6: short of 7
    ConfirmThenRise(0, 3, 13, 3, 14);
    ASSERT_TRUE(players[0].failingLine.Active());
    EXPECT_EQ(Cell(0, 14, 3), 3 + markOffset);  // row 13's cell, one row up
    FinishLine(0);
    EXPECT_EQ(Cell(0, 14, 3), 0);
    EXPECT_EQ(Cell(0, 13, 3), 5);
    EXPECT_EQ(MarkedCells(0), 0);
}

TEST(RiseOverLine, ClearedColumnVanishesItsCellLeftOnTheBoard) {
    FreshBoard(endless);
    FillRows(0, 0, 12, 5);
    PutColumn(0, 3, 13, {3, 4});
    ConfirmThenRise(0, 3, 13, 3, 14);
    ASSERT_TRUE(players[0].clearingLine.Active());

    // The next step draws the 3 in the field's top row squeezed to its middle.
    ClearBackBuffer();
    AnimateClear(0);
    const int x = ColumnLeft(0, 3);
    EXPECT_EQ(Pixel(x + 12, fieldTop + 12), PanelIndex(3));
    EXPECT_EQ(Pixel(x + 3, fieldTop + 12), 0);

    FinishLine(0);
    EXPECT_EQ(Cell(0, 14, 3), emptyCell);
    EXPECT_EQ(Cell(0, 13, 3), 5);
    EXPECT_EQ(MarkedCells(0), 0);
    EXPECT_EQ(players[0].needsGravity, 1);
}

// Both players: player 1's row 15 would lie past the end of the board array.
TEST(RiseOverLine, RowPushedOffTheBoardHasNoCellsLeft) {
    struct Case {
        int player;
        int right;  // 3 + 4 clears, 3 + 3 misses
    };
    for (const Case& k : {Case{0, 4}, Case{0, 3}, Case{1, 4}, Case{1, 3}}) {
        FreshBoard(versus);
        FillRows(k.player, 0, 13, 5);
        PutRow(k.player, 14, 0, {3, k.right});
        ConfirmThenRise(k.player, 0, 14, 1, 14);
        int8_t before[2 * boardCells];
        std::memcpy(before, board, sizeof before);
        FinishLine(k.player);
        EXPECT_EQ(std::memcmp(before, board, sizeof before), 0) << k.player << "," << k.right;
    }
}
