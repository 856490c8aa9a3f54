#include <algorithm>

#include "match/match_state.h"
#include "match/player_update.h"
#include "match/puzzle_rules.h"
#include "match/score.h"
#include "match/vanish_rule.h"
#include "shell/game_mode.h"

namespace {

// Calls visit(row, column) for every cell of the line still on the board,
// whichever way it runs. A rise can push the line's top cell over the field's
// top and away; the cells below it are still the line's and must clear or miss
// with it. An idle line (all -1) has no cells.
template <typename Visit>
void ForEachLineCell(const LineCells& line, Visit visit) {
    auto onBoard = [](int x, int y) { return x >= 0 && x < boardColumns && y >= 0 && y < boardRows; };
    auto visitOnBoard = [&](int r, int c) {
        if (onBoard(c, r)) visit(r, c);
    };
    if (line.startX == line.endX) {
        const int top = std::max(line.startY, line.endY);
        for (int r = std::min(line.startY, line.endY); r <= top; ++r) visitOnBoard(r, line.startX);
    } else if (line.startY == line.endY) {
        const int right = std::max(line.startX, line.endX);
        for (int c = std::min(line.startX, line.endX); c <= right; ++c) visitOnBoard(line.startY, c);
    }
}

void TestPuzzleGoal(const Player& pl) {
    if (gameMode != puzzleMode) return;
    bool met = false;
    switch (PuzzleGoalType()) {
        case 1: met = pl.chain >= PuzzleGoalValue(); break;
        case 2: met = panelsCleared >= PuzzleGoalValue(); break;
        case 3: met = pl.score >= PuzzleGoalValue(); break;
        default: break;  // type 0 (empty board) is the board pass's test
    }
    if (met) {
        matchState = 1;
        matchEnd = 1;
    }
}

}  // namespace

void AnimateClear(int p) {
    Player& pl = players[p];
    if (!AnyPaused()) pl.clearTimer += 3;
    const bool emptyNow = pl.clearTimer >= 108 && pl.clearTimer % 12 == 0 && pl.needsGravity == 0;
    const int t = pl.clearTimer % 24;
    ForEachLineCell(pl.clearingLine, [&](int r, int c) {
        int8_t& cell = Cell(p, r, c);
        if (emptyNow) {
            cell = emptyCell;
            return;
        }
        const int v = cell - markOffset;
        if (v < 0 || v > 7) return;  // already empty
        // Squeezed to a sliver over 12 steps, then opened again: a flip.
        const int inset = t < 12 ? t : 24 - t;
        DrawPanelInField(v, ColumnLeft(p, c), RowTop(p, r), inset, 24 - inset, false);
    });

    if (pl.clearTimer > 107 && pl.clearTimer % 12 == 0 && pl.needsGravity == 0 && pl.riseOffset == 0 &&
        pl.dropPhase < 2) {
        ForEachLineCell(pl.clearingLine, [&](int r, int c) { Cell(p, r, c) = emptyCell; });
        pl.clearingLine = LineCells{};
        pl.needsGravity = 1;
        pl.clearTimer = 0;
        AddScore(p, static_cast<int64_t>(pl.lineScore) * pl.lineWeight);
        pl.lineWeight = 0;
        pl.lineScore = 0;
        TestPuzzleGoal(pl);
    }
}

void AnimateFail(int p) {
    Player& pl = players[p];
    // Saturates: a lost puzzle leaves the line in place while the result runs.
    if (pl.failTimer < 127) pl.failTimer = static_cast<int8_t>(pl.failTimer + 1);
    const int ft = pl.failTimer;
    ForEachLineCell(pl.failingLine, [&](int r, int c) {
        int8_t& cell = Cell(p, r, c);
        if (ft == 12) {
            cell = 0;
            return;
        }
        const int x = ColumnLeft(p, c);
        const int y = RowTop(p, r);
        if (ft < 12) {
            const int v = cell - markOffset;
            if (v >= 0 && v <= 7) DrawPanelInField(v, x, y, ft, 24 - ft, true);
        } else if (ft <= 24) {
            DrawPanelInField(0, x, y, 24 - ft, ft, true);
        }
    });

    if (pl.failTimer > 23) {
        if (gameMode == puzzleMode) {
            matchState = 1;
            return;
        }
        pl.failingLine = LineCells{};
        pl.failTimer = -1;
        pl.lineWeight = 0;
        pl.lineScore = 0;
    }
}
