#include "match/result_flow.h"

#include <cmath>

#include "content/game_sheet.h"
#include "match/game_random.h"
#include "match/match_state.h"
#include "match/step_input.h"
#include "options/options_file.h"
#include "platform/blit.h"
#include "platform/sound.h"
#include "platform/surface.h"
#include "shell/game_mode.h"
#include "shell/menu_input.h"

namespace {

// Either player's swap or pause key goes on.
bool ResultKeyHeld() {
    constexpr uint16_t goOn = inputSwap | inputPause;
    return InputHeld(0, goOn) || InputHeld(1, goOn);
}

bool SolvedPuzzle() { return gameMode == puzzleMode && matchEnd == 1; }

// Every panel of both boards gets its own direction, in board order.
void LaunchPanels() {
    for (int p = 0; p < 2; ++p)
        for (int r = 0; r < boardRows; ++r)
            for (int c = 0; c < boardColumns; ++c) {
                if (!HoldsPanel(Cell(p, r, c))) continue;
                FlyingPanel& f = flyingPanels[p][r][c];
                f.flyAngle = GameRand() % 360;
                f.flyX = ColumnLeft(p, c);
                f.flyY = RowTop(p, r);
                f.flyGone = 0;
            }
    LoadSoundBuffer(seBuffer2, "Sound\\GameOver.wav");
    RestartSound(seBuffer2, false);
    resultPhase = 1;
}

// Moves and draws the panels still on screen; false once none was drawn.
bool FlyPanels() {
    bool drew = false;
    const int shape = options.panelShape;
    for (int p = 0; p < 2; ++p)
        for (int r = 0; r < boardRows; ++r)
            for (int c = 0; c < boardColumns; ++c) {
                const int8_t v = Cell(p, r, c);
                FlyingPanel& f = flyingPanels[p][r][c];
                if (!HoldsPanel(v) || f.flyGone != 0) continue;
                const double a = f.flyAngle * 3.141592 / 180;
                f.flyX += 10 * std::cos(a);
                f.flyY -= 10 * std::sin(a);
                const int x = static_cast<int>(f.flyX);
                const int y = static_cast<int>(f.flyY);
                if (x < -23 || x > 638 || y < -23 || y > 478) f.flyGone = 1;
                const SheetRect pic = gameSheetLayout::Panel(v, shape);
                BlitClipped(&backBuffer, x, y, mainSheet, keyedCopy, pic.left, pic.top, pic.right, pic.bottom);
                drew = true;
            }
    return drew;
}

void CountVersusWin() {
    if (gameMode != versusMode) return;
    int winner = -1;
    if (topOutResult == 1) winner = 0;
    if (topOutResult == 2) winner = 1;
    if (winner >= 0 && versusWins[winner] < 99) versusWins[winner] = static_cast<int8_t>(versusWins[winner] + 1);
}

void EndFlight() {
    LoadSoundBuffer(seBuffer1, "Sound\\Select.wav");
    LoadSoundBuffer(seBuffer2, "Sound\\Ok.wav");
    resultPhase = 2;
    CountVersusWin();
}

void Stretch(const SheetRect& pic, int left, int top, int right, int bottom) {
    BlitStretched(&backBuffer, mainSheet, keyedStretch, left, top, right, bottom, pic.left, pic.top, pic.right,
                  pic.bottom);
}

void DrawVersusBanners(int t, int d) {
    if (topOutResult == 3) {
        Stretch(gameSheetLayout::drawPicture, 58 - d, 150 - t, 208 + d, 200 + t);
        Stretch(gameSheetLayout::drawPicture, 432 + d, 150 + t, 582 - d, 200 - t);
        return;
    }
    if (topOutResult != 1 && topOutResult != 2) return;
    const SheetRect& leftPic = topOutResult == 1 ? gameSheetLayout::winPicture : gameSheetLayout::losePicture;
    const SheetRect& rightPic = topOutResult == 1 ? gameSheetLayout::losePicture : gameSheetLayout::winPicture;
    // The two boards pulse in opposite phase.
    Stretch(leftPic, 93 - d, 150 - t, 173 + d, 200 + t);
    Stretch(rightPic, 467 + d, 150 + t, 547 - d, 200 - t);
}

void HandOver() {
    resultPhase = 0;
    matchState = 2;
}

// Returns true on the step that hands over to the result screen.
bool BannerOrWait() {
    const int t = resultPulse;
    const int d = static_cast<int>(t / 1.5);
    if (gameMode == versusMode) {
        DrawVersusBanners(t, d);
        if (ResultKeyHeld()) {
            RestartSound(seBuffer1, false);
            boxGrowth = 0;
            confirmHeld = 1;
            HandOver();
            return true;
        }
    } else if (SolvedPuzzle()) {
        Stretch(gameSheetLayout::clearPicture, 68 - d, 150 - t, 198 + d, 200 + t);
        if (ResultKeyHeld()) {
            RestartSound(seBuffer1, false);
            resultPulse = 0;
            boxGrowth = 0;
            resultPulseStep = 1;
            confirmHeld = 1;
            HandOver();
            return true;
        }
    } else {
        resultWait = resultWait < 120 ? resultWait + 1 : 120;
        if (resultWait > 119) {
            resultPulse = 0;
            resultPulseStep = 1;
            resultWait = 0;
            HandOver();
            if (gameMode == endlessMode) {
                // The ranking screen makes its own canvas in this slot.
                StopSound(bgmBuffer);
                EmptySlot(backdropSurface);
            }
            return true;
        }
    }
    return false;
}

void Pulse() {
    resultPulse = static_cast<int8_t>(resultPulse + resultPulseStep);
    if (resultPulse > 9 || resultPulse < -9) resultPulseStep = static_cast<int8_t>(-resultPulseStep);
}

}  // namespace

void ResultFlow() {
    if (resultPhase == 0 && SolvedPuzzle()) {
        LoadSoundBuffer(seBuffer1, "Sound\\Ok.wav");
        LoadSoundBuffer(seBuffer2, "Sound\\Clear.wav");
        RestartSound(seBuffer2, false);
        resultPhase = 2;
    }
    if (resultPhase == 0) {
        LaunchPanels();
        return;
    }
    // The step that finds every panel gone already counts as the first wait.
    if (resultPhase == 1 && !FlyPanels()) EndFlight();
    if (resultPhase == 2 && !BannerOrWait()) Pulse();
}
