#include <cstdlib>

#include "match/gravity_rise.h"
#include "match/match_state.h"
#include "setup/player_params.h"

int8_t PanelFromRoll(int r) {
    if (r <= 31) return static_cast<int8_t>(r % 4 + 1);
    if (r <= 33) return 5;
    if (r == 34) return 6;
    return 7;
}

void NewBottomRow(int p) {
    const int luckParam = playerParams[p][paramLuck];
    const int luck = luckParam < 0 ? 0 : (luckParam > 5 ? 5 : luckParam);
    for (int c = 0; c < boardColumns; ++c) {
        int8_t v = PanelFromRoll(std::rand() % (35 + luck) + 1);
        // No two equal neighbours in a new row.
        if (c > 0 && v == Cell(p, 0, c - 1)) v = v == 7 ? 1 : static_cast<int8_t>(v + 1);
        Cell(p, 0, c) = v;
    }
}
