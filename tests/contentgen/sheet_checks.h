#pragma once
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "content/palette_layout.h"
#include "content/sheet_rect.h"
#include "contentgen/content_file.h"

// Measures over the generated sheets, shared by their tests.
namespace sheetChecks {

using contentFile::Bitmap;
using contentFile::PixelOf;
using paletteLayout::transparent;

inline Bitmap Load(const char* gamePath) {
    Bitmap b;
    EXPECT_TRUE(contentFile::DecodeBitmap(contentFile::Read(gamePath), b)) << gamePath;
    return b;
}

inline bool SamePalette(const Bitmap& a, const Bitmap& b) { return std::memcmp(a.palette, b.palette, sizeof a.palette) == 0; }

inline int OpaqueCount(const Bitmap& b, const SheetRect& r) {
    int count = 0;
    for (int y = r.top; y < r.bottom; ++y) {
        for (int x = r.left; x < r.right; ++x) count += PixelOf(b, x, y) != transparent ? 1 : 0;
    }
    return count;
}

// Pixels in which two same-sized pictures differ.
inline int Differing(const Bitmap& b, const SheetRect& p, const SheetRect& q) {
    int count = 0;
    for (int y = 0; y < p.Height(); ++y) {
        for (int x = 0; x < p.Width(); ++x) count += PixelOf(b, p.left + x, p.top + y) != PixelOf(b, q.left + x, q.top + y) ? 1 : 0;
    }
    return count;
}

// Brightness 0..255 and saturation 0..255 of a palette entry.
inline int Luma(const Bitmap& b, uint8_t index) {
    return (299 * b.palette[index][0] + 587 * b.palette[index][1] + 114 * b.palette[index][2]) / 1000;
}
inline int Chroma(const Bitmap& b, uint8_t index) {
    const uint8_t* c = b.palette[index];
    const int high = std::max({c[0], c[1], c[2]}), low = std::min({c[0], c[1], c[2]});
    return high - low;
}

// Means over the drawn pixels of a picture.
struct Tone {
    double luma = 0, chroma = 0;
};
inline Tone ToneOf(const Bitmap& b, const SheetRect& r) {
    Tone t;
    int n = 0;
    for (int y = r.top; y < r.bottom; ++y) {
        for (int x = r.left; x < r.right; ++x) {
            const uint8_t p = PixelOf(b, x, y);
            if (p == transparent) continue;
            t.luma += Luma(b, p);
            t.chroma += Chroma(b, p);
            ++n;
        }
    }
    if (n > 0) {
        t.luma /= n;
        t.chroma /= n;
    }
    return t;
}

// True when every row of the rectangle holds one index across its width.
inline bool RowsUniform(const Bitmap& b, const SheetRect& r) {
    for (int y = r.top; y < r.bottom; ++y) {
        for (int x = r.left + 1; x < r.right; ++x) {
            if (PixelOf(b, x, y) != PixelOf(b, r.left, y)) return false;
        }
    }
    return true;
}
inline bool ColumnsUniform(const Bitmap& b, const SheetRect& r) {
    for (int x = r.left; x < r.right; ++x) {
        for (int y = r.top + 1; y < r.bottom; ++y) {
            if (PixelOf(b, x, y) != PixelOf(b, x, r.top)) return false;
        }
    }
    return true;
}

inline SheetRect Rect(int left, int top, int right, int bottom) {
    return SheetRect{static_cast<int16_t>(left), static_cast<int16_t>(top), static_cast<int16_t>(right), static_cast<int16_t>(bottom)};
}

}  // namespace sheetChecks
