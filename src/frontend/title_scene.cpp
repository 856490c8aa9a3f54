#include "frontend/title_scene.h"

#include "content/logo_sheet.h"
#include "content/title_sheet.h"
#include "frontend/front_end_guides.h"
#include "frontend/logo_scene.h"
#include "frontend/main_menu.h"
#include "options/options_file.h"
#include "platform/blit.h"
#include "platform/clock.h"
#include "platform/keys.h"
#include "platform/present.h"
#include "platform/sound.h"
#include "platform/surface.h"
#include "platform/text.h"
#include "platform/wipe.h"
#include "shell/farewell.h"
#include "shell/key_guide.h"
#include "shell/menu_input.h"
#include "shell/scene.h"
#include "platform/key_bindings.h"

TitleState titleState;

namespace {

constexpr const char* creditLine = "(C) 2026 KAZU WORKS";

void DrawPlate(const SheetRect& plate, int y) {
    BlitStretched(&backBuffer, logoSheet, keyedStretch, 185, y, 455, y + 50, plate.left, plate.top, plate.right,
                  plate.bottom);
}

void DrawPlates() {
    TitleState& s = titleState;
    bool showChosen = true;
    if (s.titleDecided == 1) {
        sceneClock.now = TimeGetTime();
        const uint32_t t = sceneClock.now - sceneClock.mark;
        showChosen = t % 200 < 100 && t < 1000;
        if (t > 1000) wipeState = 1;
    }
    if (showChosen || s.titleSelection != 0) DrawPlate(logoSheetLayout::startPlate, 300);
    if (showChosen || s.titleSelection != 1) DrawPlate(logoSheetLayout::endPlate, 380);
}

bool TitleDecideHeld() {
    const int keys[4] = {playerKeys[0].swap, playerKeys[0].pause, vkReturn, playerKeys[1].swap};
    for (const int key : keys)
        if (KeyHeld(key)) return true;
    return false;
}

void ReadKeys() {
    TitleState& s = titleState;
    const bool moveKeys = UpHeld() || DownHeld();
    if (moveKeys && wipeState == 0 && s.titleMoveHeld == 0) {
        RestartSound(seBuffer1, false);
        s.titleMoveHeld = 1;
        s.titleSelection = static_cast<int8_t>(1 - s.titleSelection);
    }
    if (!moveKeys) s.titleMoveHeld = 0;

    if (TitleDecideHeld() && wipeState == 0 && confirmHeld == 0) {
        RestartSound(seBuffer2, false);
        confirmHeld = 1;
        s.titleDecided = 1;
        sceneClock.now = TimeGetTime();
        sceneClock.mark = sceneClock.now;
    }
    if (KeyHeld(vkEscape) && wipeState == 0 && cancelHeld == 0) {
        s.titleSelection = 1;
        sceneClock.now = TimeGetTime();
        sceneClock.mark = sceneClock.now;
        RestartSound(seBuffer2, false);
        s.titleDecided = 1;
        cancelHeld = 1;
    }
    // Latches left set by another screen must not lock the title: while no
    // choice is pending they clear once their keys are up. After a decision
    // the decide latch stays set so the menu does not take the same press.
    if (s.titleDecided == 0) {
        if (!TitleDecideHeld()) confirmHeld = 0;
        if (!KeyHeld(vkEscape)) cancelHeld = 0;
    }
}

void CloseInto() {
    TitleState& s = titleState;
    if (cancelHeld == 1 || (s.titleDecided == 1 && s.titleSelection == 1)) {
        BeginFarewell();
    } else if (s.titleDecided == 1) {
        if (options.soundOff == 0) {
            LoadSoundBuffer(bgmBuffer, "Sound\\Opening.wav");
            RestartSound(bgmBuffer, true);
        }
        EmptySlot(logoSheet);
        s.titleDecided = 0;
        gameMode = endlessMode;
        currentScene = MainMenuScene;
    } else {
        LoadSoundBuffer(bgmBuffer, "Sound\\Logo.wav");
        s.titleDecided = 0;
        s.titleSelection = 0;
        currentScene = LogoScene;
    }
}

}  // namespace

void RestartTitleIdleTime() {
    sceneClock.now = TimeGetTime();
    sceneClock.mark = sceneClock.now;
}

void TitleScene() {
    TitleState& s = titleState;
    SetKeyGuidePage(&titleGuide);
    BlitClipped(&backBuffer, 0, 0, tileSurface, keyedCopy, 0, 0, screenWidth, screenHeight);
    const SheetRect& logo = titleSheetLayout::titleLogo;
    BlitClipped(&backBuffer, 128, 80, mainSheet, keyedCopy, logo.left, logo.top, logo.right, logo.bottom);
    DrawPlates();

    if (s.titleDecided == 0) {
        sceneClock.now = TimeGetTime();
        if (sceneClock.now - sceneClock.mark > attractTimeoutMs) {
            s.titleDecided = 2;
            wipeState = 1;
        }
    }

    BeginText();
    SelectBrush(pinkBrush);
    SelectFont(smallFont);
    SetBkMode(bkTransparent);
    SetTextColor(MakeRgb(0, 0, 0));
    DrawTextInRect(creditLine, textRight, 400, 459, 639, 479);
    EndText();

    ReadKeys();

    if (wipeState == 0 && s.titleDecided == 0) {
        const int f = CursorPhase(titleState.cursor);
        DrawCursorFrame(177, 292 + 80 * s.titleSelection, 286, 66, f);
    }

    if (wipeState == 2) {
        StripeWipe(1);
        // The idle time-out counts from the moment the screen is open.
        RestartTitleIdleTime();
    } else if (wipeState == 1) {
        if (StripeWipe(0)) CloseInto();
    }
    Present();
}
