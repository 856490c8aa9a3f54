#include "match/gravity_rise.h"
#include "match/hud.h"
#include "match/match_state.h"
#include "match/player_update.h"
#include "shell/game_mode.h"

namespace {

constexpr int fallStep = 8;

// A cell of the stack moved down from row r of column c: a pick or a line
// resting on it can't follow, so it is dropped.
void NoticeMove(Player& pl, int r, int c) {
    if (pl.swapState == 1 && c == pl.swapFirstX && r == pl.swapFirstY) {
        pl.swapState = 0;
        pl.limitCounter = 0;
    }
    if (c == pl.lineStartX && Between(r, pl.lineStartY, pl.lineEndY)) {
        pl.lineState = -1;
        pl.limitCounter = 0;
    }
}

}  // namespace

void ApplyGravity(int p) {
    Player& pl = players[p];
    if (!AnyPaused()) pl.fallOffset = static_cast<int8_t>(pl.fallOffset + fallStep);
    const bool landing = pl.fallOffset > 23;

    int holes = 0;
    for (int c = 0; c < boardColumns; ++c) {
        const int x = ColumnLeft(p, c);
        for (int r = 2; r <= 13; ++r) {
            if (!Occupied(Cell(p, r + 1, c)) || Cell(p, r, c) != emptyCell) continue;
            ++holes;
            CoverWithBackground(x, fieldTop, 24, RowTop(p, r) + 24 - fieldTop);
            for (int k = 1; r + k < boardRows; ++k) {
                const int8_t v = Cell(p, r + k, c);
                DrawPanelInField(HoldsPanel(v) ? v : -1, x, RowTop(p, r + k) + pl.fallOffset, 0, 24, false);
                if (landing) {
                    Cell(p, r + k - 1, c) = v;
                    NoticeMove(pl, r + k, c);
                }
            }
            if (landing) Cell(p, 14, c) = emptyCell;
        }
    }

    if (pl.swapState == 0 && pl.lineState == -1) AnimateCursor(p);
    if (pl.swapState == 1) AnimateSwap(p);

    if (landing) pl.fallOffset = 0;
    if (holes == 0) {
        pl.fallOffset = 0;
        pl.needsGravity = 0;
    }
    // The covering above painted over the line across the field's top.
    if (gameMode != practiceMode) DrawTopLine(p, topLineStep);
}
