#pragma once
#include <cstdint>

#include "shell/menu_input.h"

struct TitleState {
    int8_t titleSelection = 0;  // 0 start, 1 end
    int8_t titleDecided = 0;    // 0 idle, 1 chosen (blinking), 2 attract time-out
    int8_t titleMoveHeld = 0;   // latch of the cursor keys
    CursorAnimation cursor;
};
extern TitleState titleState;

constexpr uint32_t attractTimeoutMs = 15000;

// The idle time toward the logo counts from now.
void RestartTitleIdleTime();

// Title, start and end plates, credit line; start leads to the main menu,
// end to the farewell, 15 idle seconds back to the logo.
void TitleScene();
