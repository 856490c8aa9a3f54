#pragma once
#include <cstdint>

#include "match/hud.h"

// Pieces of the match display shared by its files (not for other parts of
// the game: they use hud.h).

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
