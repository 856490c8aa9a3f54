#include "match/vanish_rule.h"

#include <algorithm>

#include "match/drops.h"
#include "match/match_state.h"
#include "match/param_levels.h"
#include "options/options_file.h"
#include "platform/sound.h"
#include "setup/player_params.h"
#include "shell/game_mode.h"

namespace {

constexpr int32_t lineScoreMax = 999999;
constexpr int32_t chainMax = 999;
constexpr int32_t levelMax = 999;

struct LineTally {
    int sum = 0;
    int sevens = 0;
    int zeros = 0;
    int cells = 0;
    // In double: thirteen sevens (7^13) overflow 32 bits, and whatever a cell
    // holds the product cannot overflow; exact for every line that scores.
    double product = 1.0;
};

// The selected line as a straight run of board cells, or false when its
// coordinates do not make one (nothing to judge).
bool LineOnBoard(const Player& pl) {
    auto onBoard = [](int x, int y) { return x >= 0 && x < boardColumns && y >= 0 && y < boardRows; };
    if (!onBoard(pl.lineStartX, pl.lineStartY) || !onBoard(pl.lineEndX, pl.lineEndY)) return false;
    return pl.lineStartX == pl.lineEndX || pl.lineStartY == pl.lineEndY;
}

void TallyCell(int p, int r, int c, bool sevensRule, LineTally& t) {
    int8_t& cell = Cell(p, r, c);
    const int v = cell;
    t.sum += v;
    if (sevensRule && v == 7) ++t.sevens;
    if (v == 0) ++t.zeros;
    t.product *= v;
    ++t.cells;
    // -1 becomes the marked empty cell, a panel its marked value; a cell that
    // is already marked stays as it is.
    if (v < markedEmpty) cell = static_cast<int8_t>(v + markOffset);
}

LineTally WalkLine(int p, const Player& pl) {
    LineTally t;
    const bool sevensRule = options.targetSumOffset == 0;
    if (pl.lineStartX == pl.lineEndX) {
        const int top = std::max(pl.lineStartY, pl.lineEndY);
        for (int r = std::min(pl.lineStartY, pl.lineEndY); r <= top; ++r) TallyCell(p, r, pl.lineStartX, sevensRule, t);
    } else {
        const int right = std::max(pl.lineStartX, pl.lineEndX);
        for (int c = std::min(pl.lineStartX, pl.lineEndX); c <= right; ++c) TallyCell(p, pl.lineStartY, c, sevensRule, t);
    }
    return t;
}

// Takes the selected line into `target`, puts the cursor on its end and
// releases the selection.
void HandOverLine(Player& pl, LineCells& target) {
    target.startX = pl.lineStartX;
    target.endX = pl.lineEndX;
    target.startY = pl.lineStartY;
    target.endY = pl.lineEndY;
    pl.cursorX = pl.lineEndX;
    pl.cursorY = pl.lineEndY;
    pl.lineStartX = pl.lineEndX = pl.lineStartY = pl.lineEndY = -1;
}

void FillExGauge(int p, Player& pl, const LineTally& t) {
    if (t.zeros == 0) {
        if (gameMode == versusMode) {
            if (itemUseOff[p] == 0) pl.exGauge += 2 + ParamLevel(p, paramEx);
        } else if (gameMode == endlessMode) {
            pl.exGauge += 5 - options.difficulty;
        }
    }
    if (gameMode == versusMode) {
        if (pl.exGauge > 149) {
            if (pl.exStock < 9) {
                pl.exStock = static_cast<int8_t>(pl.exStock + 1);
                pl.exGauge -= 150;
            } else {
                pl.exGauge = 150;
            }
        }
    } else if (gameMode == endlessMode) {
        if (pl.exGauge > 299) {
            if (gaugeFullSounded == 0) {
                RestartSound(effectSound, false);
                gaugeFullSounded = 1;
            }
            pl.exGauge = 300;
        }
        if (pl.exGauge < 300) gaugeFullSounded = 0;
    }
}

void Vanish(int p, Player& pl, const LineTally& t, double& product) {
    HandOverLine(pl, pl.clearingLine);
    FillExGauge(p, pl, t);
    pl.popupTimer = 1;
    if (t.sevens >= 2) product = 7.0 * t.sevens;
    if (pl.chain < chainMax) ++pl.chain;
    if (gameMode == endlessMode || gameMode == puzzleMode) panelsCleared += t.cells;
    if (gameMode == endlessMode && pl.chain % 10 == 0 && level < levelMax) {
        ++level;
        RestartSound(levelUpSound, false);
    }
}

void Miss(int p, Player& pl) {
    HandOverLine(pl, pl.failingLine);
    // A missed line brings a row of panels down from above.
    QueueDrop(p, boardColumns);
    pl.popupTimer = 1;
    pl.chain = 0;
}

// Product times chain (and, in endless, level) factors, formed in this order
// and truncated toward zero, as the score table was tuned with.
int32_t LineScore(double product, int chain) {
    double factor = chain * (chain * 0.1 + 1.0);
    if (gameMode == endlessMode) factor = factor * (level * 0.1 + 1.0);
    const double value = product * factor;
    // A line through an empty cell can carry a negative product; it earns nothing.
    if (!(value > 0.0)) return 0;
    if (value >= lineScoreMax) return lineScoreMax;
    return static_cast<int32_t>(value);
}

}  // namespace

void ConfirmLine(int p) {
    Player& pl = players[p];
    if (pl.clearingLine.Active()) return;
    if (!LineOnBoard(pl)) return;

    const LineTally t = WalkLine(p, pl);

    pl.popupX = 49 + 374 * p + 24 * pl.lineEndX;
    pl.popupY = 322 - 24 * (std::max(pl.lineStartY, pl.lineEndY) - 2);
    if (pl.popupY < 0) pl.popupY = 20;
    pl.chainTimer = 0;

    const bool vanishes = (t.sevens == 0 && t.sum == TargetTotal()) ||
                          (TargetTotal() == 7 && t.sevens >= 2 && t.sevens + t.zeros == t.cells);
    double product = t.product;
    if (vanishes) {
        Vanish(p, pl, t, product);
    } else {
        Miss(p, pl);
    }

    pl.lineScore = LineScore(product, pl.chain);
    pl.lineWeight = t.cells + pl.chain;
}
