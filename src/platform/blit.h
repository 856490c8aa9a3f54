#pragma once
#include <cstdint>
#include "platform/surface.h"

// Copy flags, with the values the game has always passed.
constexpr uint32_t keyedCopy = 0x11;       // fast copy leaving out colorKey pixels
constexpr uint32_t opaqueCopy = 0x10;      // fast copy of every pixel
constexpr uint32_t keyedStretch = 0x1008000; // stretched copy leaving out colorKey

// True when the flag word asks for the colour key.
constexpr bool FlagsUseKey(uint32_t flags) {
    return (flags & 0x01u) != 0 || (flags & 0x8000u) != 0;
}

// Copies source (l,t)-(r,b) so its top-left lands at (x,y), clipped to the
// screen rectangle and to both surfaces.
void BlitClipped(Surface* dest, int x, int y, const Surface* source, uint32_t flags,
                 int left, int top, int right, int bottom);

// The same copy for callers that know it lies inside the destination; it is
// still clipped to both surfaces, so a bad rectangle cannot reach outside them.
void Blit(Surface* dest, int x, int y, const Surface* source, uint32_t flags,
          int left, int top, int right, int bottom);

// Scales source (sl,st)-(sr,sb) onto dest (dl,dt)-(dr,db), nearest pixel.
void BlitStretched(Surface* dest, const Surface* source, uint32_t flags,
                   int destLeft, int destTop, int destRight, int destBottom,
                   int sourceLeft, int sourceTop, int sourceRight, int sourceBottom);

// Fills (l,t)-(r,b), clipped to the surface, with one palette index.
void ColorFill(Surface* dest, int left, int top, int right, int bottom, uint8_t index);
