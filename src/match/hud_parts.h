#pragma once
#include <cstdint>

#include "content/sheet_rect.h"

// Pieces of the match display shared by its files (not for other parts of
// the game: they use hud.h).

// --- numbers.cpp
// One digit glyph (0..9) in colour -1, 0 or 1 with its top-left at (x, y).
void DrawGlyph(int digit, int colour, int x, int y);
// A picture of mainSheet with its top-left at (x, y), colour key left out.
void DrawSheetPicture(const SheetRect& picture, int x, int y);
// Decimal places of a non-negative value (1 for 0).
int DigitCount(int64_t value);

// --- match_clock.cpp
// The information box of the one-player modes: clock, best score, level,
// longest chain (step 8 of the display, without the meter and the tick).
void DrawInfoFigures(int p);
// The clock's second, counted up or (puzzle) down, and the blink phase.
void TickMatchClock(uint32_t now);
// Versus shows no clock but keeps its mark and the blink phase going.
void AdvanceVersusClock(uint32_t now);

// --- attack_meter.cpp
// The endless attack meter: lamps, attacks and the lamp every five seconds.
void RunAttackMeter(uint32_t now);

// --- bonus_banner.cpp
// The banner that replaces p's score line while a bonus is paid (endless).
void RunBonusBanner(int p);

// --- puzzle_box.cpp
// The problem's number, goal, target sum and swap limit (puzzle).
void DrawPuzzleBox();
