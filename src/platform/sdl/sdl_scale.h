#pragma once
#include <SDL.h>

#include <cstdint>

#include "platform/palette.h"
#include "platform/surface.h"

namespace backend {

// Wider pictures than this are kept to this width (and centred).
constexpr int maxPictureWidth = 8192;

// Where the 640x480 picture sits in the window surface, largest 4:3 fit,
// and which source pixel each of its pixels shows (nearest neighbour).
struct ScaleMaps {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    uint16_t sourceX[maxPictureWidth];
    // Source row y covers picture rows rowStart[y] .. rowStart[y + 1] - 1.
    int rowStart[screenHeight + 1];
};

void BuildScaleMaps(ScaleMaps& maps, int windowWidth, int windowHeight);

// Palette index to the surface's own pixel value.
void BuildColorTable(uint32_t (&table)[256], const Rgb (&palette)[256], const SDL_PixelFormat* format);

// Writes every window row that shows source row y (of a 640-wide frame).
void DrawSourceRow(const ScaleMaps& maps, const uint32_t (&table)[256], const uint8_t* sourceRow, int y,
                   SDL_Surface* target);

}  // namespace backend
