#pragma once
#include <cstdint>

// Scroll offsets of the menu background, x in 0..639 and y in 0..479.
extern int32_t scrollOffsetX;
extern int32_t scrollOffsetY;

struct Surface;

// Fills tileSurface with 80x80 stretched copies of the tile (left, top)-(right,
// bottom) of a sheet.
void FillTileSurface(const Surface* sheet, int left, int top, int right, int bottom);

// Clears the back buffer and draws tileSurface wrapped at the scroll offsets,
// then moves the pattern one pixel up and left.
void ScrollTiledBackground();
