#pragma once
#include <cstdint>

// The match display as the match's other files call it; what only the
// display's own files share is in hud_parts.h.

// --- hud.cpp
// Everything around the boards, once per step.
void DrawHud();
// Draws the line across the top of board p in this step's colour.
void DrawTopLine(int p);

// --- numbers.cpp
// Figures from the digit glyphs: high x 100000000 + low in `digits` places.
void DrawNumber(int32_t low, int32_t high, int x, int y, int digits, int colour, int leadingZeros);
// a x b right-aligned at x (the line's score and weight).
void DrawProduct(int x, int y, int colour, int32_t a, int32_t b);

// --- playfield_frame.cpp
// Paints the frames, boxes and labels of the mode into tileSurface.
void PaintPlayfieldFrame();
// Item icons (versus) or EX attack pictures (endless) into tileSurface.
void PaintItemIcons();

// --- chain_end.cpp
// Popup and the end of p's chain, once per step.
void EndOfChain(int p);

// --- bonus_banner.cpp
// The board-clear banner of the endless mode.
void RunClearBanner(int p);
