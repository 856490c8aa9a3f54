#pragma once
#include <cstdint>

#include "platform/keys.h"
#include "platform/text.h"

// Latches and counters the menu screens share.
extern int8_t confirmHeld;  // decide key
extern int8_t cancelHeld;   // cancel key
extern int8_t escapeHeld;   // Escape
extern int8_t boxGrowth;    // 0..10, opening step of the rounded text panels

// The menus' keys: the arrows and player 1's move keys steer, his swap key
// (X at first) and Enter decide, his cancel key (Z) goes back, and so does
// Escape; F1 opens the key guide over any screen, F2 the controls screen,
// and F3 switches the language on the options screen. The arrows, Enter,
// Escape and F1 to F3 are fixed, so a player can never lock himself out; the
// rest follow player 1's bindings (FollowBoundKeys).
struct MenuKeys {
    int up, down, left, right;                          // the arrows
    int upLetter, downLetter, leftLetter, rightLetter;  // Y B G H at first
    int decide, back, escape;                           // X Z Escape at first
    int guide;
    int enter;
    int controls;
    int language;
};
extern MenuKeys menuKeys;

// The menu keys anew from player 1's bindings: whenever they change.
void FollowBoundKeys();

// The menu key roles: either player's keys work.
bool UpHeld();      // cursor up or player 1's up key (Y)
bool DownHeld();    // cursor down or B
bool LeftHeld();    // cursor left or G
bool RightHeld();   // cursor right or H
bool DecideHeld();  // player 1's swap key (X) or Enter

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
