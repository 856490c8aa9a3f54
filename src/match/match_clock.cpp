#include <algorithm>

#include "content/game_sheet.h"
#include "match/hud.h"
#include "match/hud_parts.h"
#include "match/match_state.h"
#include "ranking/ranking_file.h"
#include "shell/game_mode.h"

namespace {

constexpr int secondMs = 1000;
constexpr int maxHours = 99;

// Time since a mark; a mark ahead of the stamp counts as no time at all.
int32_t Since(uint32_t now, uint32_t mark) { return static_cast<int32_t>(now - mark); }

void UpdateBlinkPhase(uint32_t now) {
    const int32_t elapsed = std::max<int32_t>(Since(now, clockMark), 0);
    blinkPhase = static_cast<int8_t>(elapsed % 500 < 250 ? 0 : 1);
}

bool ClockStopped() { return clockHours == maxHours && clockMinutes == 59 && clockSeconds == 59; }

void CountDown() {
    --clockSeconds;
    if (clockSeconds >= 0) return;
    if (clockMinutes >= 1) {
        clockSeconds = 59;
        --clockMinutes;
    } else {
        // Time is up.
        clockSeconds = 0;
        clockMinutes = 0;
        matchState = 1;
    }
}

void CountUp() {
    ++clockSeconds;
    if (clockSeconds > 59) {
        if (clockHours < 100 && clockMinutes < 60) {
            clockSeconds = 0;
            ++clockMinutes;
        } else {
            clockSeconds = 59;
            clockMinutes = 59;
        }
    }
    if (clockMinutes > 59) {
        if (clockHours < maxHours) {
            clockMinutes = 0;
            ++clockHours;
        } else {
            clockMinutes = 59;
        }
    }
}

void DrawClock(int p) {
    const bool puzzle = gameMode == puzzleMode;
    const int y = puzzle ? 100 : 202 + 4 * gameMode;
    if (clockHours > 0 && !puzzle) {
        DrawNumber(clockHours, 0, 470, y, 3, p, 0);
        DrawSheetPicture(gameSheetLayout::colon, 528, y);
        DrawNumber(clockMinutes, 0, 522, y, 2, p, 1);
    } else if (clockMinutes == 0) {
        DrawGlyph(0, p, puzzle ? 490 : 550, y);
    } else {
        DrawNumber(clockMinutes, 0, puzzle ? 462 : 522, y, 2, p, 0);
    }
    DrawSheetPicture(gameSheetLayout::colon, puzzle ? 506 : 566, y);
    DrawNumber(clockSeconds, 0, puzzle ? 500 : 560, y, 2, p, 1);
}

// Endless: the player's own score once it reaches the ranking's first entry
// (hundred-millions compared first), that entry's score until then.
void DrawBestScore(int p) {
    const Player& pl = players[p];
    const int32_t bestHigh = rankingTable.scoreHigh[0];
    const int32_t bestLow = rankingTable.score[0];
    const bool own = pl.scoreHigh > bestHigh || (pl.scoreHigh == bestHigh && pl.score >= bestLow);
    if (own && pl.score == 0 && pl.scoreHigh == 0) {
        DrawGlyph(0, p, 589, 242);
        return;
    }
    DrawNumber(own ? pl.score : bestLow, own ? pl.scoreHigh : bestHigh, 420, 242, 12, p, 0);
}

void DrawLevelAndChain(int p, int levelY, int chainY) {
    DrawNumber(level, 0, 420, levelY, 12, p, 0);
    if (maxChain == 0) DrawGlyph(0, p, 589, chainY);
    else DrawNumber(maxChain, 0, 420, chainY, 12, p, 0);
}

}  // namespace

void DrawInfoFigures(int p) {
    DrawClock(p);
    if (gameMode == puzzleMode) {
        if (panelsCleared == 0) DrawGlyph(0, p, 528, 130);
        else DrawNumber(panelsCleared, 0, 472, 130, 4, p, 0);
    } else if (gameMode == endlessMode) {
        DrawBestScore(p);
        DrawLevelAndChain(p, 282, 322);
    } else if (gameMode == practiceMode) {
        DrawLevelAndChain(p, 254, 294);
    }
}

void TickMatchClock(uint32_t now) {
    if (matchStarted != 1) return;
    if (matchState == 0 && !ClockStopped() && Since(now, clockMark) >= secondMs) {
        clockMark += secondMs;
        if (gameMode == puzzleMode) CountDown();
        else CountUp();
    }
    UpdateBlinkPhase(now);
}

void AdvanceVersusClock(uint32_t now) {
    if (matchStarted != 1) return;
    if (Since(now, clockMark) >= secondMs) clockMark += secondMs;
    UpdateBlinkPhase(now);
}
