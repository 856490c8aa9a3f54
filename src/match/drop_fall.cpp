#include <cstring>

#include "match/drops.h"
#include "match/match_state.h"
#include "match/player_update.h"

namespace {

bool OccupiedAt(int p, int r, int c) { return r >= 0 && r < boardRows && Occupied(Cell(p, r, c)); }

void FinishBatch(Player& pl) {
    std::memset(pl.nextPanels, -1, sizeof pl.nextPanels);
    pl.dropActive = 0;
    pl.dropPhaseCounter = 0;
    pl.dropPending = 0;
    pl.dropPhase = -1;
    pl.dropImmediate = 0;
    if (pl.dropOverflow <= 0) return;
    // What waited behind becomes the next batch, announced like any other.
    if (pl.dropOverflow < dropBatchMax) {
        pl.dropPending = pl.dropOverflow;
        pl.dropOverflow = 0;
    } else {
        pl.dropPending = dropBatchMax;
        pl.dropOverflow = static_cast<int8_t>(pl.dropOverflow - dropBatchMax);
    }
    pl.dropPhase = 0;
    pl.dropActive = 1;
}

}  // namespace

void FallDropBatch(int p) {
    Player& pl = players[p];
    pl.dropPhaseCounter = 0;
    pl.dropFallOffset = static_cast<int8_t>(pl.dropFallOffset + 8);
    if (pl.dropFallOffset >= 24) {
        pl.dropFallOffset = 0;
        --pl.dropRow;
    }
    const int row = pl.dropRow;
    for (int c = 0; c < boardColumns; ++c) {
        if (!OccupiedAt(p, row - 1, c)) {
            for (int k = 0; k < 5; ++k) {
                const int v = pl.nextPanels[k][c];
                if (v >= 1 && v <= 7 && row + k <= 14) DrawPanel(v, ColumnLeft(p, c), RowTop(p, row + k) + pl.dropFallOffset);
            }
        }
        if (pl.nextPanels[0][c] == -1) ++pl.dropPhaseCounter;
        if (OccupiedAt(p, row - 1, c) || row <= 2 || Occupied(Cell(p, 14, c))) {
            for (int k = 0; k < 5; ++k) {
                // Panels that would rest above the top row are lost.
                if (pl.nextPanels[k][c] != -1 && row + k >= 0 && row + k < 15) Cell(p, row + k, c) = pl.nextPanels[k][c];
                pl.nextPanels[k][c] = -1;
            }
        }
    }
    if (pl.dropPhaseCounter > 6) FinishBatch(pl);
}
