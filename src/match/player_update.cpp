#include "match/player_update.h"

#include "match/drops.h"
#include "match/gravity_rise.h"
#include "match/hud.h"
#include "match/match_state.h"
#include "match/pause.h"
#include "match/step_input.h"
#include "match/vanish_rule.h"
#include "platform/wipe.h"

namespace {

// Everything that moves on p's board by itself this step.
void RunAnimations(int p) {
    Player& pl = players[p];
    if (pl.swapState > 0) AnimateSwap(p);
    if (pl.lineState == -1) {
        // While panels fall, ApplyGravity draws the cursor after them.
        if (pl.needsGravity == 0) AnimateCursor(p);
    } else {
        DrawLineFrame(p);
    }
    if (pl.clearingLine.Active()) AnimateClear(p);
    if (pl.failingLine.Active()) AnimateFail(p);
    if (pl.needsGravity == 1) ApplyGravity(p);
    if (pl.dropActive == 1) {
        if (pl.dropImmediate == 1) RunDrop(p, pl.dropPending, 0);
        else if (pl.dropPending > 0) RunDrop(p, pl.dropPending, 1);
    }
    if (pl.bonusState == 1) RunClearBanner(p);
}

}  // namespace

void UpdatePlayer(int p) {
    Player& pl = players[p];
    if (!AnyExAttack() && !AnyPaused()) RunAnimations(p);
    if (LeaveKey(p)) return;
    if (PauseKey(p)) return;
    if (!AnyPaused()) {
        EndOfChain(p);
        if (pl.swapState == 1 || pl.lineState >= 0) TickLimit(p);
    }
    // A running EX attack holds both players' controls.
    if (AnyExAttack() && !AnyPaused()) {
        if (pl.exAttackActive != 0) RunExAttack(p, exAttackKind);
        return;
    }
    DirectionKeys(p);
    if (!SwapKey(p)) return;
    if (!SelectKey(p)) return;
    if (!DropRequestKey(p)) return;
    ExAttackKeys(p);
    CancelKey(p);
    // A closed screen may still hold the notice of items won in practice.
    if (wipeState != 0) LeaveMatchWipe();
}

void CancelKey(int p) {
    Player& pl = players[p];
    if (!InputHeld(p, inputCancel) || AnyPaused()) return;
    if (pl.lineState >= 0) {
        pl.cursorX = pl.lineEndX;
        pl.cursorY = pl.lineEndY;
        pl.lineStartX = pl.lineEndX = pl.lineStartY = pl.lineEndY = -1;
    }
    // Cells marked by a cancelled swap stay marked; the idle clean-up empties them.
    pl.selectLatch = 0;
    pl.swapState = 0;
    pl.moveOffset = 0;
    pl.cursorMoveDir = 0;
    pl.lineState = -1;
}
