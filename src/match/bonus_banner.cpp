#include "content/game_sheet.h"
#include "match/drops.h"
#include "match/hud.h"
#include "match/hud_parts.h"
#include "match/match_state.h"
#include "match/score.h"
#include "platform/blit.h"
#include "platform/surface.h"

namespace {

constexpr int levelBonusPanels = 21;
constexpr int bannerSteps = 120;
constexpr int scoreShift = 375;
constexpr int boardShift = 374;

struct BonusFigure {
    int32_t value;
    int digits;
    int x;
};

BonusFigure LevelBonus() {
    if (level < 10) return {level * 100000, 6, 77};
    if (level < 100) return {level * 100000, 7, 70};
    return {level * 100000, 8, 63};
}

BonusFigure ChainBonus() {
    if (chainBonus >= 100) return {chainBonus * 100000, 8, 63};
    if (chainBonus >= 50) return {chainBonus * 10000, 6, 77};
    return {chainBonus * 1000, 5, 84};
}

void DrawBannerRows(int p, int y, int firstRow, int lastRow) {
    const SheetRect& b = gameSheetLayout::bonusBanner;
    BlitClipped(&backBuffer, 83 + boardShift * p, y, mainSheet, keyedCopy, b.left, b.top + firstRow, b.right,
                b.top + lastRow);
}

}  // namespace

void RunBonusBanner(int p) {
    Player& pl = players[p];
    if (pl.bonusBannerTimer == 0) {
        pl.payingLevelBonus = pl.bonusState == 2 ? 1 : 0;
        // The level bonus also brings three rows of panels down at once.
        if (pl.payingLevelBonus != 0) QueueDrop(p, levelBonusPanels, DropRule::atOnce);
    }
    pl.bonusBannerTimer = static_cast<int8_t>(pl.bonusBannerTimer + 1);
    const int t = pl.bonusBannerTimer;
    const int height = gameSheetLayout::bonusBanner.Height();
    const BonusFigure figure = pl.payingLevelBonus != 0 ? LevelBonus() : ChainBonus();
    const int x = figure.x + scoreShift * p;
    if (t < height) {
        DrawBannerRows(p, 471 - t, 0, t);
    } else if (t < 50) {
        DrawBannerRows(p, 447, 0, height);
    } else if (t < 74) {
        // The banner leaves upwards while the figure rises out of the bar.
        DrawBannerRows(p, 447, height - (74 - t), height);
        DrawNumber(figure.value, 0, x, 521 - t, figure.digits, p, 0);
        BlitClipped(&backBuffer, 31 + scoreShift * p, 469, tileSurface, opaqueCopy, 31 + scoreShift * p, 469,
                    235 + scoreShift * p, 479);
    } else {
        DrawNumber(figure.value, 0, x, 447, figure.digits, p, 0);
    }
    if (t < bannerSteps) return;
    AddScore(p, figure.value);
    pl.bonusBannerTimer = 0;
    if (pl.payingLevelBonus != 0) pl.bonusState = 0;
    else chainBonus = 0;
}

void RunClearBanner(int p) {
    Player& pl = players[p];
    clearBannerY += clearBannerY < 101 || clearBannerY > 149 ? 10 : 1;
    DrawSheetPicture(gameSheetLayout::clearBanner, 58 + boardShift * p, clearBannerY);
    if (clearBannerY >= 480) {
        pl.bonusState = 2;
        clearBannerY = -50;
    }
}
