#include <gtest/gtest.h>

#include <cstring>

#include "computer/think_board.h"
#include "computer/think_search.h"
#include "match/match_state.h"

namespace {

// A board from rows of digits, the floor row (2) first; '.' is empty.
ThinkBoard BoardOf(std::initializer_list<const char*> rows) {
    ThinkBoard b;
    std::memset(b.cells, -1, sizeof b.cells);
    int r = thinkFloor;
    for (const char* row : rows) {
        for (int c = 0; c < thinkColumns && row[c] != 0; ++c) b.cells[r][c] = row[c] == '.' ? -1 : static_cast<int8_t>(row[c] - '0');
        ++r;
    }
    return b;
}

ThinkLine Across(int row, int from, int to) {
    return ThinkLine{static_cast<int8_t>(row), static_cast<int8_t>(from), static_cast<int8_t>(row), static_cast<int8_t>(to)};
}

TEST(ThinkBoard, JudgesLinesByTheVanishRule) {
    struct Case {
        const char* row;
        int target;
        bool vanishes;
        int product;
    };
    const Case cases[] = {
        {"34.....", 7, true, 12},   {"70.....", 7, false, 0},  {"77.....", 7, true, 14},
        {"707....", 7, true, 14},   {"17.....", 8, true, 7},   {"16.....", 8, false, 6},
        {"304....", 7, true, 0},    {"1234...", 10, true, 24}, {"55.....", 10, true, 25},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.row);
        const ThinkBoard b = BoardOf({c.row});
        const int last = static_cast<int>(std::strchr(c.row, '.') ? std::strchr(c.row, '.') - c.row : 7) - 1;
        const LineJudgement j = JudgeLine(b, Across(thinkFloor, 0, last), c.target);
        EXPECT_EQ(j.vanishes, c.vanishes);
        EXPECT_EQ(j.product, c.product);
    }
}

TEST(ThinkBoard, FindsEveryVanishingLineOnceAndNoneThroughAHole) {
    const ThinkBoard b = BoardOf({"34.25..", "4......", "3......"});
    ThinkLine lines[16];
    int32_t work = 0;
    const int n = VanishingLines(b, 7, lines, 16, work);
    // 3-4 across, 2-5 across, 3-4 up the first column and 4-3 above it.
    ASSERT_EQ(n, 4);
    EXPECT_GT(work, 0);
    for (int i = 0; i < n; ++i) EXPECT_TRUE(JudgeLine(b, lines[i], 7).vanishes);
}

TEST(ThinkBoard, AClearedLineLetsThePanelsAboveFall) {
    ThinkBoard b = BoardOf({"34.....", "52.....", "1......"});
    ClearLine(b, Across(thinkFloor, 0, 1));
    EXPECT_EQ(b.cells[2][0], 5);
    EXPECT_EQ(b.cells[2][1], 2);
    EXPECT_EQ(b.cells[3][0], 1);
    EXPECT_EQ(b.cells[4][0], -1);
    EXPECT_EQ(StackHeight(b), 2);
}

TEST(ThinkBoard, SeesTheBoardAsItWillBeOnceTheClearIsOver) {
    std::memset(board, -1, sizeof board);
    players[1] = Player{};
    // Row 2 of player 1: 3 and 4 being cleared (marked), a 6 above the 3.
    Cell(1, 2, 0) = 3 + markOffset;
    Cell(1, 2, 1) = 4 + markOffset;
    Cell(1, 3, 0) = 6;
    Cell(1, 2, 2) = markedEmpty;
    players[1].clearingLine = LineCells{0, 1, 2, 2};
    ThinkBoard b;
    SeeBoard(1, b);
    EXPECT_EQ(b.cells[2][0], 6) << "the 6 falls into the cleared cell";
    EXPECT_EQ(b.cells[3][0], -1);
    EXPECT_EQ(b.cells[2][1], -1);
    EXPECT_EQ(b.cells[2][2], -1) << "a marked empty cell is empty";
}

// The search finds the swap that makes a line where the board has none, and
// its plan's line runs through the swapped panel's new place.
TEST(ThinkSearch, FindsTheSwapThatMakesALine) {
    const ThinkBoard b = BoardOf({"3.4....", "12.....", "6......"});
    ThinkSearch search;
    ThinkSituation s;
    BeginSearch(search, b, s);
    const Strength strong = StrengthOf(5);
    int32_t work = 0;
    while (!SearchDone(search)) work += ContinueSearch(search, strong, strong.workPerStep);
    ASSERT_EQ(search.best.kind, planSwapLine);
    ThinkBoard after = b;
    SwapCells(after, search.best.swapRowA, search.best.swapColumnA, search.best.swapRowB, search.best.swapColumnB);
    EXPECT_TRUE(JudgeLine(after, search.best.line, 7).vanishes);
    EXPECT_GT(work, 0);
}

}  // namespace
