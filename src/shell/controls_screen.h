#pragma once
#include <cstdint>

#include "platform/key_bindings.h"
#include "shell/screen_words.h"

// The controls screen: over whatever screen is up (F2 wherever the key
// guide has a page, and from the guide itself), for player 1 and player 2,
// each match action's key and pad button. Choose one with the arrows and
// Enter, press the new key or button, and it is taken; a key another action
// holds is refused with a line naming that action (a button changes places
// with the action holding it, since a pad has no spare buttons). The last
// row holds 「初期設定」 and player 1's two ready-made sets. Escape leaves
// (and saves, when anything changed). The screen under it stands still, as
// under the key guide (shell/key_guide.h runs it).

// Rows: the actions, then the sets; columns: 1P key, 1P button, 2P key, 2P
// button (on the sets row: the three sets).
constexpr int controlsRows = bindingActionCount + 1;
constexpr int controlsSetRow = bindingActionCount;
constexpr int controlsColumns = 4;
constexpr int controlsSetCount = 3;

struct ControlsScreenState {
    int8_t row = 0;
    int8_t column = 0;
    int8_t waiting = 0;  // 0 browsing; 1 for a key, 2 for a pad button
    int8_t changed = 0;  // a binding changed since the screen opened
    int8_t verticalRepeat = 0;
    int8_t horizontalRepeat = 0;
    bool buttonsAtStart[2][17] = {};  // pad buttons down as the wait began
    char message[160] = {};           // the line under the table
};
extern ControlsScreenState controlsScreen;

// The screen opens: cursor on player 1's up key, a line saying how to use it.
void BeginControlsScreen();
// One frame over the back buffer (the covered screen, dimmed by the caller):
// keys, then the drawing. False once the player has left (saved by then).
bool ControlsScreenFrame();

// The words of the screen, for the tests and the drawing.
extern const ScreenWords bindingActionNames[bindingActionCount];
const char* PadButtonLabel(PadButton button);

// --- controls_screen_drawing.cpp
void DrawControlsScreen();
// Where a cell is: its top-left (row, column), for the drawing and tests.
int ControlsCellX(int row, int column);
int ControlsCellY(int row);
