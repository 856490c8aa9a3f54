#include <algorithm>

#include "match/drops.h"
#include "match/match_state.h"
#include "match/vanish_rule.h"

void TickLimit(int p) {
    Player& pl = players[p];
    if (pl.riseOffset == 0) ++pl.limitCounter;
    if (pl.limitCounter <= LimitFrames(p)) return;

    // Too slow: the pending swap or line is dropped and a row comes down.
    pl.limitCounter = 0;
    pl.swapState = 0;
    pl.lineState = -1;
    if (pl.dropActive == 0 && pl.dropPending == 0) {
        pl.dropPending = 7;
        pl.dropPhase = 0;
        pl.dropPhaseCounter = 0;
    } else if (pl.dropOverflow < 35) {
        // Timeouts alone never stack more than five rows behind the batch.
        pl.dropOverflow = static_cast<int8_t>(std::min(pl.dropOverflow + 7, 35));
    }
    pl.dropActive = 1;
}
