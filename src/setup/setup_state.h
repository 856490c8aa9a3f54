#pragma once
#include <cstdint>

#include "shell/menu_input.h"

// Where the versus setup screens stand: the player being set up, the page and
// its cursors, the key latches and the items the player may choose from.

// Parameter-page entries besides the five parameters (0..4).
constexpr int8_t cancelEntry = -2;
constexpr int8_t decideEntry = -1;
constexpr int8_t itemUseRow = 5;
constexpr int8_t itemsRow = 6;

// The item grid: seven columns, five rows shown at a time.
constexpr int gridColumns = 7;
constexpr int gridRows = 5;
constexpr int gridCells = gridColumns * gridRows;

// Presses of the hidden key that lift the level cap.
constexpr int32_t unlockPressesNeeded = 10;

struct SetupScreenState {
    int8_t setupPlayer = 0;          // 0 or 1
    int8_t setupPage = 0;            // 0 parameters, 1 items
    int8_t setupCursor = 0;          // -2 cancel, -1 decide, 0..4 parameters, 5 item use, 6 items
    int8_t itemCursor = 0;           // -2 cancel, -1 decide, or an index into availableItems
    int8_t itemScrollTop = 0;        // first item shown, a multiple of 7
    int8_t itemCursorRow = 0;        // the cursor's row in the shown grid, 0..4
    int8_t itemPanelGrowth = 1;      // 1..10
    int8_t setupVerticalHold = 0;    // auto-repeat of up and down
    int8_t setupHorizontalHold = 0;  // auto-repeat of left and right
    int8_t backHeld = 0;             // back key latch
    int32_t unlockPresses = 0;       // 0..10
    int32_t unlockKeyHeld = 0;       // unlock key latch
    int8_t availableItems[50] = {};  // unlocked item numbers, ascending; -1 past availableCount
    int8_t availableCount = 0;
    // The confirmation screen, per player.
    int8_t confirmChoice[2] = {};      // 0 accept, 1 redo
    int8_t confirmDone[2] = {};        // 1 once decided
    int8_t confirmToggleHeld[2] = {};  // latch of the player's left and right keys
    int8_t confirmEscaped = 0;         // 1 when the closing wipe was Escape's
    CursorAnimation setupBlink;
    CursorAnimation confirmBlink;
};
extern SetupScreenState setupState;

// The screens back to their start.
void ResetSetupState();

// availableItems from the item flags in memory: every unlocked item number
// in ascending order, the rest -1.
void BuildAvailableItemList();
