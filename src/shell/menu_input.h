#pragma once
#include <cstdint>

#include "platform/keys.h"
#include "platform/text.h"

// Latches and counters the menu screens share.
extern int8_t confirmHeld;  // decide key
extern int8_t cancelHeld;   // cancel key
extern int8_t escapeHeld;   // Escape
extern int8_t boxGrowth;    // 0..10, opening step of the rounded text panels

// The menus' keys: the arrows and player 1's letters steer, X decides, Z
// goes back (Escape too), F1 opens the key guide over any screen.
struct MenuKeys {
    int up, down, left, right;                          // the arrows
    int upLetter, downLetter, leftLetter, rightLetter;  // Y B G H
    int decide, back, escape;
    int guide;
};
inline constexpr MenuKeys menuKeys = {vkUp, vkDown, vkLeft, vkRight, 'Y', 'B', 'G', 'H', 'X', 'Z', vkEscape, vkF1};

// The menu key roles: either player's keys work.
bool UpHeld();     // cursor up or Y
bool DownHeld();   // cursor down or B
bool LeftHeld();   // cursor left or G
bool RightHeld();  // cursor right or H

// Auto-repeat of one held direction: true when the cursor moves this frame
// (at once, then after 30 frames, then every 10). Counts once per call.
bool RepeatStep(int8_t& counter);
// After an axis' directions: back to 0 when none is held; kept in range while held.
void SettleRepeat(int8_t& counter, bool anyHeld);

// Two-phase cursor animation: phase 0 or 1, switching every 100 ms.
struct CursorAnimation {
    uint32_t now = 0;
    uint32_t cycleStart = 0;
};
int CursorPhase(CursorAnimation& animation);
// Restarts the cycle at the last read time, as a cursor move does.
void RestartCursorCycle(CursorAnimation& animation);

// Frame of w x h with top-left (x,y) around a choice, from the 8-pixel pieces
// of the title sheet's cursor frame in phase f.
void DrawCursorFrame(int x, int y, int w, int h, int f);

// Frame w wide with top-left (x,y), in two rows of rowHeight (up to the 40 of
// the title sheet's cursor box): the upper row cut from the top of the box,
// the lower from its bottom, each a left cap, a middle stretched across and a
// right cap, in phase f.
void DrawCappedCursorFrame(int x, int y, int w, int rowHeight, int f);

// Frame of 46 x 46 with top-left (x,y) around an icon: the four 23 x 23
// corners of the title sheet's cursor box, in phase f.
void DrawCornerFrame(int x, int y, int f);

// Opens text drawing for a rounded panel: white pen, blue brush, the font,
// white text on a transparent background. EndText closes it.
void BeginPanelText(FontHandle font);
