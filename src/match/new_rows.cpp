#include "match/game_random.h"
#include "match/gravity_rise.h"
#include "match/match_state.h"
#include "match/param_levels.h"

int8_t PanelFromRoll(int r) {
    if (r <= 31) return static_cast<int8_t>(r % 4 + 1);
    if (r <= 33) return 5;
    if (r == 34) return 6;
    return 7;
}

// Each point of LUCK adds one more roll that gives a 7.
int RollOutcomes(int p) { return 35 + ParamLevel(p, paramLuck); }

void NewBottomRow(int p) {
    const int outcomes = RollOutcomes(p);
    for (int c = 0; c < boardColumns; ++c) {
        int8_t v = PanelFromRoll(GameRand() % outcomes + 1);
        // No two equal neighbours in a new row.
        if (c > 0 && v == Cell(p, 0, c - 1)) v = v == 7 ? 1 : static_cast<int8_t>(v + 1);
        Cell(p, 0, c) = v;
    }
}
