#pragma once
#include <cstdint>

// Implemented in platform/sdl/font_raster.cpp, on SDL_ttf.
// Glyph source for the text drawer: the installed face matched to a requested
// one, rasterised once per glyph as a 1-bit mask and kept for the run.

struct GlyphImage {
    int16_t width = 0;      // mask size
    int16_t height = 0;
    int16_t left = 0;       // mask offset from the pen position
    int16_t top = 0;        // mask offset from the top of the line
    int16_t advance = 0;    // pen movement
    const uint8_t* mask = nullptr;  // width*height bytes, 0 or 1
};

// Opens the best installed face for the request. Returns a raster font id
// (>= 0) or -1 when no font at all can be found.
int OpenRasterFont(int height, int weight, const char* face);
// Line height in pixels of a raster font.
int RasterLineHeight(int rasterFont);
// The glyph of a code point; never null (unknown code points give an empty
// glyph with a sensible advance).
const GlyphImage* RasterGlyph(int rasterFont, uint32_t codepoint);
// The same, but null when the face has no glyph for the code point (so that
// another face can stand in for it).
const GlyphImage* ProvidedRasterGlyph(int rasterFont, uint32_t codepoint);
// Releases every font and cached glyph.
void CloseRasterFonts();
