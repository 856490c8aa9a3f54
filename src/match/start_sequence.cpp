#include "match/start_sequence.h"

#include <cstring>

#include "content/game_sheet.h"
#include "match/board_pass.h"
#include "match/gravity_rise.h"
#include "match/hud.h"
#include "match/hud_parts.h"
#include "match/match_state.h"
#include "options/options_file.h"
#include "platform/blit.h"
#include "platform/present.h"
#include "platform/draw_switch.h"
#include "platform/sound.h"
#include "platform/surface.h"
#include "platform/wipe.h"
#include "shell/game_loop.h"
#include "shell/game_mode.h"

namespace {

constexpr int sequenceEnd = 230;
constexpr int puzzleStart = 70;
constexpr int gameStartFrame = 120;
constexpr int logoFrom = 135;
constexpr int logoLeaves = 200;
constexpr int zoomFrom = 180;

// The background with the boards and the display, as every modal frame starts.
void DrawMatchFrame() {
    Blit(&backBuffer, 0, 0, tileSurface, keyedCopy, 0, 0, screenWidth, screenHeight);
    BoardPass();
    DrawHud();
}

// Versus boards start from the same rows.
void CopyBottomRowToRight() {
    if (twoPlayers != 1) return;
    std::memcpy(&Cell(1, 0, 0), &Cell(0, 0, 0), boardColumns);
}

// A countdown digit flies in at 15 pixels a frame, rests a frame at 275,
// creeps one pixel a frame through 280..309 and flies out to the right.
int MoveCountdownDigit(int x) {
    if (x < 275) return x + 15 > 275 ? 275 : x + 15;
    if (x < 280 || x > 309) return x + 15;
    return x + 1;
}

struct StartLogo {
    int topLeftY = -25;
    int topRightX = 639;
    int bottomRightY = 479;
    int bottomLeftX = -75;
};

// The quarters come together at (254..384, 135..185) and, from frame 200,
// go back out the way they came.
void MoveLogo(StartLogo& logo, int t) {
    const int s = t < logoLeaves ? 1 : -1;
    if (logo.topLeftY < 136) {
        logo.topLeftY += 10 * s;
        if (s > 0 && logo.topLeftY > 135) logo.topLeftY = 135;
    }
    if (logo.topRightX > 318) {
        logo.topRightX -= 20 * s;
        if (s > 0 && logo.topRightX < 319) logo.topRightX = 319;
    }
    if (logo.bottomRightY > 159) {
        logo.bottomRightY -= 20 * s;
        if (s > 0 && logo.bottomRightY < 160) logo.bottomRightY = 160;
    }
    if (logo.bottomLeftX < 255) {
        logo.bottomLeftX += 20 * s;
        if (s > 0 && logo.bottomLeftX > 254) logo.bottomLeftX = 254;
    }
}

void DrawLogo(const StartLogo& logo) {
    using namespace gameSheetLayout;
    DrawSheetPicture(startLogoTopLeft, 254, logo.topLeftY);
    DrawSheetPicture(startLogoTopRight, logo.topRightX, 135);
    DrawSheetPicture(startLogoBottomRight, 319, logo.bottomRightY);
    DrawSheetPicture(startLogoBottomLeft, logo.bottomLeftX, 160);
}

// The cursor shrinks from a 134-pixel square onto its start cell.
void DrawCursorZoom(int t) {
    const int last = twoPlayers == 1 ? 1 : 0;
    const int shrink = sequenceEnd - t;
    for (int p = 0; p <= last; ++p) {
        const SheetRect c = gameSheetLayout::Cursor(p);
        BlitStretched(&backBuffer, mainSheet, keyedStretch, 115 + 374 * p - shrink, 346 - shrink, 381 + 374 * p - t,
                      612 - t, c.left, c.top, c.right, c.bottom);
    }
}

}  // namespace

int CountdownDigitX(int i, int t) {
    int x = -50;
    for (int frame = 0; frame <= t && x <= 639; ++frame) {
        if (45 * i < frame) x = MoveCountdownDigit(x);
    }
    return x;
}

void OpeningRise(int8_t rows) {
    int n = rows;
    while (n >= 0) {
        DrawMatchFrame();
        // Anything but a closed wipe counts as open: a wipe that never opened
        // would otherwise hold this loop for good.
        if (wipeState == 2) {
            StripeWipe(1);
        } else if (gameMode == puzzleMode) {
            n = -1;
        } else {
            Player& left = players[0];
            if (left.riseOffset > 23) {
                --n;
                left.riseOffset = 0;
                players[1].riseOffset = 0;
            }
            if (left.riseOffset == 0) {
                NewBottomRow(0);
                CopyBottomRowToRight();
            }
            ++left.riseOffset;
            if (twoPlayers == 1) ++players[1].riseOffset;
        }
        Present();
    }
    if (gameMode == puzzleMode) return;
    NewBottomRow(0);
    CopyBottomRowToRight();
    players[0].riseOffset = 0;
    players[1].riseOffset = 0;
}

bool StartSequence() {
    const bool puzzle = gameMode == puzzleMode;
    const bool sound = options.soundOff == 0;
    StartLogo logo;
    if (!puzzle && sound) RestartSound(seBuffer1, false);
    for (int t = puzzle ? puzzleStart : 0; t < sequenceEnd; ++t) {
        // Keys pressed and let go during the countdown reach its frames, not
        // the first step of play.
        // A match run without a window (a replay checked) has no keys to
        // take in.
        if (!drawingSkipped && !ModalLoopPass()) return false;
        DrawMatchFrame();
        if (!puzzle) {
            for (int i = 0; i < 3; ++i) {
                const int x = CountdownDigitX(i, t);
                if (x <= 639) DrawSheetPicture(gameSheetLayout::Countdown(i), x, 135);
            }
        }
        if (t == gameStartFrame && sound) {
            LoadSoundBuffer(seBuffer1, "Sound\\GameStart.wav");
            RestartSound(seBuffer1, false);
        }
        if (t > logoFrom) {
            MoveLogo(logo, t);
            DrawLogo(logo);
        }
        if (t > zoomFrom) DrawCursorZoom(t);
        Present();
    }
    return true;
}
