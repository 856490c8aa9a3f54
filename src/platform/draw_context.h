#pragma once
#include <cstdint>

#include "platform/text.h"

struct Surface;

// The one drawing context: the surface it draws into, the objects selected
// into it and the pen position. BeginText hands it out fresh on the back
// buffer, BeginSurfaceText on another surface, with the defaults a new
// Windows device context had.
struct DrawContext {
    Surface* target = nullptr;  // the back buffer when none is named

    FontHandle font = -1;
    Rgb brush = MakeRgb(255, 255, 255);
    Pen pen = {MakeRgb(0, 0, 0), 1};
    Rgb textColor = MakeRgb(0, 0, 0);
    Rgb backColor = MakeRgb(255, 255, 255);
    int bkMode = bkOpaque;
    int penX = 0;
    int penY = 0;
    bool open = false;
};

extern DrawContext backDC;

// Palette index shown for a colour; remembered until the palette changes.
uint8_t ContextColorIndex(Rgb color);

// Pixel rectangle, right and bottom exclusive; empty when right <= left or
// bottom <= top.
struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// The surface the context draws into: its target, or the back buffer.
Surface& ContextTarget();

// The part of a rectangle that lies on the context's surface (empty when it
// has no pixels yet). Takes wide values so callers can pass sums freely.
PixelRect ClipToTarget(long long left, long long top, long long right, long long bottom);

// Fills columns [x0, x1) of row y of the context's surface with a palette
// index, kept inside clip (which must already lie on that surface).
void FillRowSpan(const PixelRect& clip, int y, long long x0, long long x1, uint8_t index);
