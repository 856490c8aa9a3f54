#include <algorithm>
#include <cmath>
#include <vector>

#include "content/title_sheet.h"
#include "contentgen/art_style.h"
#include "contentgen/title_sheet_art.h"

using namespace paletteLayout;

namespace {

// Colour across the frame's 8-pixel border, outside edge first. Every piece
// the scenes cut (corners, stretched edges, halves, 23-pixel corners) reads
// the same profile, so any slicing joins up.
Rgb FrameProfile(int phase, float p) {
    static const uint8_t calm[8] = {HueShade(rampOrange, 1), HueShade(rampOrange, 4), HueShade(rampYellow, 5),
                                    HueShade(rampYellow, 8), HueShade(rampYellow, 6), HueShade(rampOrange, 5),
                                    HueShade(rampOrange, 3), HueShade(rampOrange, 1)};
    static const uint8_t glow[8] = {HueShade(rampOrange, 2), HueShade(rampYellow, 6), HueShade(rampYellow, 9),
                                    white, HueShade(rampYellow, 10), HueShade(rampYellow, 7),
                                    HueShade(rampOrange, 5), HueShade(rampOrange, 2)};
    const uint8_t* profile = phase == 0 ? calm : glow;
    const int i = std::clamp(static_cast<int>(p), 0, 7);
    return PaletteColour(profile[i]);
}

void PaintCursorFrame(Canvas& sheet, int phase) {
    const SheetRect r = titleSheetLayout::CursorFrame(phase);
    const float border = titleSheetLayout::frameBorder;
    const float l = r.left, t = r.top, rt = r.right, b = r.bottom;
    for (int y = r.top; y < r.bottom; ++y) {
        for (int x = r.left; x < r.right; ++x) {
            const float px = x + 0.5f, py = y + 0.5f;
            const bool interior = px > l + border && px < rt - border && py > t + border && py < b - border;
            if (interior) continue;
            const float fromOutside = -RoundRectDistance(px, py, l, t, rt, b, 6.0f);
            const float dx = std::max({l + border - px, px - (rt - border), 0.0f});
            const float dy = std::max({t + border - py, py - (b - border), 0.0f});
            const float toInside = std::hypot(dx, dy);
            const float p = border * std::max(fromOutside, 0.0f) / std::max(std::max(fromOutside, 0.0f) + toInside, 0.01f);
            BlendPixel(sheet, x, y, FrameProfile(phase, p), std::clamp(fromOutside + 0.5f, 0.0f, 1.0f));
        }
    }
}

// Left bracket, pointing right, in a 15x40 box; mirrored for the right one.
// Top and bottom are mirror images and the arrow's tip is flat over the
// middle rows, so the upper and lower halves can be drawn apart.
void Bracket(Canvas& sheet, SheetRect r, bool pointsLeft, int phase) {
    const float l = r.left, t = r.top, w = static_cast<float>(r.Width());
    auto at = [&](float x, float y) { return Point{pointsLeft ? l + w - x : l + x, t + y}; };
    const float shift = phase == 0 ? 0.0f : 2.0f;
    const std::vector<Point> bar = {at(0.5f, 1.5f), at(9.5f, 1.5f), at(9.5f, 6.5f), at(5.0f, 6.5f),
                                    at(5.0f, 33.5f), at(9.5f, 33.5f), at(9.5f, 38.5f), at(0.5f, 38.5f)};
    const std::vector<Point> arrow = {at(4.0f + shift, 8.5f), at(12.5f + shift, 17.0f), at(12.5f + shift, 23.0f),
                                      at(4.0f + shift, 31.5f)};
    const uint8_t rim = phase == 0 ? HueShade(rampOrange, 1) : HueShade(rampOrange, 2);
    const Rgb lightTop = PaletteColour(phase == 0 ? HueShade(rampYellow, 8) : white);
    const Rgb darkBottom = PaletteColour(phase == 0 ? HueShade(rampOrange, 4) : HueShade(rampYellow, 6));
    // Lit from the middle outwards so the two halves are mirror images.
    const Paint body = [=](float, float y) {
        const float fromMiddle = std::fabs(y - (t + 20.0f)) / 20.0f;
        return MixRgb(lightTop, darkBottom, fromMiddle);
    };
    for (const auto* shape : {&bar, &arrow}) {
        FillPolygon(sheet, *shape, SolidIndex(rim));
        FillShape(
            sheet, l, t, l + w, t + 40.0f,
            [&](float x, float y) { return PolygonDistance(x, y, *shape) + 1.3f; }, body);
    }
}

// Scroll arrows: a rounded triangle up or down.
void ScrollArrow(Canvas& sheet, SheetRect r, bool up) {
    const float l = r.left, t = r.top;
    auto at = [&](float x, float y) { return Point{l + x, up ? t + y : t + 24.0f - y}; };
    const std::vector<Point> tri = {at(12, 2.5f), at(22.5f, 19), at(1.5f, 19)};
    FillShape(
        sheet, l, t, l + 24, t + 24, [&](float x, float y) { return PolygonDistance(x, y, tri) - 1.0f; },
        SolidIndex(HueShade(rampBlue, 1)));
    FillShape(
        sheet, l, t, l + 24, t + 24, [&](float x, float y) { return PolygonDistance(x, y, tri) + 0.8f; },
        LinearGradient(0, t + 4, PaletteColour(HueShade(rampCyan, 10)), 0, t + 20, PaletteColour(HueShade(rampCyan, 5))));
}

}  // namespace

void DrawPointerArrow(Canvas& sheet, SheetRect r) {
    const float l = r.left, t = r.top;
    const std::vector<Point> arrow = {{l + 1.5f, t + 7}, {l + 10, t + 7}, {l + 10, t + 1.5f}, {l + 23, t + 12},
                                      {l + 10, t + 22.5f}, {l + 10, t + 17}, {l + 1.5f, t + 17}};
    FillPolygon(sheet, arrow, SolidIndex(HueShade(rampRed, 1)));
    FillShape(
        sheet, l, t, l + 24, t + 24, [&](float x, float y) { return PolygonDistance(x, y, arrow) + 1.5f; },
        LinearGradient(0, t + 3, PaletteColour(HueShade(rampYellow, 9)), 0, t + 21, PaletteColour(HueShade(rampOrange, 5))));
}

void DrawCursorPieces(Canvas& sheet) {
    for (int f = 0; f < 2; ++f) {
        PaintCursorFrame(sheet, f);
        Bracket(sheet, titleSheetLayout::BracketLeft(f), false, f);
        Bracket(sheet, titleSheetLayout::BracketRight(f), true, f);
    }
    DrawPointerArrow(sheet, titleSheetLayout::rowMarker);
    ScrollArrow(sheet, titleSheetLayout::scrollUpArrow, true);
    ScrollArrow(sheet, titleSheetLayout::scrollDownArrow, false);
}
