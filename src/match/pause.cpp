#include "match/pause.h"

#include "content/game_sheet.h"
#include "content/game_texts.h"
#include "match/controls.h"
#include "match/match_state.h"
#include "match/step_input.h"
#include "platform/blit.h"
#include "platform/sound.h"
#include "platform/surface.h"
#include "platform/text.h"
#include "platform/wipe.h"
#include "shell/game_mode.h"
#include "shell/menu_input.h"

namespace {

// Opens the text drawing of a rounded box centred on (319, 239) and draws it
// at its growth step, wx and wy pixels wider and taller per step; the box
// grows one step per call. True when it is whole (the text may be drawn);
// EndText closes the drawing.
bool GrowBox(int wx, int wy) {
    BeginText();
    SelectBrush(blueBrush);
    SelectFont(smallFont);
    SelectPen(whitePen);
    SetBkMode(bkTransparent);
    SetTextColor(MakeRgb(255, 255, 255));
    const int g = boxGrowth;
    RoundRect(319 - wx * g, 239 - wy * g, 319 + wx * g, 239 + wy * g, 10, 10);
    if (g < 10) {
        ++boxGrowth;
        return false;
    }
    return true;
}

void DrawMarker(int x, int y) {
    const SheetRect& m = gameSheetLayout::pauseMarker;
    BlitClipped(&backBuffer, x, y, mainSheet, keyedCopy, m.left, m.top, m.right, m.bottom);
}

void EndMenu() {
    pauseMenuCursor = 0;
    boxGrowth = 0;
}

// A marker move restarts the blink so the marker shows at once.
void MoveMenuCursor(int p, int cursor) {
    pauseMenuCursor = static_cast<int8_t>(cursor);
    players[p].paused = 1;
}

void PuzzleMenuChoice() {
    if (pauseMenuCursor == 1) {
        matchEnd = 2;
        wipeState = 1;
    } else if (pauseMenuCursor == 2) {
        wipeState = 1;
    }
    EndMenu();
}

}  // namespace

bool LeaveKey(int p) {
    (void)p;
    if (!InputHeld(0, inputLeave) || wipeState != 0) return false;
    LoadSoundBuffer(seBuffer2, "Sound\\Ok.wav");
    RestartSound(seBuffer2, false);
    wipeState = 1;
    // The screen starts closing on the next step, whoever plays after.
    leaveWipeStep = frameClock.lastStep;
    return true;
}

bool PauseKey(int p) {
    Player& pl = players[p];
    if (!InputHeld(p, inputPause)) {
        pl.pauseLatch = 0;
        return false;
    }
    if (wipeState != 0 || pl.pauseLatch != 0) return false;
    RestartSound(seBuffer2, false);
    pl.pauseLatch = 1;
    if (pl.paused == 0) {
        pl.paused = 1;
    } else {
        pl.paused = 0;
        if (gameMode == puzzleMode) {
            PuzzleMenuChoice();
            return true;
        }
        if (gameMode == practiceMode) {
            // Yes is preset: a second press leaves for the menu.
            if (pauseMenuCursor == 0) wipeState = 1;
            EndMenu();
            return true;
        }
    }
    pausedClockElapsed = frameClock.now - clockMark;
    pausedAttackElapsed = frameClock.now - attackMark;
    return false;
}

void PauseMenuKeys(int p) {
    Player& pl = players[p];
    const int dir = HeldBoardDirection(p);
    const bool acts = pl.repeatCount % 10 == 0 && wipeState == 0;
    if (dir != 0) {
        if (acts && gameMode == puzzleMode && dir == 1) MoveMenuCursor(p, pauseMenuCursor == 0 ? 2 : pauseMenuCursor - 1);
        if (acts && gameMode == puzzleMode && dir == 3) MoveMenuCursor(p, pauseMenuCursor == 2 ? 0 : pauseMenuCursor + 1);
        if (acts && gameMode == practiceMode && (dir == 2 || dir == 4)) MoveMenuCursor(p, pauseMenuCursor == 0 ? 1 : 0);
        pl.repeatCount = static_cast<int8_t>(pl.repeatCount < 127 ? pl.repeatCount + 1 : 127);
    } else {
        pl.repeatCount = 0;
    }
    if (gameMode != puzzleMode || pl.repeatCount % 10 != 0 || wipeState != 0) return;
    // The swap key chooses, read only while no line or cursor step is going on.
    const bool select = InputHeld(p, inputSwap);
    if (select && pl.lineState == -1 && pl.moveOffset == 0) {
        PuzzleMenuChoice();
        return;
    }
    if (InputHeld(p, inputCancel)) {
        pl.paused = 0;
        EndMenu();
    }
}

void HoldPausedClocks() {
    clockMark = frameClock.now - pausedClockElapsed;
    attackMark = frameClock.now - pausedAttackElapsed;
}

void DrawPause() {
    if (gameMode == endlessMode || gameMode == versusMode) {
        const bool shown = (players[0].paused >= 1 && players[0].paused <= 39) ||
                           (players[1].paused >= 1 && players[1].paused <= 39);
        if (shown) {
            const SheetRect& pic = gameSheetLayout::pausePicture;
            BlitClipped(&backBuffer, 230, 150, mainSheet, keyedCopy, pic.left, pic.top, pic.right, pic.bottom);
        }
        return;
    }
    if (wipeState != 0 || !AnyPaused()) return;
    // The marker blinks with the pause counter.
    const bool markerShown = players[0].paused % 40 < 20;
    if (gameMode != puzzleMode) {
        DrawQuestionBox(Tr(TextName::PauseBackToMenuQuestion), pauseMenuCursor, markerShown);
        return;
    }
    const bool whole = GrowBox(10, 4);
    if (whole) {
        DrawTextInRect(Tr(TextName::PauseCancel), textCenter, 0, 205, 639, 225);
        DrawTextInRect(Tr(TextName::PauseRetry), textCenter, 0, 230, 639, 250);
        DrawTextInRect(Tr(TextName::PauseBack), textCenter, 0, 255, 639, 275);
    }
    EndText();
    if (whole && markerShown) DrawMarker(230, 203 + 25 * pauseMenuCursor);
}

void DrawQuestionBox(const char* question, int answer, bool markerShown) {
    const bool whole = GrowBox(15, 3);
    if (whole) {
        DrawTextInRect(question, textCenter, 0, 215, 639, 235);
        DrawTextInRect(Tr(TextName::QuestionYesNo), textCenter, 0, 243, 639, 263);
    }
    EndText();
    if (whole && markerShown) DrawMarker(190 + 120 * answer, 241);
}

void LeaveMatchWipe() {
    // Both players' updates reach here in versus: the screen closes one
    // step per match step, as fast as in a one-player match.
    if (frameClock.lastStep == leaveWipeStep) return;
    leaveWipeStep = frameClock.lastStep;
    if (wipeState == 1 && !StripeWipe(0)) return;
    if (wipeState != 2) return;
    if (gameMode == puzzleMode && matchEnd == 2) {
        // The result screen restarts the same puzzle without the picker.
        matchState = 2;
        return;
    }
    // The match is over; MatchScene takes the way back to the menu.
    matchLeft = 1;
}
