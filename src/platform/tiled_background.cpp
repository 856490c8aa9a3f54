#include "platform/tiled_background.h"

#include "platform/blit.h"
#include "platform/surface.h"

int32_t scrollOffsetX = 0;
int32_t scrollOffsetY = 0;

void FillTileSurface(const Surface* sheet, int left, int top, int right, int bottom) {
    for (int row = 0; row < 6; ++row) {
        for (int col = 0; col < 8; ++col) {
            BlitStretched(tileSurface, sheet, keyedStretch, 80 * col, 80 * row, 80 * col + 80, 80 * row + 80, left, top,
                          right, bottom);
        }
    }
}

void ScrollTiledBackground() {
    ColorFill(&backBuffer, 0, 0, screenWidth, screenHeight, 0);
    const int ox = scrollOffsetX;
    const int oy = scrollOffsetY;
    BlitStretched(&backBuffer, tileSurface, keyedStretch, ox, oy, 640, 480, 0, 0, 640 - ox, 480 - oy);
    BlitStretched(&backBuffer, tileSurface, keyedStretch, 0, oy, ox, 480, 640 - ox, 0, 640, 480 - oy);
    BlitStretched(&backBuffer, tileSurface, keyedStretch, ox, 0, 640, oy, 0, 480 - oy, 640 - ox, 480);
    BlitStretched(&backBuffer, tileSurface, keyedStretch, 0, 0, ox, oy, 640 - ox, 480 - oy, 640, 480);
    scrollOffsetX = ox - 1 < 0 ? ox - 1 + 640 : ox - 1;
    scrollOffsetY = oy - 1 < 0 ? oy - 1 + 480 : oy - 1;
}
