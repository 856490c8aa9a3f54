#pragma once
#include <cstdint>

// Scroll offsets of the menu background, x in 0..639 and y in 0..479.
extern int32_t scrollOffsetX;
extern int32_t scrollOffsetY;
// Which of the two tiles the next build uses (0 or 1).
extern int8_t tileToggle;

// Fills tileSurface with 80x80 stretched copies of one 40x40 tile of mainSheet,
// then switches to the other tile for the next build.
void BuildTiledBackground();

// Clears the back buffer and draws tileSurface wrapped at the scroll offsets,
// then moves the pattern one pixel up and left.
void ScrollTiledBackground();
