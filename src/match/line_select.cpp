#include <algorithm>

#include "content/game_sheet.h"
#include "match/match_state.h"
#include "match/player_update.h"
#include "match/step_input.h"
#include "match/vanish_rule.h"
#include "platform/blit.h"
#include "platform/surface.h"

namespace {

constexpr int margin = 6;
constexpr int cap = 9;

bool CursorOnLine(int p, const LineCells& line) {
    return CursorOnSegment(p, line.startX, line.startY, line.endX, line.endY);
}

}  // namespace

bool SelectKey(int p) {
    Player& pl = players[p];
    if (!InputHeld(p, inputSelect)) {
        pl.selectLatch = 0;
        return true;
    }
    if (AnyPaused() || pl.cursorY > 14 || pl.swapState != 0 || pl.moveOffset != 0) return true;

    if (pl.selectLatch == 0 && pl.lineState == -1 && HoldsPanel(Cell(p, pl.cursorY, pl.cursorX))) {
        // A panel of the line on its way out can't start a new one.
        const bool onClearing = pl.clearingLine.Active() && CursorOnLine(p, pl.clearingLine);
        const bool onFailing = !pl.clearingLine.Active() && pl.failingLine.Active() && CursorOnLine(p, pl.failingLine);
        if (onClearing || onFailing) return false;
        pl.lineState = 0;
        pl.selectLatch = 1;
        pl.lineStartX = pl.lineEndX = pl.cursorX;
        pl.lineStartY = pl.lineEndY = pl.cursorY;
        return true;
    }

    // The end moves while the cursor stays on the start, so an end away from
    // the cursor means at least two cells. A line dropped by the limit or by
    // gravity while the key stayed held since anchoring is confirmed as stored.
    const bool endAway = pl.lineEndX != pl.cursorX || pl.lineEndY != pl.cursorY;
    const bool pressed = (pl.selectLatch == 0 && pl.lineState == 0) || (pl.selectLatch == 1 && pl.lineState == -1);
    if (pl.needsGravity == 0 && pl.clearTimer == 0 && pl.failTimer == -1 && endAway && pressed) {
        ConfirmLine(p);
        pl.cursorMoveDir = 0;
        pl.limitCounter = 0;
        pl.lineState = -1;
        pl.selectLatch = 2;
    }
    return true;
}

void DrawStretchFrame(int left, int top, int right, int bottom, bool horizontal, int p, int b) {
    const SheetRect f = gameSheetLayout::LineFrame(36 * p + b);
    const int s = f.left;
    if (horizontal) {
        BlitClipped(&backBuffer, left, top, mainSheet, keyedCopy, s, f.top, s + cap, f.bottom);
        BlitStretched(&backBuffer, mainSheet, keyedStretch, left + cap, top, right - cap, bottom, s + cap, f.top,
                      f.right - cap, f.bottom);
        BlitClipped(&backBuffer, right - cap, top, mainSheet, keyedCopy, f.right - cap, f.top, f.right, f.bottom);
    } else {
        BlitClipped(&backBuffer, left, top, mainSheet, keyedCopy, s, f.top, f.right, f.top + cap);
        BlitStretched(&backBuffer, mainSheet, keyedStretch, left, top + cap, right, bottom - cap, s, f.top + cap,
                      f.right, f.bottom - cap);
        BlitClipped(&backBuffer, left, bottom - cap, mainSheet, keyedCopy, s, f.bottom - cap, f.right, f.bottom);
    }
}

void DrawLineFrame(int p) {
    Player& pl = players[p];
    const int b = BlinkPhase() == 0 ? 0 : (2 - p) * 36;

    if (pl.lineState > 0) {
        const int step = CursorSpeed(p) + 1;
        if (pl.lineRetracting == 0) {
            pl.moveOffset = static_cast<int8_t>(pl.moveOffset + step);
            if (pl.moveOffset > 23) {
                pl.moveOffset = 0;
                pl.lineState = 0;
            }
        } else {
            pl.moveOffset = static_cast<int8_t>(pl.moveOffset - step);
            if (pl.moveOffset < 1) {
                pl.moveOffset = 0;
                pl.lineState = 0;
            }
        }
    }

    // The cells' rectangle with a margin on every side.
    int left = ColumnLeft(p, std::min(pl.lineStartX, pl.lineEndX)) - margin;
    int right = ColumnLeft(p, std::max(pl.lineStartX, pl.lineEndX)) + 24 + margin;
    int top = RowTop(p, std::max(pl.lineStartY, pl.lineEndY)) - margin;
    int bottom = RowTop(p, std::min(pl.lineStartY, pl.lineEndY)) + 24 + margin;

    if (pl.lineState > 0) {
        // The end's edge lies between the old and the new end cell: growing
        // it comes from the old end, retracting it closes in on the new one.
        const int reach = pl.lineRetracting == 0 ? pl.moveOffset - 24 : pl.moveOffset;
        switch (pl.lineState) {
            case 1: top -= reach; break;
            case 2: right += reach; break;
            case 3: bottom += reach; break;
            default: left -= reach; break;
        }
        DrawStretchFrame(left, top, right, bottom, pl.lineState == 2 || pl.lineState == 4, p, b);
        return;
    }
    if (pl.lineStartX == pl.lineEndX && pl.lineStartY == pl.lineEndY) {
        const SheetRect f = gameSheetLayout::LineFrame(36 * p + b);
        BlitClipped(&backBuffer, left, top, mainSheet, keyedCopy, f.left, f.top, f.right, f.bottom);
        return;
    }
    DrawStretchFrame(left, top, right, bottom, pl.lineStartY == pl.lineEndY, p, b);
}
