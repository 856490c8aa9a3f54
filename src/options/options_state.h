#pragma once
#include <cstdint>

#include "options/options_file.h"
#include "shell/menu_input.h"

// Where the options screen stands, kept from one visit to the next.

// Entries of the screen, in cursor order: the five settings (byte order of
// the record), then the three buttons from left to right.
constexpr int8_t endEntry = 5;
constexpr int8_t recommendedEntry = 6;
constexpr int8_t resetEntry = 7;
constexpr int optionsEntryCount = 8;

struct OptionsScreenState {
    int8_t optionsCursor = 0;          // entry 0..7
    int8_t optionsVerticalHold = 0;    // auto-repeat counter of Up and Down
    int8_t optionsHorizontalHold = 0;  // auto-repeat counter of Left and Right
    int8_t optionsConfirmHeld = 1;     // 1 until the decide key is let go
    int8_t leaving = 0;                // 1 once the player chose to leave
    int8_t dirty = 0;                  // 1 when a setting changed since entry or the reset button
    int8_t saveAnswer = 0;             // answer of the save question: 0 yes, 1 no
    int8_t optionsBoxGrowth = 0;       // 0..10, opening step of the text box
    int8_t closed = 0;                 // 1 once the closing wipe is whole, until the menu takes over
    int8_t languageHeld = 0;           // 1 until the language key is let go
    // The cursor frame's animation: `now` is the time of the last drawn
    // frame, `cycleStart` the start of its 200 ms cycle.
    CursorAnimation blink;
    // The record as the screen found it: the reset button goes back to it,
    // and leaving without saving puts it back in force.
    OptionsFile entered;
};
extern OptionsScreenState optionsState;

// True while the save question is open.
inline bool InSavePrompt() { return optionsState.leaving == 1 && optionsState.dirty == 1; }
