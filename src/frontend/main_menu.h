#pragma once
#include <cstdint>

#include "shell/scene.h"

// The tile under the main menu's cursor, and during a match the mode:
// 0 endless, 1 versus, 2 puzzle, 3 practice, 4 editor, 5 ranking, 6 items,
// 7 options. Negative is the back tile, remembering the column it came from
// (-8, -6, -4, -2); the cancel key makes it -1.
extern int8_t gameMode;

struct MainMenuState {
    int8_t verticalRepeat = 0;
    int8_t horizontalRepeat = 0;
    int8_t menuDecided = 0;  // 1 from a decision until the switch
};
extern MainMenuState mainMenuState;

// Where each mode tile leads. A mode whose screen is not there yet (null)
// closes the wipe and opens the menu again.
extern Scene modeEntryScene[8];

// Descriptions shown in the blue panel; index 8 is the back tile.
extern const char* const menuDescription[9];

// The hub: eight mode tiles, the back tile, the description panel.
void MainMenuScene();

// Title sheet back in mainSheet (390x500) and the tiled background rebuilt.
void ReloadTitleSheet();

// The menu music and the cursor and decide sounds back in their slots
// (the music not yet playing).
void LoadMenuSounds();

// Called by modes that end towards the menu: title sheet, menu music and the
// menu sounds back in their slots, then the main menu.
void ReturnToMainMenu();
