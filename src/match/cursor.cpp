#include "content/game_sheet.h"
#include "match/match_state.h"
#include "match/param_levels.h"
#include "match/player_update.h"
#include "platform/blit.h"
#include "platform/surface.h"

namespace {

constexpr int stepPixels = 24;

}  // namespace

int CursorSpeed(int p) { return ParamLevel(p, paramSpeed); }

bool CursorOnSegment(int p, int x0, int y0, int x1, int y1) {
    const Player& pl = players[p];
    if (x0 == x1 && x0 == pl.cursorX) return Between(pl.cursorY, y0, y1);
    if (y0 == y1 && y0 == pl.cursorY) return Between(pl.cursorX, x0, x1);
    return false;
}

void AnimateCursor(int p) {
    Player& pl = players[p];

    // Keep the picture inside the field: pinned under its top edge unless the
    // cursor is on its way up into the top row.
    const int y = 352 - 24 * (pl.cursorY - 2) - pl.riseOffset;
    if (pl.cursorMoveDir == 1 || y >= fieldTop) {
        pl.cursorPin = (pl.cursorMoveDir == 1 && y - pl.moveOffset < fieldTop) ? fieldTop - (y - pl.moveOffset) : 0;
    } else {
        pl.cursorPin = fieldTop - y;
    }

    if (pl.cursorMoveDir > 0) pl.moveOffset = static_cast<int8_t>(pl.moveOffset + CursorSpeed(p) + 1);
    if (pl.moveOffset >= stepPixels) {
        switch (pl.cursorMoveDir) {
            case 1:
                if (pl.cursorY < 14) ++pl.cursorY;
                break;
            case 2: ++pl.cursorX; break;
            case 3: --pl.cursorY; break;
            case 4: --pl.cursorX; break;
            default: break;
        }
        pl.cursorMoveDir = 0;
        pl.moveOffset = 0;
    }

    if (pl.swapState == 2) return;
    int x = 43 + 374 * p + 24 * pl.cursorX;
    int top = 346 - 24 * (pl.cursorY - 2) - pl.riseOffset + pl.cursorPin;
    switch (pl.cursorMoveDir) {
        case 1: top -= pl.moveOffset; break;
        case 2: x += pl.moveOffset; break;
        case 3: top += pl.moveOffset; break;
        case 4: x -= pl.moveOffset; break;
        default: break;
    }
    const SheetRect picture =
        (pl.swapState == 1 && BlinkPhase() == 1) ? gameSheetLayout::pickedCursor : gameSheetLayout::Cursor(p);
    BlitClipped(&backBuffer, x, top, mainSheet, keyedCopy, picture.left, picture.top, picture.right, picture.bottom);
}
