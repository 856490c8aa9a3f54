#pragma once

// frontend: boot, logo, title and the main menu the modes start from and
// end at; it fills in the shell's `sceneLinks`. It stands on match and every
// layer below.

#include <cstdint>

#include "shell/game_mode.h"
#include "shell/menu_input.h"
#include "shell/scene.h"
#include "shell/screen_words.h"


struct MainMenuState {
    int8_t verticalRepeat = 0;
    int8_t horizontalRepeat = 0;
    int8_t menuDecided = 0;  // 1 from a decision until the switch
    CursorAnimation cursor;
};
extern MainMenuState mainMenuState;

// Where each mode tile leads. A mode whose screen is not there yet (null)
// closes the wipe and opens the menu again.
extern Scene modeEntryScene[gameModeCount];

// Descriptions shown in the blue panel; index 8 is the back tile.
extern const ScreenWords menuDescription[9];

// The top of the line notice the menu shows when online play has ended
// (between the logo and the tiles).
constexpr int mainMenuNoticeTop = 160;

// The hub: eight mode tiles, the back tile, the description panel.
void MainMenuScene();

// Called by modes that end towards the menu: title sheet, menu music and the
// menu sounds back in their slots, then the main menu.
void ReturnToMainMenu();

// Fills the shell's links to the main menu, so the modes below the front end
// can end there.
void LinkFrontEnd();
