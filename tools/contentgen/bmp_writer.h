#pragma once
#include <cstdint>
#include <vector>

#include "contentgen/palette_entries.h"

// An uncompressed 8-bit Windows bitmap: file header, 40-byte info header, the
// full 256-entry colour table, then bottom-up rows padded to 4 bytes.
// pixels holds width*height indices, top row first.
std::vector<uint8_t> EncodeBmp8(int width, int height, const std::vector<uint8_t>& pixels, const GamePalette& palette);
