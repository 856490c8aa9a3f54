#pragma once
// A deterministic player for the replays: it looks for a line that adds up,
// walks the cursor there with the player's own keys, anchors it, extends it
// and confirms it. With a fixed seed the keys it presses, and so the whole
// game, are always the same.
#include "match/controls.h"
#include "match/match_run.h"
#include "match/vanish_rule.h"

namespace scriptedPlayer {

// Lets p's cursor and line steps in progress finish.
inline void Settle(int p) {
    for (int i = 0; i < 40 && matchState == 0; ++i) {
        const Player& pl = players[p];
        if (pl.cursorMoveDir == 0 && pl.moveOffset == 0 && pl.lineState <= 0) return;
        matchRun::Step();
    }
}

struct Target {
    int row = -1, column = -1, length = 0;
    bool up = false;
};

// The lowest straight run of free panels on p's board, upward or rightward
// from a cell, that adds up to the target total without a seven.
inline Target FindLine(int p) {
    for (int r = 2; r < 14; ++r)
        for (int c = 0; c < 7; ++c)
            for (int up = 0; up < 2; ++up) {
                int sum = 0;
                for (int k = 0; k < 4; ++k) {
                    const int rr = r + (up ? k : 0), cc = c + (up ? 0 : k);
                    if (rr > 14 || cc > 6) break;
                    const int8_t v = Cell(p, rr, cc);
                    if (v < 1 || v > 6) break;
                    sum += v;
                    if (sum == TargetTotal() && k >= 1) return Target{r, c, k + 1, up == 1};
                    if (sum > TargetTotal()) break;
                }
            }
    return {};
}

// One move of p: a line found and cleared, or ten idle steps.
inline void PlayOneMove(int p) {
    const PlayerKeys& keys = playerKeys[p];
    const Target t = FindLine(p);
    if (t.length == 0) {
        for (int i = 0; i < 10 && matchState == 0; ++i) matchRun::Step();
        return;
    }
    for (int guard = 0; guard < 20 && matchState == 0; ++guard) {
        const Player& pl = players[p];
        if (pl.cursorX == t.column && pl.cursorY == t.row) break;
        matchRun::Press(pl.cursorX < t.column   ? keys.right
                        : pl.cursorX > t.column ? keys.left
                        : pl.cursorY < t.row    ? keys.up
                                                : keys.down);
        Settle(p);
    }
    matchRun::Press(keys.select);
    Settle(p);
    for (int k = 1; k < t.length && matchState == 0; ++k) {
        matchRun::Press(t.up ? keys.up : keys.right);
        Settle(p);
    }
    matchRun::Press(keys.select);
    Settle(p);
}

}  // namespace scriptedPlayer
