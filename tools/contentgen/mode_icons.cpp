#include "contentgen/mode_icons.h"

#include <cmath>
#include <vector>

#include "contentgen/art_style.h"

using namespace paletteLayout;

namespace {

constexpr float pi = 3.14159265f;

void Person(Canvas& c, float cx, float cy, float scale, int ramp) {
    const Paint ink = SolidIndex(RampShade(ramp, 2));
    FillCircle(c, cx, cy - 6.0f * scale, 4.5f * scale, ink);
    FillShape(
        c, cx - 9 * scale, cy, cx + 9 * scale, cy + 12 * scale,
        [=](float x, float y) {
            return RoundRectDistance(x, y, cx - 8.5f * scale, cy - 0.5f * scale, cx + 8.5f * scale, cy + 16.0f * scale,
                                     7.0f * scale);
        },
        ink);
}

std::vector<Point> Gear(float cx, float cy, float outer, float inner, int teeth) {
    std::vector<Point> points;
    for (int i = 0; i < teeth; ++i) {
        const float a = 2.0f * pi * i / teeth;
        const float step = 2.0f * pi / teeth;
        const float angles[4] = {a - step * 0.30f, a - step * 0.18f, a + step * 0.18f, a + step * 0.30f};
        const float radii[4] = {inner, outer, outer, inner};
        for (int k = 0; k < 4; ++k) points.push_back(Point{cx + radii[k] * std::cos(angles[k]), cy + radii[k] * std::sin(angles[k])});
    }
    return points;
}

}  // namespace

void DrawModeIcon(Canvas& c, int mode, float cx, float cy) {
    switch (mode) {
        case 0: {  // one player
            Person(c, cx, cy + 1.0f, 1.0f, rampOrange);
            break;
        }
        case 1: {  // two players face to face
            Person(c, cx - 6.0f, cy + 2.0f, 0.8f, rampRed);
            Person(c, cx + 6.0f, cy + 2.0f, 0.8f, rampBlue);
            break;
        }
        case 2: {  // a block of four panels
            const int ramps[4] = {rampRed, rampBlue, rampGreen, rampYellow};
            for (int i = 0; i < 4; ++i) {
                const float x = cx - 11.0f + 11.5f * (i % 2), y = cy - 11.0f + 11.5f * (i / 2);
                FillRoundRect(c, x, y, x + 10.5f, y + 10.5f, 2.5f, SolidIndex(RampShade(ramps[i], 2)));
                FillRoundRect(c, x + 1.2f, y + 1.2f, x + 9.3f, y + 9.3f, 1.8f, SolidIndex(RampShade(ramps[i], 6)));
                FillRoundRect(c, x + 2.0f, y + 2.0f, x + 6.0f, y + 4.5f, 1.0f, SolidIndex(RampShade(ramps[i], 10)));
            }
            break;
        }
        case 3: {  // a target
            const float radii[4] = {13.0f, 9.5f, 6.0f, 2.8f};
            for (int i = 0; i < 4; ++i) {
                FillCircle(c, cx, cy, radii[i], SolidIndex(i % 2 == 0 ? RampShade(rampRed, 4) : white));
            }
            DrawLine(c, Point{cx + 2, cy - 2}, Point{cx + 12, cy - 12}, 2.0f, SolidIndex(RampShade(rampCyan, 1)));
            FillPolygon(c, {{cx + 9, cy - 14}, {cx + 15, cy - 15}, {cx + 14, cy - 9}}, SolidIndex(RampShade(rampCyan, 1)));
            break;
        }
        case 4: {  // a pencil over a grid
            const Paint grid = SolidIndex(RampShade(rampYellow, 7));
            for (int i = 0; i < 3; ++i) {
                DrawLine(c, Point{cx - 12, cy - 6 + 7.0f * i}, Point{cx + 12, cy - 6 + 7.0f * i}, 1.0f, grid);
                DrawLine(c, Point{cx - 6 + 7.0f * i, cy - 12}, Point{cx - 6 + 7.0f * i, cy + 12}, 1.0f, grid);
            }
            const float d = 0.7071f;
            auto at = [&](float along, float across) {
                return Point{cx + (along - across) * d, cy + (-along - across) * d};
            };
            // Body from the tip (lower left) to the eraser (upper right).
            FillPolygon(c, {at(-6, -4), at(13, -4), at(13, 4), at(-6, 4)}, SolidIndex(RampShade(rampOrange, 5)));
            FillPolygon(c, {at(13, -4), at(17, -4), at(17, 4), at(13, 4)}, SolidIndex(RampShade(rampPink, 7)));
            FillPolygon(c, {at(-6, -4), at(-6, 4), at(-15, 0)}, SolidIndex(RampShade(rampYellow, 10)));
            FillPolygon(c, {at(-11.5f, -1.6f), at(-11.5f, 1.6f), at(-15, 0)}, SolidIndex(GreyShade(2)));
            DrawLine(c, at(-6, 0), at(13, 0), 1.0f, SolidIndex(RampShade(rampOrange, 3)));
            break;
        }
        case 5: {  // a crown
            const std::vector<Point> crown = {{cx - 13, cy - 7}, {cx - 7, cy - 1}, {cx, cy - 12}, {cx + 7, cy - 1},
                                              {cx + 13, cy - 7}, {cx + 11, cy + 8}, {cx - 11, cy + 8}};
            FillPolygon(c, crown, SolidIndex(RampShade(rampYellow, 2)));
            std::vector<Point> inner = crown;
            for (Point& p : inner) {
                p.x = cx + (p.x - cx) * 0.82f;
                p.y = cy + 0.5f + (p.y - cy) * 0.78f;
            }
            FillPolygon(c, inner, LinearGradient(0, cy - 10, PaletteColour(RampShade(rampYellow, 8)), 0, cy + 8,
                                                 PaletteColour(RampShade(rampOrange, 5))));
            FillCircle(c, cx, cy + 3, 2.2f, SolidIndex(RampShade(rampRed, 4)));
            for (float x : {-13.0f, 0.0f, 13.0f}) FillCircle(c, cx + x, cy + (x == 0.0f ? -12.0f : -7.0f), 2.0f, SolidIndex(RampShade(rampYellow, 4)));
            break;
        }
        case 6: {  // a cut gem
            const std::vector<Point> gem = {{cx - 13, cy - 4}, {cx - 7, cy - 11}, {cx + 7, cy - 11}, {cx + 13, cy - 4}, {cx, cy + 13}};
            FillPolygon(c, gem, SolidIndex(RampShade(rampPink, 2)));
            FillPolygon(c, {{cx - 11, cy - 4}, {cx - 6.5f, cy - 9.5f}, {cx + 6.5f, cy - 9.5f}, {cx + 11, cy - 4}},
                        SolidIndex(RampShade(rampPink, 9)));
            FillPolygon(c, {{cx - 11, cy - 3}, {cx + 11, cy - 3}, {cx, cy + 10.5f}}, SolidIndex(RampShade(rampPink, 5)));
            FillPolygon(c, {{cx - 4, cy - 3}, {cx + 4, cy - 3}, {cx, cy + 10.5f}}, SolidIndex(RampShade(rampPink, 7)));
            DrawLine(c, Point{cx - 3, cy - 9}, Point{cx - 5, cy - 4}, 1.0f, SolidIndex(white));
            break;
        }
        default: {  // a gear
            FillPolygon(c, Gear(cx, cy, 14.0f, 10.5f, 8), SolidIndex(RampShade(rampBlue, 2)));
            FillCircle(c, cx, cy, 9.0f, LinearGradient(0, cy - 9, PaletteColour(GreyShade(13)), 0, cy + 9,
                                                       PaletteColour(GreyShade(8))));
            FillCircle(c, cx, cy, 4.0f, SolidIndex(RampShade(rampBlue, 2)));
            break;
        }
    }
}
