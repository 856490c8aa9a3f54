#pragma once
#include <cstdint>
#include <vector>

#include "platform/palette.h"

// An 8-bit palettised PNG (stored deflate blocks: nothing to link, and the
// pictures are small). pixels holds width*height indices, top row first.
// With transparentIndex in 0..255 that entry is fully transparent (tRNS).
std::vector<uint8_t> EncodePng8(int width, int height, const uint8_t* pixels, const Rgb* palette,
                                int transparentIndex = -1);
