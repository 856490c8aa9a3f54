#pragma once
#include <cstdint>
#include <string>

#include "platform/palette.h"

// Writes an 8-bit palettised picture as a PNG (uncompressed deflate blocks).
bool WritePalettePng(const std::string& path, const uint8_t* pixels, int width, int height, const Rgb (&palette)[256]);
