#include <algorithm>
#include <cmath>
#include <vector>

#include "content/game_sheet.h"
#include "contentgen/game_sheet_art.h"
#include "contentgen/match_art_style.h"

using namespace paletteLayout;

namespace {

constexpr float cell = 24.0f;

// One clear colour per number, in rainbow order so neighbours in value are
// neighbours in hue; 0 has none (it is the dead stone).
const int valueRamps[8] = {greyRamp, rampRed, rampOrange, rampYellow, rampGreen, rampCyan, rampBlue, rampPurple};

const char* const numerals[8] = {"0", "1", "2", "3", "4", "5", "6", "7"};

// Shade of a ramp as a colour, with fractional shades blended.
Rgb Shade(int ramp, float shade) {
    const float s = std::clamp(shade, 0.0f, 11.0f);
    const int low = static_cast<int>(std::floor(s));
    const int high = std::min(low + 1, 11);
    return MixRgb(PaletteColour(RampShade(ramp, low)), PaletteColour(RampShade(ramp, high)), s - static_cast<float>(low));
}

// A shape's outline distance, in cell coordinates from its top left.
float TileDistance(float x, float y) { return RoundRectDistance(x, y, 0.0f, 0.0f, cell, cell, 4.5f); }
float BallDistance(float x, float y) { return CircleDistance(x, y, 12.0f, 12.0f, 11.7f); }

using ShapeDistance = float (*)(float, float);

// Body shading: a square tile is lit from above with bevelled edges, a ball
// from the upper left with a round highlight.
Rgb TileBody(int ramp, float x, float y, float light, float dark) {
    const float t = y / cell;
    Rgb c = Shade(ramp, light + (dark - light) * t);
    // Bevel: a bright rim at the top and left, a dark one at the bottom and right.
    const float top = std::min(x, y), bottom = std::min(cell - x, cell - y);
    if (top < 3.0f && top <= bottom) c = MixRgb(c, Shade(ramp, std::min(light + 2.5f, 11.0f)), 0.6f * (1.0f - top / 3.0f));
    if (bottom < 3.0f && bottom < top) c = MixRgb(c, Shade(ramp, std::max(dark - 2.0f, 0.0f)), 0.7f * (1.0f - bottom / 3.0f));
    return c;
}

Rgb BallBody(int ramp, float x, float y, float light, float dark) {
    const float d = std::hypot(x - 8.5f, y - 8.0f) / 17.0f;
    Rgb c = Shade(ramp, light + (dark - light) * std::clamp(d, 0.0f, 1.0f));
    // Light bounced back from below, so the ball is round rather than flat.
    const float rim = std::hypot(x - 14.0f, y - 17.0f);
    if (rim < 6.0f) c = MixRgb(c, Shade(ramp, dark + 2.0f), 0.35f * (1.0f - rim / 6.0f));
    return c;
}

void Numeral(Canvas& sheet, const char* digit, float cx, float cy, Rgb fill, Rgb rim) {
    LabelStyle s;
    s.face = displayFace;
    s.bold = false;
    s.thicken = 0.35f;
    s.fill = Solid(fill);
    s.outline = rim;
    s.outlineWidth = 1.5f;
    s.shadowed = false;
    DrawGlyphOfHeight(sheet, digit, cx, cy, 15, s);
}

// Where the failing pictures crack: a jagged line corner to corner.
std::vector<Point> CrackLine(float l, float t) {
    return {{l + 2.0f, t + 4.0f}, {l + 5.5f, t + 6.0f}, {l + 5.0f, t + 9.0f}, {l + 7.0f, t + 11.0f}};
}

void DrawCrack(Canvas& sheet, float l, float t, ShapeDistance shape, uint8_t dark, uint8_t light) {
    const std::vector<Point> crack = CrackLine(l, t);
    for (size_t i = 1; i < crack.size(); ++i) {
        const Point a = crack[i - 1], b = crack[i];
        // The lit lip of the crack a pixel below its dark gap.
        FillShape(
            sheet, std::min(a.x, b.x) - 2, std::min(a.y, b.y) - 2, std::max(a.x, b.x) + 2, std::max(a.y, b.y) + 3,
            [=](float x, float y) { return std::max(SegmentDistance(x, y - 1.0f, a, b) - 0.5f, shape(x - l, y - t) + 2.0f); },
            SolidIndex(light), 0.7f);
        FillShape(
            sheet, std::min(a.x, b.x) - 2, std::min(a.y, b.y) - 2, std::max(a.x, b.x) + 2, std::max(a.y, b.y) + 2,
            [=](float x, float y) { return std::max(SegmentDistance(x, y, a, b) - 0.6f, shape(x - l, y - t) + 1.5f); },
            SolidIndex(dark));
    }
    // A second crack from the opposite corner, clear of the numeral.
    const Point a{l + 22.0f, t + 19.0f}, b{l + 17.5f, t + 21.0f};
    FillShape(
        sheet, l, t, l + cell, t + cell,
        [=](float x, float y) { return std::max(SegmentDistance(x, y, a, b) - 0.45f, shape(x - l, y - t) + 2.0f); },
        SolidIndex(dark));
}

struct PanelLook {
    int ramp;
    float light, dark;   // body shades at the lit and the shaded side
    uint8_t rim;         // outline of the shape
    Rgb numeralFill, numeralRim;
    bool cracked;
    uint8_t crackDark, crackLight;
};

void PaintPanelPicture(Canvas& sheet, SheetRect r, int shape, const PanelLook& look) {
    const float l = r.left, t = r.top;
    const ShapeDistance distance = shape == 0 ? TileDistance : BallDistance;
    FillShape(
        sheet, l, t, l + cell, t + cell, [=](float x, float y) { return distance(x - l, y - t); }, SolidIndex(look.rim));
    // The body, dithered between palette shades, one pixel inside the rim.
    for (int y = r.top; y < r.bottom; ++y) {
        for (int x = r.left; x < r.right; ++x) {
            const float px = x + 0.5f - l, py = y + 0.5f - t;
            const float inside = -distance(px, py) - 1.0f;
            if (inside <= 0.0f) continue;
            const Rgb c = shape == 0 ? TileBody(look.ramp, px, py, look.light, look.dark)
                                     : BallBody(look.ramp, px, py, look.light, look.dark);
            if (inside >= 1.0f) {
                SetPixel(sheet, x, y, DitheredIndex(c, x, y, 8.0f));
            } else {
                BlendPixel(sheet, x, y, c, inside);
            }
        }
    }
    if (shape == 0) {
        // Gloss over the upper third.
        FillShape(
            sheet, l, t, l + cell, t + 10,
            [=](float x, float y) { return RoundRectDistance(x - l, y - t, 2.5f, 2.0f, cell - 2.5f, 9.0f, 3.0f); },
            Solid(MakeRgb(255, 255, 255)), 0.18f);
    } else {
        FillShape(
            sheet, l, t, l + cell, t + cell,
            [=](float x, float y) {
                const float dx = (x - l - 8.0f) / 4.2f, dy = (y - t - 6.0f) / 2.6f;
                return (std::sqrt(dx * dx + dy * dy) - 1.0f) * 2.6f;
            },
            Solid(MakeRgb(255, 255, 255)), 0.55f);
    }
    if (look.cracked) DrawCrack(sheet, l, t, distance, look.crackDark, look.crackLight);
}

PanelLook LiveLook(int v) {
    if (v == 0) {
        // Dead stone: dark, rough, cracked; the 0 still reads.
        return PanelLook{greyRamp, 5.0f, 1.8f, GreyShade(0), PaletteColour(GreyShade(11)), PaletteColour(GreyShade(0)),
                         true, GreyShade(0), GreyShade(7)};
    }
    const int ramp = valueRamps[v];
    // Yellow is so light that it needs deeper shades to hold its colour.
    const float light = v == 3 ? 8.0f : 8.5f, dark = v == 3 ? 4.0f : 3.2f;
    return PanelLook{ramp, light, dark, RampShade(ramp, 0), MakeRgb(255, 255, 255), PaletteColour(RampShade(ramp, 0)),
                     false, 0, 0};
}

PanelLook FailingLook(int v) {
    if (v == 0) {
        // The fresh 0-panel as it appears: the stone, still glowing red at its rim.
        PanelLook look = LiveLook(0);
        look.rim = HueShade(rampRed, 4);
        look.numeralFill = PaletteColour(HueShade(rampRed, 10));
        return look;
    }
    // Drained to grey and cracking, the number fading in its own colour.
    return PanelLook{greyRamp, 9.0f, 4.5f, GreyShade(2), PaletteColour(RampShade(valueRamps[v], 7)),
                     PaletteColour(GreyShade(1)), true, GreyShade(2), GreyShade(13)};
}

}  // namespace

void DrawPanels(Canvas& sheet) {
    const bool blend = sheet.blendOverKey;
    const Rgb backdrop = sheet.keyBackdrop;
    sheet.blendOverKey = true;
    sheet.keyBackdrop = FieldColour();
    for (int shape = 0; shape < 2; ++shape) {
        for (int v = 0; v < 8; ++v) {
            const SheetRect live = gameSheetLayout::Panel(v, shape), failing = gameSheetLayout::FailingPanel(v, shape);
            const PanelLook a = LiveLook(v), b = FailingLook(v);
            PaintPanelPicture(sheet, live, shape, a);
            Numeral(sheet, numerals[v], live.left + 12.0f, live.top + 12.5f, a.numeralFill, a.numeralRim);
            PaintPanelPicture(sheet, failing, shape, b);
            Numeral(sheet, numerals[v], failing.left + 12.0f, failing.top + 12.5f, b.numeralFill, b.numeralRim);
        }
    }
    sheet.blendOverKey = blend;
    sheet.keyBackdrop = backdrop;
}
