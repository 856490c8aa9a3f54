#include "match/match_state.h"
#include "match/player_update.h"
#include "match/puzzle_rules.h"
#include "match/step_input.h"
#include "shell/game_mode.h"

namespace {

int8_t& FirstCell(int p) { return Cell(p, players[p].swapFirstY, players[p].swapFirstX); }
int8_t& SecondCell(int p) { return Cell(p, players[p].swapSecondY, players[p].swapSecondX); }

void Mark(int8_t& cell, int8_t& kept) {
    kept = cell >= markedEmpty ? 1 : 0;
    if (cell < 0) cell = markedEmpty;
    else if (cell <= 7) cell = static_cast<int8_t>(cell + markOffset);
}

// Anything not marked any more at the end was emptied under the swap.
void Unmark(int8_t& cell, int8_t kept) {
    if (kept != 0) return;
    cell = cell >= markedEmpty ? static_cast<int8_t>(cell - markOffset) : emptyCell;
}

// The picture a swapping cell shows: marked panels as their value.
int ShownValue(int8_t v) {
    if (v >= markOffset) return v - markOffset;
    return v <= 7 ? v : -1;
}

void DrawSwapCell(int p, int x, int y, int left, int right) {
    const int8_t v = Cell(p, y, x);
    DrawPanelInField(ShownValue(v), ColumnLeft(p, x), RowTop(p, y), left, right, false);
}

}  // namespace

bool SwapKey(int p) {
    Player& pl = players[p];
    if (!InputHeld(p, inputSwap)) {
        pl.swapLatch = 0;
        return true;
    }
    // While paused the puzzle menu reads this key (PauseMenuKeys).
    if (AnyPaused() || pl.lineState != -1 || pl.cursorY >= 15 || pl.moveOffset != 0) return true;

    if (pl.swapLatch == 0 && pl.swapState == 0) {
        if (gameMode == puzzleMode && (PuzzleSwapAllowance() == -2 || PuzzleSwapAllowance() == 0)) return false;
        if (HoldsPanel(Cell(p, pl.cursorY, pl.cursorX))) {
            pl.swapLatch = 1;
            pl.swapState = 1;
            pl.swapFirstX = pl.cursorX;
            pl.swapFirstY = pl.cursorY;
            if (gameMode == puzzleMode && PuzzleSwapAllowance() > 0) --PuzzleSwapAllowance();
        }
        return true;
    }
    if (pl.cursorX == pl.swapFirstX && pl.cursorY == pl.swapFirstY) return false;
    // In endless and versus the top row can't receive a panel by a swap.
    const bool rowAllowed = gameMode == puzzleMode || gameMode == practiceMode || pl.cursorY < 14;
    if (pl.swapLatch == 0 && pl.swapState == 1 && rowAllowed) {
        pl.swapState = 2;
        pl.swapLatch = 1;
        pl.swapSecondX = pl.cursorX;
        pl.swapSecondY = pl.cursorY;
        Mark(FirstCell(p), keptMarks.cells[p][0]);
        Mark(SecondCell(p), keptMarks.cells[p][1]);
    }
    return true;
}

void AnimateSwap(int p) {
    Player& pl = players[p];
    if (pl.swapState == 1) {
        // The picked panel blinks: hidden in phase A.
        if (BlinkPhase() == 0) {
            const int top = RowTop(p, pl.swapFirstY);
            const int cut = top < fieldTop ? fieldTop - top : 0;
            CoverWithBackground(ColumnLeft(p, pl.swapFirstX), top + cut, 24, 24 - cut);
        }
        return;
    }
    if (pl.swapState != 2) return;

    if (pl.swapStep < 24) {
        const int s = pl.swapStep;
        if (s < 12) {
            DrawSwapCell(p, pl.swapFirstX, pl.swapFirstY, s, 24 - s);
            DrawSwapCell(p, pl.swapSecondX, pl.swapSecondY, s, 24 - s);
        } else if (s == 12) {
            const int8_t first = FirstCell(p);
            FirstCell(p) = SecondCell(p);
            SecondCell(p) = first;
            const int8_t kept = keptMarks.cells[p][0];
            keptMarks.cells[p][0] = keptMarks.cells[p][1];
            keptMarks.cells[p][1] = kept;
        } else {
            DrawSwapCell(p, pl.swapFirstX, pl.swapFirstY, 24 - s, s);
            DrawSwapCell(p, pl.swapSecondX, pl.swapSecondY, 24 - s, s);
        }
        pl.swapStep = static_cast<int8_t>(s + 2);
        return;
    }

    // Whole again; the board pass shows them unmarked from the next step on.
    DrawSwapCell(p, pl.swapFirstX, pl.swapFirstY, 0, 24);
    DrawSwapCell(p, pl.swapSecondX, pl.swapSecondY, 0, 24);
    if (pl.riseOffset >= 24) return;
    pl.limitCounter = 0;
    pl.swapStep = 0;
    pl.swapState = 0;
    const bool firstWasMarkedEmpty = FirstCell(p) == markedEmpty && keptMarks.cells[p][0] == 0;
    Unmark(FirstCell(p), keptMarks.cells[p][0]);
    Unmark(SecondCell(p), keptMarks.cells[p][1]);
    // A panel moved into an empty cell leaves a hole behind it.
    if (firstWasMarkedEmpty) pl.needsGravity = 1;
}
