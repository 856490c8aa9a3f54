#include <algorithm>
#include <cmath>
#include <vector>

#include "content/game_sheet.h"
#include "contentgen/game_sheet_art.h"
#include "contentgen/match_art_style.h"

using namespace paletteLayout;

namespace {

constexpr float frameSize = 36.0f;

// The cursor: four heavy brackets at the corners of the cell, all outside
// it, so they stand out over any panel and hide none of the cell. grow
// widens the brackets outwards and towards the cell (the dark rim).
float CursorShape(float x, float y, float grow) {
    const float outer = RoundRectDistance(x, y, 1.0f - grow, 1.0f - grow, 35.0f + grow, 35.0f + grow, 5.0f + grow);
    const float hole = 5.0f + grow;
    const float band = std::max(outer, -RoundRectDistance(x, y, hole, hole, frameSize - hole, frameSize - hole, 0.5f));
    const float arm = 14.0f + grow;
    const float nearCorner = std::max(std::min(x, frameSize - x) - arm, std::min(y, frameSize - y) - arm);
    return std::max(band, nearCorner);
}

void PaintCursorFrame(Canvas& sheet, SheetRect r, int ramp, Rgb top, Rgb bottom) {
    const float l = r.left, t = r.top;
    const uint8_t rim = RampShade(ramp, 0);
    FillShape(
        sheet, l, t, l + frameSize, t + frameSize, [=](float x, float y) { return CursorShape(x - l, y - t, 1.0f); },
        SolidIndex(rim));
    FillShape(
        sheet, l, t, l + frameSize, t + frameSize, [=](float x, float y) { return CursorShape(x - l, y - t, 0.0f); },
        LinearGradient(0, t + 2, top, 0, t + 34, bottom));
    // A glint along the upper left of each bracket.
    FillShape(
        sheet, l, t, l + frameSize, t + frameSize,
        [=](float x, float y) {
            const float px = x - l, py = y - t;
            return std::max(CursorShape(px, py, 0.0f) + 0.8f, -CursorShape(px + 1.3f, py + 1.3f, 0.0f));
        },
        Solid(MakeRgb(255, 255, 255)), 0.85f);
}

// Colour across the line frame's band, outside edge (0) to inside edge (7).
// The band lies entirely in the 9-pixel caps, and along the middle it
// depends only on the distance from the edge, so stretching keeps it whole.
Rgb LineBand(int look, float d) {
    static const int ramps[3] = {rampOrange, rampCyan, rampYellow};
    const int ramp = ramps[look];
    if (d < 1.2f) return PaletteColour(RampShade(ramp, 0));
    const float mid = 3.6f;
    const float glow = 1.0f - std::min(std::fabs(d - mid) / 3.0f, 1.0f);
    if (look == 2) {
        return MixRgb(PaletteColour(HueShade(rampYellow, 7)), MakeRgb(255, 255, 255), glow);
    }
    return MixRgb(PaletteColour(RampShade(ramp, 4)), PaletteColour(RampShade(ramp, 10)), glow);
}

void PaintLineFrame(Canvas& sheet, int s, int look) {
    const SheetRect r = gameSheetLayout::LineFrame(s);
    const float l = r.left, t = r.top;
    for (int y = r.top; y < r.bottom; ++y) {
        for (int x = r.left; x < r.right; ++x) {
            const float px = x + 0.5f - l, py = y + 0.5f - t;
            const float outside = RoundRectDistance(px, py, 0.5f, 0.5f, 35.5f, 35.5f, 8.0f);
            const float inside = -RoundRectDistance(px, py, 7.5f, 7.5f, 28.5f, 28.5f, 1.5f);
            const float coverage = std::clamp(0.5f - outside, 0.0f, 1.0f) * std::clamp(0.5f - inside, 0.0f, 1.0f);
            if (coverage <= 0.0f) continue;
            const float d = -outside;
            // Inner edge: a dark line so the frame reads over bright panels too.
            Rgb c = LineBand(look, d);
            if (inside > -1.2f) c = PaletteColour(RampShade(look == 1 ? rampCyan : rampOrange, 1));
            BlendPixel(sheet, x, y, c, coverage);
        }
    }
}

// An arrow pointing right in a 24x24 box (the pause-menu marker).
void MenuMarker(Canvas& sheet, SheetRect r) {
    const float l = r.left, t = r.top;
    const std::vector<Point> arrow = {{l + 2.0f, t + 7.5f}, {l + 10.5f, t + 7.5f}, {l + 10.5f, t + 2.0f},
                                      {l + 22.5f, t + 12.0f}, {l + 10.5f, t + 22.0f}, {l + 10.5f, t + 16.5f},
                                      {l + 2.0f, t + 16.5f}};
    FillPolygon(sheet, arrow, SolidIndex(HueShade(rampOrange, 0)));
    FillShape(
        sheet, l, t, l + 24, t + 24, [&](float x, float y) { return PolygonDistance(x, y, arrow) + 1.5f; },
        LinearGradient(0, t + 3, PaletteColour(HueShade(rampYellow, 10)), 0, t + 21, PaletteColour(HueShade(rampOrange, 5))));
}

// A puzzle arrow: a rounded triangle kept inside rows 1..17 of its 19x19
// box, because the four boxes share their edge rows.
void PuzzleArrow(Canvas& sheet, SheetRect r, int direction) {
    const float cx = r.left + 9.5f, cy = r.top + 9.5f;
    // Pointing right, then turned.
    const Point base[3] = {{7.0f, 0.0f}, {-5.0f, -7.0f}, {-5.0f, 7.0f}};
    const float angles[4] = {3.14159265f, 0.0f, 1.5707963f, -1.5707963f};  // left, right, down, up
    const float a = angles[direction];
    std::vector<Point> tri;
    for (const Point& p : base) {
        tri.push_back(Point{cx + p.x * std::cos(a) - p.y * std::sin(a), cy + p.x * std::sin(a) + p.y * std::cos(a)});
    }
    FillShape(
        sheet, r.left, r.top + 1, r.right, r.bottom - 1, [&](float x, float y) { return PolygonDistance(x, y, tri) - 1.0f; },
        SolidIndex(HueShade(rampOrange, 0)));
    FillShape(
        sheet, r.left, r.top + 1, r.right, r.bottom - 1, [&](float x, float y) { return PolygonDistance(x, y, tri) + 0.5f; },
        LinearGradient(0, cy - 7, PaletteColour(HueShade(rampYellow, 10)), 0, cy + 7, PaletteColour(HueShade(rampYellow, 5))));
}

// Warning of n panels about to fall into a column: a red tag with the count
// and a point downwards.
void PaintNextMarker(Canvas& sheet, int n) {
    const SheetRect r = gameSheetLayout::NextMarker(n);
    const float l = r.left, t = r.top;
    auto tag = [=](float x, float y) {
        const float box = RoundRectDistance(x, y, l + 0.5f, t + 0.5f, l + 22.5f, t + 18.0f, 5.0f);
        const std::vector<Point> point = {{l + 5.5f, t + 16.0f}, {l + 17.5f, t + 16.0f}, {l + 11.5f, t + 23.5f}};
        return std::min(box, PolygonDistance(x, y, point));
    };
    FillShape(sheet, l, t, l + 23, t + 24, tag, SolidIndex(HueShade(rampRed, 0)));
    FillShape(
        sheet, l, t, l + 23, t + 24, [=](float x, float y) { return tag(x, y) + 1.3f; },
        LinearGradient(0, t + 1, PaletteColour(HueShade(rampRed, 8)), 0, t + 20, PaletteColour(HueShade(rampRed, 3))));
    FillShape(
        sheet, l, t, l + 23, t + 8,
        [=](float x, float y) { return RoundRectDistance(x, y, l + 2.5f, t + 2.0f, l + 20.5f, t + 7.5f, 3.0f); },
        Solid(MakeRgb(255, 255, 255)), 0.25f);
    LabelStyle s = MatchLabel(rampRed);
    s.face = displayFace;
    s.bold = false;
    s.outlineWidth = 1.5f;
    s.outline = PaletteColour(HueShade(rampRed, 0));
    const char digit[2] = {static_cast<char>('0' + n), '\0'};
    DrawGlyphOfHeight(sheet, digit, l + 11.5f, t + 9.5f, 12, s);
}

}  // namespace

void DrawMatchCursors(Canvas& sheet) {
    PaintCursorFrame(sheet, gameSheetLayout::Cursor(0), rampOrange, PaletteColour(HueShade(rampYellow, 8)),
                    PaletteColour(HueShade(rampOrange, 5)));
    PaintCursorFrame(sheet, gameSheetLayout::Cursor(1), rampBlue, PaletteColour(HueShade(rampCyan, 8)),
                    PaletteColour(HueShade(rampBlue, 6)));
    PaintCursorFrame(sheet, gameSheetLayout::pickedCursor, rampPink, MakeRgb(255, 255, 255), PaletteColour(HueShade(rampPink, 6)));
    PaintLineFrame(sheet, 0, 0);
    PaintLineFrame(sheet, 36, 1);
    PaintLineFrame(sheet, 72, 2);
    MenuMarker(sheet, gameSheetLayout::pauseMarker);
    PuzzleArrow(sheet, gameSheetLayout::arrowLeft, 0);
    PuzzleArrow(sheet, gameSheetLayout::arrowRight, 1);
    PuzzleArrow(sheet, gameSheetLayout::arrowDown, 2);
    PuzzleArrow(sheet, gameSheetLayout::arrowUp, 3);
    for (int n = 1; n <= 5; ++n) PaintNextMarker(sheet, n);
}
