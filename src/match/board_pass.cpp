#include "match/board_pass.h"

#include <algorithm>

#include "content/game_sheet.h"
#include "match/gravity_rise.h"
#include "match/hud_parts.h"
#include "match/match_state.h"
#include "match/puzzle_rules.h"
#include "options/options_file.h"
#include "platform/blit.h"
#include "platform/surface.h"
#include "shell/game_mode.h"

namespace {

constexpr int topRow = 14;
constexpr int topOutSteps = 201;
constexpr int nextStripTop = 389;
constexpr int fieldBottom = 376;
constexpr int cellSize = 24;

// Source rows firstRow..lastRow of panel v's picture with their top at y.
void DrawPanelRows(int v, int x, int y, int firstRow, int lastRow) {
    firstRow = std::clamp(firstRow, 0, cellSize);
    lastRow = std::clamp(lastRow, 0, cellSize);
    if (lastRow <= firstRow) return;
    const SheetRect r = gameSheetLayout::Panel(v, options.panelShape == 1 ? 1 : 0);
    BlitClipped(&backBuffer, x, y, mainSheet, keyedCopy, r.left, r.top + firstRow, r.right, r.top + lastRow);
}

// The field, rows 2..14: a row pushed above the field's top edge by the rise
// shows only its part below that edge. Returns true when a visible row holds
// a panel and keeps highestRow on the highest such row.
bool DrawField(int p) {
    Player& pl = players[p];
    bool anyPanel = false;
    for (int r = 2; r <= topRow; ++r) {
        const int y = RowTop(p, r);
        for (int c = 0; c < boardColumns; ++c) {
            const int8_t v = Cell(p, r, c);
            if (!HoldsPanel(v)) continue;
            if (y < fieldTop) DrawPanelRows(v, ColumnLeft(p, c), fieldTop, fieldTop - y, cellSize);
            else DrawPanelRows(v, ColumnLeft(p, c), y, 0, cellSize);
            pl.highestRow = static_cast<int8_t>(r);
            anyPanel = true;
        }
    }
    return anyPanel;
}

// Row 1 waits in the NEXT strip and slides into the field while the stack
// rises; row 0 comes into the strip from below.
void DrawIncomingRows(int p) {
    const int rise = players[p].riseOffset;
    for (int c = 0; c < boardColumns; ++c) {
        const int x = ColumnLeft(p, c);
        const int8_t incoming = Cell(p, 1, c);
        if (HoldsPanel(incoming)) {
            DrawPanelRows(incoming, x, nextStripTop, rise, cellSize);
            if (rise > 0) DrawPanelRows(incoming, x, fieldBottom - rise, 0, rise);
        }
        const int8_t below = Cell(p, 0, c);
        if (rise > 0 && HoldsPanel(below)) DrawPanelRows(below, x, nextStripTop + cellSize - rise, 0, rise);
    }
}

bool FieldEmpty(int p) {
    for (int r = 2; r <= topRow; ++r)
        for (int c = 0; c < boardColumns; ++c)
            if (Cell(p, r, c) != emptyCell) return false;
    return true;
}

// A panel in the top row for 201 steps (not counting EX attacks) loses the
// match on the next step; both boards on the same step make a draw.
void TimeTopOut(int p) {
    Player& pl = players[p];
    if (gameMode == practiceMode || pl.highestRow != topRow) {
        pl.topOutTimer = 0;
        return;
    }
    if (pl.topOutTimer >= topOutSteps) {
        pl.topOutTimer = 0;
        matchState = 1;
        if (p == 0) topOutResult = 2;
        else topOutResult = topOutResult == 2 ? 3 : 1;
        return;
    }
    if (pl.exAttackActive == 0) ++pl.topOutTimer;
}

void NoticeEmptiedBoard(int p) {
    Player& pl = players[p];
    if (pl.bonusState != 0 || pl.dropPhase >= 2 || matchStarted != 1 || !FieldEmpty(p)) return;
    if (gameMode == endlessMode) {
        pl.bonusState = 1;
    } else if (gameMode == puzzleMode && PuzzleGoalType() == 0) {
        matchState = 1;
        matchEnd = 1;
    }
}

}  // namespace

void BoardPass() {
    const int last = twoPlayers == 1 ? 1 : 0;
    for (int p = 0; p <= last; ++p) {
        IdleCleanUp(p);
        const bool anyPanel = DrawField(p);
        // An emptied board has no highest row: left at 14 it would top out.
        if (!anyPanel && FieldEmpty(p)) players[p].highestRow = 0;
        DrawIncomingRows(p);
        TimeTopOut(p);
        NoticeEmptiedBoard(p);
    }
    for (int p = 0; p <= last; ++p) {
        if (players[p].riseOffset > 23) CompleteRise(p);
    }
}
