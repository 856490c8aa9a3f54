#pragma once

// A player's step and the pieces it is made of: keys, cursor, swap, line
// and the panel pictures they draw with.
//
// The key steps of UpdatePlayer, in their order: DirectionKeys, SwapKey,
// SelectKey, CancelKey. While a pause is on, DirectionKeys hands the keys to
// PauseMenuKeys (which keeps repeatCount itself) and only clamps the count.
// The bool steps return false when the rest of the player's step is skipped.

// --- player_update.cpp
// One step of player p: animations, then the keys, in the game's fixed order.
void UpdatePlayer(int p);
void CancelKey(int p);

// --- direction_keys.cpp
void DirectionKeys(int p);

// --- swap.cpp
bool SwapKey(int p);
// The picked cell's blink and the two cells' exchange.
void AnimateSwap(int p);

// --- line_select.cpp
bool SelectKey(int p);
// The selected line's frame and its moving end.
void DrawLineFrame(int p);
// Three-piece frame over (l,t)-(r,b) from line-frame column 36p + b.
void DrawStretchFrame(int left, int top, int right, int bottom, bool horizontal, int p, int b);

// --- cursor.cpp
// SPEED of p as the cursor and line end use it (0..15): a step of one cell
// takes 24 / (SPEED + 1) frames, rounded up.
int CursorSpeed(int p);
// The cursor's step, pin and picture.
void AnimateCursor(int p);
// True when the cursor of p lies on the straight segment (x0,y0)-(x1,y1).
bool CursorOnSegment(int p, int x0, int y0, int x1, int y1);

// --- panel_drawing.cpp
// Blink phase of the match pictures: 0 (A) or 1 (B); restarts blinkClock every
// 600 ms of match time.
int BlinkPhase();
// Draws panel value v (0..7) of the current picture set with its top-left
// at (x, y); other values draw nothing. The squeezed form stretches the
// picture over columns left..right of the cell (0..24, relative to x);
// failingRow takes the picture from the failing row of the sheet.
void DrawPanel(int v, int x, int y);
void DrawPanelSqueezed(int v, int x, int y, int left, int right, bool failingRow);
// As DrawPanelSqueezed, but nothing above the field's top edge (y 64), for
// cells that ride above it while the stack rises.
void DrawPanelInField(int v, int x, int y, int left, int right, bool failingRow);
// Covers (x, y, w, h) with the match background from tileSurface.
void CoverWithBackground(int x, int y, int w, int h);
