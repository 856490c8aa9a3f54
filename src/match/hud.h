#pragma once
#include <cstdint>

// Figures from the digit glyphs: high x 100000000 + low in `digits` places.
void DrawNumber(int32_t low, int32_t high, int x, int y, int digits, int colour, int leadingZeros);
// a x b right-aligned at x (the line's score and weight).
void DrawProduct(int x, int y, int colour, int32_t a, int32_t b);
// Paints the frames, boxes and labels of the mode into tileSurface.
void PaintPlayfieldFrame();
// Item icons (versus) or EX attack pictures (endless) into tileSurface.
void PaintItemIcons();
// Everything around the boards, once per step.
void DrawHud();
// Popup and the end of p's chain, once per step.
void EndOfChain(int p);
// The board-clear banner of the endless mode.
void RunClearBanner(int p);
// Draws the line across the top of board p in this step's colour.
void DrawTopLine(int p);
