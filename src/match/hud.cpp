#include <algorithm>

#include "content/game_sheet.h"
#include "match/hud.h"
#include "match/hud_parts.h"
#include "match/limit_gauge.h"
#include "match/match_state.h"
#include "match/pause.h"
#include "match/puzzle_words.h"
#include "platform/blit.h"
#include "platform/surface.h"
#include "setup/player_params.h"
#include "shell/game_mode.h"

namespace {

using namespace gameSheetLayout;

constexpr int boardShift = 374;
constexpr int scoreShift = 375;
constexpr int topLineSteps = 14;
constexpr int pauseCycle = 80;
constexpr int gaugeTop = 380;
constexpr int gaugeBottom = 385;

void Stretch(const SheetRect& picture, int left, int top, int right, int bottom) {
    BlitStretched(&backBuffer, mainSheet, keyedStretch, left, top, right, bottom, picture.left, picture.top,
                  picture.right, picture.bottom);
}

// The limit gauge grows from the left, the chain window from the right end;
// the chain ends where they meet.
void DrawLimitGauge(int p) {
    const Player& pl = players[p];
    const int left = 49 + boardShift * p;
    Stretch(LimitFill(p), left, gaugeTop, left + LimitGaugePixels(pl.limitCounter), gaugeBottom);
    const int end = LimitGaugeEnd(p, LimitFrames(p));
    Stretch(chainFill, end - LimitGaugePixels(pl.chainTimer), gaugeTop, end, gaugeBottom);
}

void DrawExGauge(int p) {
    const int g = players[p].exGauge;
    if (gameMode == versusMode) {
        Stretch(VersusExFill(p), 241 + 144 * p, 350 - g, 256 + 144 * p, 350);
    } else if (gameMode == endlessMode) {
        Stretch(endlessExFill, 239, 433 - g, 258, 433);
    }
}

void DrawItemMarkers(int p) {
    const Player& pl = players[p];
    for (int s = 0; s < 2; ++s) {
        const bool lit = (gameMode == endlessMode && pl.exGauge >= 300) ||
                         (gameMode == versusMode && pl.exStock > 0 && itemSlots[p][s] != -1);
        if (lit) DrawSheetPicture(ItemMarker(blinkPhase != 0 ? 1 : 0), 10 + 222 * s + boardShift * p, 89);
    }
}

void DrawScoreLine(int p) {
    const Player& pl = players[p];
    if (pl.bonusState < 2 && chainBonus == 0) {
        const bool lineRunning = pl.clearingLine.Active() || pl.failingLine.Active() || pl.exAttackActive == 1;
        if (lineRunning) {
            DrawProduct(202 + scoreShift * p, 447, p, pl.lineScore, pl.lineWeight);
        } else if (pl.score == 0 && pl.scoreHigh == 0) {
            DrawGlyph(0, p, 202 + scoreShift * p, 447);
        } else {
            DrawNumber(pl.score, pl.scoreHigh, 35 + scoreShift * p, 447, 12, p, 0);
        }
    } else if (gameMode == endlessMode) {
        RunBonusBanner(p);
    }
}

void DrawWins(int p) {
    const int wins = versusWins[p];
    const int y = 400 + 35 * p;
    if (wins == 0) {
        const SheetRect zero = Digit(0, p);
        BlitStretched(&backBuffer, mainSheet, keyedStretch, 283 + 50 * p, y, 296 + 50 * p, y + 19, zero.left, zero.top,
                      zero.right, zero.bottom);
    } else {
        DrawNumber(wins, 0, 257 + 50 * p, y, 2, p, 0);
    }
}

// The pause counter drives the blink of the PAUSE picture: 1..80 and round.
void CountPause(int p) {
    Player& pl = players[p];
    if (pl.paused <= 0) return;
    pl.paused = static_cast<int8_t>(pl.paused >= pauseCycle ? 1 : pl.paused + 1);
}

}  // namespace

void DrawTopLine(int p, int step) {
    const int row = topLineFirstRow + std::clamp(step, 0, topLineSteps - 1);
    BlitStretched(&backBuffer, mainSheet, keyedStretch, 49 + boardShift * p, 85, 217 + boardShift * p, 88,
                  topLineLeft, row, topLineRight, row + 1);
}

void DrawHud() {
    const uint32_t now = frameClock.now;
    const int last = twoPlayers == 1 ? 1 : 0;
    for (int p = 0; p <= last; ++p) {
        if (gameMode != practiceMode) DrawTopLine(p, topLineStep);
        DrawLimitGauge(p);
        DrawExGauge(p);
        DrawItemMarkers(p);
        if (gameMode == versusMode && itemUseOff[p] == 0) {
            DrawGlyph(std::clamp<int>(players[p].exStock, 0, 9), p, 241 + 144 * p, 365);
        }
        DrawScoreLine(p);
        if (gameMode == versusMode) {
            DrawWins(p);
            AdvanceVersusClock(now);
        } else {
            DrawInfoFigures(p);
            if (gameMode == endlessMode) RunAttackMeter(now);
            TickMatchClock(now);
        }
        CountPause(p);
    }
    topLineStep = static_cast<int8_t>(topLineStep + 1 >= topLineSteps ? 0 : topLineStep + 1);
    if (gameMode == puzzleMode) {
        DrawPuzzleBox();
        DrawLessonHint();
    }
    DrawPause();
}
