#include "match/drops.h"

#include <algorithm>

#include "content/game_sheet.h"
#include "match/game_random.h"
#include "match/gravity_rise.h"
#include "match/match_state.h"
#include "match/step_input.h"
#include "platform/blit.h"
#include "shell/game_mode.h"

namespace {

// Amount into the batch, the part beyond 35 behind it.
void AddToBatch(Player& pl, int amount) {
    const int pending = pl.dropPending + amount;
    if (pending > dropBatchMax) pl.dropOverflow = SaturatingAdd(pl.dropOverflow, pending - dropBatchMax);
    pl.dropPending = static_cast<int8_t>(std::min(pending, dropBatchMax));
}

// A new panel for the batch: the bottom-row draw at LUCK 0.
int8_t DrawDropValue() { return PanelFromRoll(GameRand() % 35 + 1); }

void GenerateBatch(Player& pl, int count, int announce) {
    pl.dropRow = 15;
    const int last = count - 1;
    for (int k = 0; k <= last / 7; ++k) {
        // Each attempt offers the next column in order; one that is filled
        // already stops the row, so the rest spill into the next row.
        for (int j = 0; 7 * k + j <= last; ++j) {
            const int c = dropColumnOrder[pl.dropColumnCursor];
            if (pl.nextPanels[k][c] == -1) {
                pl.nextPanels[k][c] = DrawDropValue();
                pl.dropColumnCursor = static_cast<int8_t>((pl.dropColumnCursor + 1) % 7);
            }
        }
    }
    const int pairs = last % 7;
    for (auto& row : pl.nextPanels) {
        for (int j = 1; j <= pairs; ++j) {
            if (row[j - 1] == row[j] && row[j] > 0) row[j] = static_cast<int8_t>(row[j] == 7 ? 1 : row[j] + 1);
        }
    }
    pl.dropPhase = announce == 0 ? 2 : 1;
}

void WarnBatch(int p, Player& pl) {
    for (int c = boardColumns - 1; c >= 0; --c) {
        int n = 0;
        while (n < 5 && pl.nextPanels[n][c] != -1) ++n;
        if (n == 0) continue;
        const int home = ColumnLeft(p, c);
        const int x = pl.dropPhaseCounter >= 20 ? home : 49 + 374 * p + (24 * c / 20) * pl.dropPhaseCounter;
        const SheetRect marker = gameSheetLayout::NextMarker(n);
        BlitClipped(&backBuffer, x, 10, mainSheet, keyedCopy, marker.left, marker.top, marker.right, marker.bottom);
    }
    if (pl.dropPhaseCounter < 120) ++pl.dropPhaseCounter;
    // At least 101 steps of warning, and never while a clear is still running.
    if (pl.dropPhaseCounter > 100 && pl.clearTimer == 0) pl.dropPhase = 2;
}

}  // namespace

int8_t SaturatingAdd(int8_t value, int amount) {
    const int sum = value + amount;
    return static_cast<int8_t>(std::clamp(sum, -128, 127));
}

void QueueDrop(int p, int amount, DropRule rule) {
    Player& pl = players[p];
    // Nothing to drop would leave an active queue that never runs.
    if (amount <= 0) return;
    const bool idle = pl.dropActive == 0 && pl.dropPending == 0;
    switch (rule) {
        case DropRule::behindBatch:
            if (idle) {
                AddToBatch(pl, amount);
                pl.dropPhase = 0;
            } else {
                pl.dropOverflow = SaturatingAdd(pl.dropOverflow, amount);
            }
            break;
        case DropRule::atOnce:
            AddToBatch(pl, amount);
            pl.dropImmediate = 1;
            pl.dropPhase = 0;
            break;
        case DropRule::timeout:
            if (idle) {
                AddToBatch(pl, amount);
                pl.dropPhase = 0;
                pl.dropPhaseCounter = 0;
            } else if (pl.dropOverflow < dropBatchMax) {
                pl.dropOverflow = static_cast<int8_t>(std::min(pl.dropOverflow + amount, dropBatchMax));
            }
            break;
        case DropRule::chainAttack:
            if (pl.dropPending == 0) {
                AddToBatch(pl, amount);
                pl.dropPhase = 0;
            } else {
                // What waited behind is replaced, and the queue keeps its state.
                pl.dropOverflow = SaturatingAdd(0, amount);
                return;
            }
            break;
    }
    pl.dropActive = 1;
}

bool DropRequestKey(int p) {
    Player& pl = players[p];
    if (!InputHeld(p, inputDrop)) return true;
    if (pl.dropImmediate != 0 || pl.riseOffset != 0 || pl.swapState != 0 || pl.clearingLine.Active() ||
        pl.failingLine.Active() || pl.lineState != -1 || AnyPaused())
        return true;
    if (gameMode == practiceMode) {
        // Practice has no automatic rise: the key raises the stack one row.
        pl.riseOffset = 1;
        return true;
    }
    if (pl.dropPhase >= 2) return true;
    for (int c = 0; c < boardColumns; ++c)
        if (Occupied(Cell(p, 13, c))) return false;
    QueueDrop(p, boardColumns, DropRule::atOnce);
    return true;
}

void RunDrop(int p, int count, int announce) {
    Player& pl = players[p];
    // The batch holds five rows; a larger count could only come from a bad caller.
    count = std::clamp(count, 0, dropBatchMax);
    switch (pl.dropPhase) {
        case 0: GenerateBatch(pl, count, announce); break;
        case 1: WarnBatch(p, pl); break;
        case 2: FallDropBatch(p); break;
        default: break;
    }
}
