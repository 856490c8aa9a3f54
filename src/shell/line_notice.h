#pragma once
#include <cstdint>

// A notice of one or two short lines in the game's rounded blue box, for two
// seconds from the moment it is given, while the screen goes on: what a key
// could not do (an entry without a replay, a replay that cannot be played).
// The screen that gives it draws it each frame.

constexpr uint32_t lineNoticeMs = 2000;

// The box: 600 wide, centred across the screen; one line 34 high, two 58.
constexpr int lineNoticeLeft = 20;
constexpr int lineNoticeRight = 620;
constexpr int lineNoticeLineHeight = 24;

// Starts the notice now with these lines (second may be nullptr or empty),
// shown for ms. The words are copied; longer lines are cut.
void ShowLineNotice(const char* first, const char* second, uint32_t ms = lineNoticeMs);
// True within its time of the last ShowLineNotice.
bool LineNoticeShown();
// The lines shown now (empty when none).
const char* LineNoticeText(int line);
// The box with its top at y while the notice is shown; nothing otherwise.
void DrawLineNotice(int top);
// No notice: a new screen starts without one.
void ClearLineNotice();
