#include "match/limit_gauge.h"

#include <algorithm>

#include "match/match_state.h"
#include "shell/game_mode.h"

namespace {

constexpr int gaugeWidth = 24 * boardColumns;

// The longest limit of the match's players, at least the board's width. The
// frame is painted before the match knows it has two players, so the mode
// tells who plays; outside a match (the editor's board) nobody does.
int LongestLimit() {
    int longest = gaugeWidth;
    if (gameMode < endlessMode || gameMode > practiceMode) return longest;
    const int last = gameMode == versusMode ? 1 : 0;
    for (int p = 0; p <= last; ++p) longest = std::max(longest, LimitFrames(p));
    return longest;
}

}  // namespace

int LimitGaugePixels(int frames) {
    const int longest = LongestLimit();
    return std::clamp(frames, 0, longest) * gaugeWidth / longest;
}

int LimitGaugeEnd(int p, int frames) { return ColumnLeft(p, 0) + LimitGaugePixels(frames); }
