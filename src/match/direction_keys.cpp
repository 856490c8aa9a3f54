#include <cstdlib>

#include "match/controls.h"
#include "match/match_state.h"
#include "match/pause.h"
#include "match/player_update.h"
#include "match/step_input.h"
#include "shell/game_mode.h"

namespace {


int Opposite(int dir) { return dir <= 2 ? dir + 2 : dir - 2; }

// Moves the line's end one cell along the key when that cell is occupied;
// a line thus never crosses a hole and never bends.
void StepLineEnd(Player& pl, int p, int dir) {
    const int oldEndX = pl.lineEndX;
    const int oldEndY = pl.lineEndY;
    switch (dir) {
        case 1:
            if (pl.lineEndY < 14 && Occupied(Cell(p, pl.lineEndY + 1, pl.lineStartX))) ++pl.lineEndY;
            break;
        case 2:
            if (pl.lineEndX < 6 && Occupied(Cell(p, pl.lineStartY, pl.lineEndX + 1))) ++pl.lineEndX;
            break;
        case 3:
            if (pl.lineEndY > 2 && Occupied(Cell(p, pl.lineEndY - 1, pl.lineStartX))) --pl.lineEndY;
            break;
        default:
            if (pl.lineEndX > 0 && Occupied(Cell(p, pl.lineStartY, pl.lineEndX - 1))) --pl.lineEndX;
            break;
    }
    if (pl.lineEndX == oldEndX && pl.lineEndY == oldEndY) return;
    const int before = std::abs(oldEndX - pl.lineStartX) + std::abs(oldEndY - pl.lineStartY);
    const int after = std::abs(pl.lineEndX - pl.lineStartX) + std::abs(pl.lineEndY - pl.lineStartY);
    if (after > before) {
        pl.lineState = static_cast<int8_t>(dir);
        pl.moveOffset = 0;
        pl.lineRetracting = 0;
    } else {
        // The frame's edge starts a cell beyond the new end and closes in.
        pl.lineState = static_cast<int8_t>(Opposite(dir));
        pl.lineRetracting = 1;
        pl.moveOffset = 24;
    }
}

bool CursorMayMove(const Player& pl, int dir) {
    switch (dir) {
        case 1: return pl.cursorY < 14;
        case 2: return pl.cursorX < 6;
        case 3: return pl.cursorY > 2;
        default: return pl.cursorX > 0;
    }
}

}  // namespace

int HeldBoardDirection(int p) {
    if (InputHeld(p, inputUp)) return 1;
    if (InputHeld(p, inputRight)) return 2;
    if (InputHeld(p, inputDown)) return 3;
    if (InputHeld(p, inputLeft)) return 4;
    return 0;
}

void DirectionKeys(int p) {
    Player& pl = players[p];
    if (AnyPaused()) {
        PauseMenuKeys(p);
    } else {
        const int dir = HeldBoardDirection(p);
        if (dir == 0) {
            pl.repeatCount = 0;
        } else {
            const bool acts = pl.repeatCount % 10 == 0;
            const bool alongLine = (dir == 1 || dir == 3) ? pl.lineStartX == pl.lineEndX : pl.lineStartY == pl.lineEndY;
            if (pl.lineState == 0 && acts && alongLine) {
                StepLineEnd(pl, p, dir);
            } else if (pl.cursorMoveDir == 0 && acts && CursorMayMove(pl, dir)) {
                // AnimateCursor carries the step out.
                pl.cursorMoveDir = static_cast<int8_t>(dir);
            }
            ++pl.repeatCount;
        }
    }
    // Practice repeats every 10 steps; the other modes act at once, after
    // 10 steps and then on every step.
    if (gameMode == practiceMode) {
        if (pl.repeatCount > 9) pl.repeatCount = 0;
    } else if (pl.repeatCount > 10) {
        pl.repeatCount = 10;
    }
}
