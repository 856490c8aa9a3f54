#include "match/gravity_rise.h"
#include "match/match_state.h"

void IdleCleanUp(int p) {
    Player& pl = players[p];
    if (matchStarted == 0 || pl.swapState != 0 || pl.lineState != -1 || pl.clearingLine.Active() ||
        pl.failingLine.Active())
        return;
    // Marked cells no action owns any more become empty, and gravity looks at
    // the board again. Only a cell that really changes asks for gravity: the
    // rise start, which runs between this pass and the players' gravity, must
    // see a quiet board as quiet.
    for (int i = p * boardCells; i < (p + 1) * boardCells; ++i) {
        if (board[i] > 7 || board[i] < emptyCell) {
            board[i] = emptyCell;
            pl.needsGravity = 1;
        }
    }
}
