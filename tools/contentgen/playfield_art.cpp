#include <algorithm>
#include <cmath>
#include <vector>

#include "content/game_sheet.h"
#include "contentgen/game_sheet_art.h"
#include "contentgen/match_art_style.h"

using namespace paletteLayout;

namespace {

constexpr float pi = 3.14159265f;
constexpr int edge = 13;

// Colour across the frame, d pixels in from its outside edge (0..13): a dark
// line, a bright lip, a steel body, a groove and a dark inside edge.
Rgb FrameProfile(float d) {
    static const uint8_t profile[edge] = {SteelShade(0), SteelShade(9), SteelShade(10), SteelShade(8), SteelShade(7),
                                          SteelShade(6), SteelShade(6), SteelShade(5), SteelShade(4), SteelShade(1),
                                          SteelShade(6), SteelShade(3), SteelShade(0)};
    const int i = std::clamp(static_cast<int>(std::floor(d)), 0, edge - 1);
    return PaletteColour(profile[i]);
}

// One frame piece: d(x, y) gives the distance in from the frame's outside.
template <typename Depth>
void FramePiece(Canvas& sheet, SheetRect r, Depth depth) {
    for (int y = r.top; y < r.bottom; ++y) {
        for (int x = r.left; x < r.right; ++x) {
            const float d = depth(x + 0.5f - r.left, y + 0.5f - r.top);
            if (d <= 0.0f) continue;
            SetPixel(sheet, x, y, NearestGameColour(FrameProfile(d)));
            if (d < 1.0f) BlendPixel(sheet, x, y, FrameProfile(d), std::min(1.0f, d + 0.5f));
        }
    }
}

void FramePieces(Canvas& sheet) {
    using namespace gameSheetLayout;
    const float big = 200.0f, radius = 8.0f, e = static_cast<float>(edge);
    FramePiece(sheet, frameTopEdge, [](float, float y) { return y; });
    FramePiece(sheet, frameBottomEdge, [=](float, float y) { return e - y; });
    FramePiece(sheet, frameLeftSide, [](float x, float) { return x; });
    FramePiece(sheet, frameRightSide, [=](float x, float) { return e - x; });
    // Corners: rounded outside, square where they meet the inside tiles.
    FramePiece(sheet, frameTopLeft, [=](float x, float y) { return -RoundRectDistance(x, y, 0, 0, big, big, radius); });
    FramePiece(sheet, frameTopRight,
               [=](float x, float y) { return -RoundRectDistance(x, y, e - big, 0, e, big, radius); });
    FramePiece(sheet, frameBottomLeft,
               [=](float x, float y) { return -RoundRectDistance(x, y, 0, e - big, big, e, radius); });
    FramePiece(sheet, frameBottomRight,
               [=](float x, float y) { return -RoundRectDistance(x, y, e - big, e - big, e, e, radius); });
}

// The board's field: calm dark navy with a faint cell grid, so that panels
// of every colour stand out and the columns are easy to follow.
void FieldTile(Canvas& sheet) {
    const SheetRect r = gameSheetLayout::fieldTile;
    for (int y = 0; y < 24; ++y) {
        for (int x = 0; x < 24; ++x) {
            uint8_t c = SteelShade(0);
            if (x == 0 || y == 0) c = ((x + y) % 2 == 0) ? SteelShade(1) : SteelShade(0);
            if (x == 0 && y == 0) c = SteelShade(1);
            SetPixel(sheet, r.left + x, r.top + y, c);
        }
    }
}

// The information boxes: a slate a little lighter than the field, with a
// fine dot screen. Its pattern repeats every 4 pixels, so the gauge backs cut
// from its corner (19x20 and 19x10) join seamlessly too.
void FillTile(Canvas& sheet) {
    const SheetRect r = gameSheetLayout::fillTile;
    for (int y = 0; y < 24; ++y) {
        for (int x = 0; x < 24; ++x) {
            const bool dot = (x % 4 == 1) && (y % 4 == 1);
            SetPixel(sheet, r.left + x, r.top + y, dot ? SteelShade(3) : SteelShade(1));
        }
    }
}

// The line across the top of the field steps through the colour wheel.
void TopLineStrip(Canvas& sheet) {
    for (int step = 0; step < 14; ++step) {
        const float hue = step / 14.0f * 6.0f;
        const float f = hue - std::floor(hue);
        const int sector = static_cast<int>(hue) % 6;
        float r = 0, g = 0, b = 0;
        const float v = 1.0f, s = 0.75f, p = v * (1 - s), q = v * (1 - s * f), t = v * (1 - s * (1 - f));
        switch (sector) {
            case 0: r = v, g = t, b = p; break;
            case 1: r = q, g = v, b = p; break;
            case 2: r = p, g = v, b = t; break;
            case 3: r = p, g = q, b = v; break;
            case 4: r = t, g = p, b = v; break;
            default: r = v, g = p, b = q; break;
        }
        const uint8_t c = NearestGameColour(MakeRgb(static_cast<int>(r * 255), static_cast<int>(g * 255), static_cast<int>(b * 255)));
        FillIndex(sheet, gameSheetLayout::topLineLeft, gameSheetLayout::topLineFirstRow + step, gameSheetLayout::topLineRight,
                  gameSheetLayout::topLineFirstRow + step + 1, c);
    }
}

// A gauge fill stretched along its length: shaded across it like a tube.
void HorizontalGauge(Canvas& sheet, SheetRect r, int ramp) {
    static const int shades[5] = {10, 8, 6, 5, 3};
    for (int y = 0; y < r.Height(); ++y) FillIndex(sheet, r.left, r.top + y, r.right, r.top + y + 1, RampShade(ramp, shades[std::min(y, 4)]));
}

void VerticalGauge(Canvas& sheet, SheetRect r, int ramp) {
    const float w = static_cast<float>(r.Width());
    for (int x = 0; x < r.Width(); ++x) {
        const float u = (x + 0.5f) / w;                            // 0..1 across
        const float light = 1.0f - std::fabs(u - 0.35f) / 0.65f;  // brightest left of centre
        const int shade = std::clamp(static_cast<int>(std::lround(2.0f + 6.5f * light)), 1, 9);
        FillIndex(sheet, r.left + x, r.top, r.left + x + 1, r.bottom, RampShade(ramp, shade));
    }
}

// "EX" tag under the item icons, in two colourings that alternate.
void PaintItemMarker(Canvas& sheet, int phase) {
    const SheetRect r = gameSheetLayout::ItemMarker(phase);
    const float l = r.left, t = r.top;
    const int body = phase == 0 ? rampRed : rampYellow;
    FillRoundRect(sheet, l + 0.5f, t + 0.5f, l + 23.5f, t + 15.5f, 6.0f, SolidIndex(RampShade(body, 0)));
    FillRoundRect(sheet, l + 1.8f, t + 1.8f, l + 22.2f, t + 14.2f, 5.0f,
                  LinearGradient(0, t + 2, PaletteColour(RampShade(body, 9)), 0, t + 14, PaletteColour(RampShade(body, 4))));
    LabelStyle s = MatchLabel(body);
    s.face = displayFace;
    s.bold = false;
    s.outlineWidth = 1.2f;
    s.outline = PaletteColour(HueShade(rampRed, phase == 0 ? 0 : 2));
    s.fill = phase == 0 ? Solid(PaletteColour(HueShade(rampYellow, 9))) : Solid(MakeRgb(255, 255, 255));
    DrawGlyphOfHeight(sheet, "EX", l + 12.0f, t + 8.0f, 9, s);
}

// Attack-meter lamp: off (dark glass), lit (red glow) or flashing (white hot).
void PaintLamp(Canvas& sheet, int state) {
    const SheetRect r = gameSheetLayout::Lamp(state);
    const float cx = r.left + 13.5f, cy = r.top + 13.5f;
    // Metal bezel.
    FillCircle(sheet, cx, cy, 12.8f, SolidIndex(SteelShade(0)));
    FillCircle(sheet, cx, cy, 11.8f,
               LinearGradient(cx - 10, cy - 10, PaletteColour(SteelShade(10)), cx + 10, cy + 10, PaletteColour(SteelShade(3))));
    FillCircle(sheet, cx, cy, 9.3f, SolidIndex(SteelShade(0)));
    Rgb centre, rim;
    if (state == 0) {
        centre = PaletteColour(HueShade(rampRed, 2));
        rim = PaletteColour(HueShade(rampRed, 0));
    } else if (state == 1) {
        centre = PaletteColour(HueShade(rampYellow, 9));
        rim = PaletteColour(HueShade(rampRed, 4));
    } else {
        centre = MakeRgb(255, 255, 255);
        rim = PaletteColour(HueShade(rampYellow, 7));
    }
    FillShape(
        sheet, cx - 9, cy - 9, cx + 9, cy + 9, [=](float x, float y) { return CircleDistance(x, y, cx, cy, 8.5f); },
        [=](float x, float y) {
            const float d = std::hypot(x - cx + 1.5f, y - cy + 1.0f) / 9.5f;
            return MixRgb(centre, rim, std::clamp(d, 0.0f, 1.0f));
        });
    // Glass highlight.
    FillShape(
        sheet, cx - 8, cy - 8, cx + 2, cy,
        [=](float x, float y) {
            const float dx = (x - (cx - 3.0f)) / 3.6f, dy = (y - (cy - 4.0f)) / 2.2f;
            return (std::sqrt(dx * dx + dy * dy) - 1.0f) * 2.2f;
        },
        Solid(MakeRgb(255, 255, 255)), state == 0 ? 0.35f : 0.7f);
    if (state == 2) {
        // Sparkle rays over the bezel.
        for (int i = 0; i < 4; ++i) {
            const float a = pi / 4 + pi / 2 * i;
            DrawLine(sheet, Point{cx + 7.0f * std::cos(a), cy + 7.0f * std::sin(a)},
                     Point{cx + 12.5f * std::cos(a), cy + 12.5f * std::sin(a)}, 1.6f, SolidIndex(HueShade(rampYellow, 10)));
        }
    }
}

// Attack-meter icon: a bomb whose size tells how big the next attack is.
void Bomb(Canvas& sheet, SheetRect r, float radius) {
    const float cx = r.left + r.Width() * 0.5f - 0.5f, cy = r.bottom - 1.0f - radius;
    FillCircle(sheet, cx, cy, radius + 1.0f, SolidIndex(GreyShade(0)));
    FillShape(
        sheet, cx - radius, cy - radius, cx + radius, cy + radius,
        [=](float x, float y) { return CircleDistance(x, y, cx, cy, radius); },
        [=](float x, float y) {
            const float d = std::hypot(x - cx + radius * 0.4f, y - cy + radius * 0.4f) / (radius * 1.6f);
            return MixRgb(PaletteColour(SteelShade(6)), PaletteColour(SteelShade(0)), std::clamp(d, 0.0f, 1.0f));
        });
    FillCircle(sheet, cx - radius * 0.4f, cy - radius * 0.45f, std::max(1.0f, radius * 0.25f), Solid(MakeRgb(255, 255, 255)));
    // Cap, fuse and spark.
    const float capY = cy - radius - 0.5f;
    FillRoundRect(sheet, cx - 2.0f, capY - 1.5f, cx + 2.0f, capY + 1.0f, 0.6f, SolidIndex(SteelShade(4)));
    const Point a{cx + 0.5f, capY - 1.0f}, b{cx + 3.0f, capY - 4.0f};
    DrawLine(sheet, a, b, 1.4f, SolidIndex(HueShade(rampOrange, 3)));
    FillCircle(sheet, b.x + 0.5f, b.y - 0.5f, 2.2f, SolidIndex(HueShade(rampRed, 5)));
    FillCircle(sheet, b.x + 0.5f, b.y - 0.5f, 1.2f, SolidIndex(HueShade(rampYellow, 10)));
}

}  // namespace

void DrawPlayfieldPieces(Canvas& sheet) {
    const bool blend = sheet.blendOverKey;
    sheet.blendOverKey = false;  // frame corners lie over every backdrop: crisp
    FramePieces(sheet);
    sheet.blendOverKey = blend;
    FieldTile(sheet);
    FillTile(sheet);
    TopLineStrip(sheet);
    HorizontalGauge(sheet, gameSheetLayout::LimitFill(0), rampOrange);
    HorizontalGauge(sheet, gameSheetLayout::LimitFill(1), rampCyan);
    HorizontalGauge(sheet, gameSheetLayout::chainFill, rampGreen);
    // The endless fill (19 wide) holds the left versus fill (15 wide) inside it.
    VerticalGauge(sheet, gameSheetLayout::endlessExFill, rampPink);
    VerticalGauge(sheet, gameSheetLayout::VersusExFill(1), rampPurple);
    const Rgb backdrop = sheet.keyBackdrop;
    sheet.keyBackdrop = PaletteColour(SteelShade(1));  // these sit in the information boxes
    PaintItemMarker(sheet, 0);
    PaintItemMarker(sheet, 1);
    for (int s = 0; s < 3; ++s) PaintLamp(sheet, s);
    Bomb(sheet, gameSheetLayout::meterIconSmall, 4.0f);
    Bomb(sheet, gameSheetLayout::meterIconMedium, 5.2f);
    Bomb(sheet, gameSheetLayout::meterIconLarge, 6.5f);
    sheet.keyBackdrop = backdrop;
}
