#pragma once
#include <cstdint>

#include "content/sheet_rect.h"

// The match display as the match's other files call it, and the board
// drawing the puzzle editor shares with it; what only the display's own
// files share is in hud_parts.h.

// --- hud.cpp
// Everything around the boards, once per step.
void DrawHud();
// Draws the line across the top of board p in colour step 0..13.
void DrawTopLine(int p, int step);

// --- numbers.cpp
// Figures from the digit glyphs: high x 100000000 + low in `digits` places.
void DrawNumber(int32_t low, int32_t high, int x, int y, int digits, int colour, int leadingZeros);
// a x b right-aligned at x (the line's score and weight).
void DrawProduct(int x, int y, int colour, int32_t a, int32_t b);
// One digit glyph (0..9) in colour -1, 0 or 1 with its top-left at (x, y).
void DrawGlyph(int digit, int colour, int x, int y);
// A picture of mainSheet with its top-left at (x, y), colour key left out.
void DrawSheetPicture(const SheetRect& picture, int x, int y);
// Decimal places of a non-negative value (1 for 0).
int DigitCount(int64_t value);

// --- playfield_frame.cpp
// Paints the frames, boxes and labels of the mode into tileSurface.
void PaintPlayfieldFrame();
// Item icons (versus) or EX attack pictures (endless) into tileSurface.
void PaintItemIcons();
// Board p's frame into tileSurface: the warning strip, the field, the NEXT
// strip, the limit gauge's groove (as long as CHAIN level `chain` makes the
// gauge) and the score bar.
void PaintBoardFrame(int p, int chain);
// A framed box of fill tiles over (left, top)-(right, bottom) of tileSurface.
void PaintInfoBox(int left, int top, int right, int bottom);
// A picture of mainSheet into tileSurface with its top-left at (x, y).
void PaintLabel(const SheetRect& picture, int x, int y);

// --- puzzle_box.cpp
// A problem's goal, target sum and swap limit (-2 none, -1 free, else the
// swaps left), the pictures `dy` pixels below where the match shows them.
void DrawPuzzleRules(int goalType, int32_t goalValue, int targetSum, int swapLimit, int dy);

// --- chain_end.cpp
// Popup and the end of p's chain, once per step.
void EndOfChain(int p);

// --- bonus_banner.cpp
// The board-clear banner of the endless mode.
void RunClearBanner(int p);
