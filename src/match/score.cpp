#include "match/score.h"

#include "match/match_state.h"

namespace {

constexpr int64_t scoreUnit = 100000000;  // one step of scoreHigh
constexpr int32_t scoreLowMax = 99999999;
constexpr int32_t scoreHighMax = 9999;

}  // namespace

void AddScore(int p, int64_t points) {
    Player& pl = players[p];
    // Nothing in the game takes points away; far beyond the top the score is
    // saturated anyway, so bounding the input keeps the sum inside 64 bits.
    if (points <= 0) return;
    if (points > scoreUnit * (scoreHighMax + 1)) points = scoreUnit * (scoreHighMax + 1);
    const int64_t total = static_cast<int64_t>(pl.score) + points;
    if (total <= scoreLowMax) {
        pl.score = static_cast<int32_t>(total);
        return;
    }
    // One line can bring more than a hundred million: carry all of them.
    const int64_t high = static_cast<int64_t>(pl.scoreHigh) + total / scoreUnit;
    if (high > scoreHighMax) {
        pl.score = scoreLowMax;
        pl.scoreHigh = scoreHighMax;
        return;
    }
    pl.scoreHigh = static_cast<int32_t>(high);
    pl.score = static_cast<int32_t>(total % scoreUnit);
}
