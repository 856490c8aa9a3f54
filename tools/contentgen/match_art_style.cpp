#include "contentgen/match_art_style.h"

#include <algorithm>
#include <cmath>

using namespace paletteLayout;

int DrawFittedLabel(Canvas& canvas, const char* utf8, SheetRect box, LabelStyle style, int padding, Align align) {
    const int rim = (style.outlined ? static_cast<int>(std::ceil(style.outlineWidth)) : 0);
    const int extraX = 2 * rim + (style.shadowed ? std::abs(style.shadowX) : 0);
    const int extraY = 2 * rim + (style.shadowed ? std::abs(style.shadowY) : 0);
    const int roomX = box.Width() - 2 * padding - extraX;
    const int roomY = box.Height() - 2 * padding - extraY;
    if (roomX <= 0 || roomY <= 0) return 0;
    style.maxWidth = 0;
    int size = std::max(6, roomY * 2);
    AlphaMask ink;
    for (; size > 6; --size) {
        style.size = size;
        ink = LabelInk(utf8, style);
        if (ink.height <= roomY && ink.width * 4 <= roomX * 5) break;
    }
    style.size = size;
    style.maxWidth = roomX;
    ink = LabelInk(utf8, style);
    const float cy = box.top + padding + rim + roomY * 0.5f + (ink.height % 2 != roomY % 2 ? 0.5f : 0.0f);
    float cx = box.left + padding + rim + roomX * 0.5f;
    if (align == Align::left) cx = box.left + padding + rim + ink.width * 0.5f;
    DrawLabel(canvas, utf8, cx, cy, style);
    return size;
}

namespace {

int RimOf(const LabelStyle& style) { return style.outlined ? static_cast<int>(std::ceil(style.outlineWidth)) : 0; }

}  // namespace

int FittingSize(const char* utf8, SheetRect box, const LabelStyle& style, int padding) {
    const int rim = RimOf(style);
    const int roomX = box.Width() - 2 * padding - 2 * rim - (style.shadowed ? std::abs(style.shadowX) : 0);
    const int roomY = box.Height() - 2 * padding - 2 * rim - (style.shadowed ? std::abs(style.shadowY) : 0);
    LabelStyle s = style;
    s.maxWidth = 0;
    for (int size = std::max(7, roomY * 2); size > 6; --size) {
        s.size = size;
        const AlphaMask ink = LabelInk(utf8, s);
        if (ink.height <= roomY && ink.width <= roomX) return size;
    }
    return 6;
}

void DrawSizedLabel(Canvas& canvas, const char* utf8, SheetRect box, const LabelStyle& style, int padding, Align align) {
    const int rim = RimOf(style);
    const AlphaMask ink = LabelInk(utf8, style);
    const float roomY = static_cast<float>(box.Height() - 2 * padding - 2 * rim);
    const float cy = box.top + padding + rim + roomY * 0.5f + ((ink.height % 2) != (static_cast<int>(roomY) % 2) ? 0.5f : 0.0f);
    float cx = (box.left + box.right) * 0.5f;
    if (align == Align::left) cx = box.left + padding + rim + ink.width * 0.5f;
    DrawLabel(canvas, utf8, cx, cy, style);
}

LabelStyle MatchLabel(int ramp) {
    LabelStyle s = PlateLabel(ramp, 18);
    s.shadowed = false;
    s.outlineWidth = 2.0f;
    return s;
}

void DrawGlyphOfHeight(Canvas& canvas, const char* utf8, float cx, float cy, int inkHeight, LabelStyle style) {
    // The largest size whose ink is no taller than asked.
    int best = 4;
    for (int size = 4; size <= 3 * inkHeight + 8; ++size) {
        style.size = size;
        if (LabelInk(utf8, style).height <= inkHeight) best = size;
    }
    style.size = best;
    DrawLabel(canvas, utf8, cx, cy, style);
}

namespace {

// Ordered 4x4 dither threshold at a pixel, -0.5..0.5.
float DitherAt(int x, int y) {
    static const int bayer[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
    return (static_cast<float>(bayer[y & 3][x & 3]) + 0.5f) / 16.0f - 0.5f;
}

}  // namespace

uint8_t DitheredIndex(Rgb c, int x, int y, float spread) {
    const float d = DitherAt(x, y) * spread;
    auto nudge = [d](int v) { return static_cast<uint8_t>(std::clamp(static_cast<int>(std::lround(v + d)), 0, 255)); };
    return NearestGameColour(MakeRgb(nudge(c.r), nudge(c.g), nudge(c.b)));
}
