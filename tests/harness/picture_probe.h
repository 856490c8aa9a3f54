#pragma once
#include <cstdint>

#include "content/sheet_rect.h"
#include "harness/harness.h"
#include "platform/surface.h"

// Whether a sheet's picture stands on the last presented frame.
namespace pictureProbe {

// True when every opaque pixel of the picture shows with its top-left at
// (x, y), and the picture has some.
inline bool PictureShown(const Surface* sheet, const SheetRect& r, int x, int y) {
    if (sheet == nullptr) return false;
    int opaque = 0;
    for (int sy = r.top; sy < r.bottom; ++sy)
        for (int sx = r.left; sx < r.right; ++sx) {
            const uint8_t v = sheet->pixels[sy * sheet->width + sx];
            if (v == colorKey) continue;
            if (harness::PixelAt(x + sx - r.left, y + sy - r.top) != v) return false;
            ++opaque;
        }
    return opaque > 0;
}

// The same for a picture stretched over (left, top)-(right, bottom), each
// screen pixel taking the source pixel the stretched copy picks.
inline bool StretchedShown(const Surface* sheet, const SheetRect& r, int left, int top, int right, int bottom) {
    if (sheet == nullptr) return false;
    int opaque = 0;
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x) {
            const int sx = r.left + (x - left) * r.Width() / (right - left);
            const int sy = r.top + (y - top) * r.Height() / (bottom - top);
            const uint8_t v = sheet->pixels[sy * sheet->width + sx];
            if (v == colorKey) continue;
            if (harness::PixelAt(x, y) != v) return false;
            ++opaque;
        }
    return opaque > 0;
}

}  // namespace pictureProbe
