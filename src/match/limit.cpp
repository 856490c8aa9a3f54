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
    QueueDrop(p, boardColumns, DropRule::timeout);
}
