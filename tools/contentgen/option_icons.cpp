#include <algorithm>
#include <cmath>
#include <vector>

#include "contentgen/art_style.h"
#include "contentgen/option_sheet_art.h"

using namespace paletteLayout;

namespace {

constexpr float pi = 3.14159265f;

// Target total: a plus sign, the sum of the panels in a line.
void PlusSign(Canvas& c, float cx, float cy) {
    const Paint rim = SolidIndex(RampShade(rampOrange, 1));
    const Paint body = LinearGradient(0, cy - 10, PaletteColour(RampShade(rampYellow, 9)), 0, cy + 10,
                                      PaletteColour(RampShade(rampOrange, 5)));
    FillRoundRect(c, cx - 11.5f, cy - 4.5f, cx + 11.5f, cy + 4.5f, 2.5f, rim);
    FillRoundRect(c, cx - 4.5f, cy - 11.5f, cx + 4.5f, cy + 11.5f, 2.5f, rim);
    FillRoundRect(c, cx - 10.0f, cy - 3.0f, cx + 10.0f, cy + 3.0f, 1.5f, body);
    FillRoundRect(c, cx - 3.0f, cy - 10.0f, cx + 3.0f, cy + 10.0f, 1.5f, body);
}

// Sound: a loudspeaker sending out two waves.
void Speaker(Canvas& c, float cx, float cy) {
    const Paint ink = SolidIndex(RampShade(rampBlue, 1));
    FillPolygon(c, {{cx - 12, cy - 4}, {cx - 7, cy - 4}, {cx - 1, cy - 10}, {cx - 1, cy + 10}, {cx - 7, cy + 4},
                    {cx - 12, cy + 4}},
                ink);
    for (int k = 0; k < 2; ++k) {
        const float r = 5.5f + 5.0f * k;
        FillShape(
            c, cx - 2, cy - 13, cx + 13, cy + 13,
            [=](float x, float y) {
                const float ring = std::fabs(std::hypot(x - (cx - 1), y - cy) - r) - 1.1f;
                // Only the part facing right, within 50 degrees of level.
                const float side = std::fabs(y - cy) - (x - (cx - 1)) * 1.15f;
                return std::max(ring, side);
            },
            ink);
    }
}

// Difficulty: a dial from green to red with its needle.
void Dial(Canvas& c, float cx, float cy) {
    const float oy = cy + 6.0f;
    const int ramps[3] = {rampGreen, rampYellow, rampRed};
    for (int k = 0; k < 3; ++k) {
        const float from = pi + pi * k / 3.0f, to = pi + pi * (k + 1) / 3.0f;
        FillShape(
            c, cx - 14, oy - 14, cx + 14, oy + 1,
            [=](float x, float y) {
                const float ring = std::fabs(std::hypot(x - cx, y - oy) - 9.5f) - 3.0f;
                float a = std::atan2(y - oy, x - cx);
                if (a < 0) a += 2.0f * pi;
                const float outside = std::max(from - a, a - to) * 10.0f;
                return std::max(ring, outside);
            },
            SolidIndex(RampShade(ramps[k], 5)));
    }
    const float needle = pi * 1.72f;
    const Point tip{cx + 11.0f * std::cos(needle), oy + 11.0f * std::sin(needle)};
    DrawLine(c, Point{cx, oy}, tip, 2.4f, SolidIndex(GreyShade(1)));
    FillCircle(c, cx, oy, 3.0f, SolidIndex(GreyShade(1)));
}

// Background: a little landscape, sun and hills under the sky.
void Landscape(Canvas& c, float cx, float cy) {
    const float l = cx - 12, t = cy - 9, r = cx + 12, b = cy + 9;
    FillRoundRect(c, l - 1.2f, t - 1.2f, r + 1.2f, b + 1.2f, 3.0f, SolidIndex(RampShade(rampBlue, 1)));
    FillRoundRect(c, l, t, r, b, 2.0f,
                  LinearGradient(0, t, PaletteColour(RampShade(rampCyan, 9)), 0, b, PaletteColour(RampShade(rampCyan, 6))));
    FillCircle(c, cx + 5, cy - 3, 3.5f, SolidIndex(RampShade(rampYellow, 7)));
    FillShape(
        c, l, t, r, b,
        [=](float x, float y) {
            const float hill = y - (cy + 2.0f + 4.0f * std::cos((x - cx + 5.0f) * 0.28f));
            return std::max(-hill, RoundRectDistance(x, y, l, t, r, b, 2.0f));
        },
        SolidIndex(RampShade(rampGreen, 5)));
}

// Panel shape: a square panel and a round one.
void Shapes(Canvas& c, float cx, float cy) {
    FillRoundRect(c, cx - 13, cy - 9, cx - 1, cy + 3, 2.5f, SolidIndex(RampShade(rampRed, 2)));
    FillRoundRect(c, cx - 12, cy - 8, cx - 2, cy + 2, 1.8f,
                  LinearGradient(0, cy - 8, PaletteColour(RampShade(rampRed, 8)), 0, cy + 2, PaletteColour(RampShade(rampRed, 5))));
    FillCircle(c, cx + 6, cy + 4, 7.0f, SolidIndex(RampShade(rampBlue, 2)));
    FillCircle(c, cx + 6, cy + 4, 5.8f,
               LinearGradient(0, cy - 2, PaletteColour(RampShade(rampBlue, 9)), 0, cy + 10, PaletteColour(RampShade(rampBlue, 5))));
    FillCircle(c, cx + 4, cy + 1.5f, 1.6f, SolidIndex(white));
}

}  // namespace

void DrawOptionIcon(Canvas& canvas, int setting, float cx, float cy) {
    switch (setting) {
        case 0: PlusSign(canvas, cx, cy); break;
        case 1: Speaker(canvas, cx, cy); break;
        case 2: Dial(canvas, cx, cy); break;
        case 3: Landscape(canvas, cx, cy); break;
        default: Shapes(canvas, cx, cy); break;
    }
}

void DrawTurnBackArrow(Canvas& canvas, float cx, float cy, int ramp) {
    const float radius = 8.5f;
    // Three quarters of a ring, open at the upper right, with a head at its end.
    const Distance ring = [=](float x, float y) {
        const float band = std::fabs(std::hypot(x - cx, y - cy) - radius) - 2.2f;
        const bool gap = x > cx && y < cy;
        return gap ? std::max(band, 3.0f) : band;
    };
    const std::vector<Point> head = {{cx + 3.0f, cy - radius - 6.5f}, {cx + 3.0f, cy - radius + 6.5f}, {cx + 10.0f, cy - radius}};
    const float l = cx - 14, t = cy - 18, r = cx + 16, b = cy + 14;
    FillShape(canvas, l, t, r, b, [&](float x, float y) { return std::min(ring(x, y), PolygonDistance(x, y, head)) - 1.3f; },
              SolidIndex(RampShade(ramp, 0)));
    FillShape(canvas, l, t, r, b, [&](float x, float y) { return std::min(ring(x, y), PolygonDistance(x, y, head)); },
              SolidIndex(white));
}

void DrawStar(Canvas& canvas, float cx, float cy, float outer, bool lit) {
    const std::vector<Point> star = StarPoints(cx, cy, outer, outer * 0.45f);
    FillShape(
        canvas, cx - outer - 2, cy - outer - 2, cx + outer + 2, cy + outer + 2,
        [&](float x, float y) { return PolygonDistance(x, y, star) - 1.2f; },
        SolidIndex(lit ? RampShade(rampOrange, 1) : GreyShade(4)));
    const Paint body = lit ? LinearGradient(0, cy - outer, PaletteColour(RampShade(rampYellow, 10)), 0, cy + outer,
                                            PaletteColour(RampShade(rampOrange, 5)))
                           : SolidIndex(GreyShade(9));
    FillShape(
        canvas, cx - outer - 2, cy - outer - 2, cx + outer + 2, cy + outer + 2,
        [&](float x, float y) { return PolygonDistance(x, y, star) + 0.3f; }, body);
}
