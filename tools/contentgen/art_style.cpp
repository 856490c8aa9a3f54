#include "contentgen/art_style.h"

#include <algorithm>
#include <cmath>

using namespace paletteLayout;

uint8_t RampShade(int ramp, int shade) {
    if (ramp == steelRamp) return SteelShade(std::clamp(shade * steelRampLength / hueRampLength, 0, steelRampLength - 1));
    if (ramp == greyRamp) return GreyShade(std::clamp(shade * greyRampLength / hueRampLength, 0, greyRampLength - 1));
    return HueShade(ramp, std::clamp(shade, 0, hueRampLength - 1));
}

Paint RampGradient(int ramp, float y0, float shadeTop, float y1, float shadeBottom) {
    return [=](float x, float y) {
        static const float threshold[2][2] = {{0.125f, 0.625f}, {0.875f, 0.375f}};
        const float t = std::clamp((y - y0) / (y1 - y0), 0.0f, 1.0f);
        const float shade = shadeTop + (shadeBottom - shadeTop) * t;
        const float base = std::floor(shade);
        const int px = static_cast<int>(std::floor(x)) & 1, py = static_cast<int>(std::floor(y)) & 1;
        const int s = static_cast<int>(base) + ((shade - base) > threshold[py][px] ? 1 : 0);
        return PaletteColour(RampShade(ramp, s));
    };
}

void DrawPlate(Canvas& canvas, float left, float top, float right, float bottom, float radius, int ramp) {
    const float height = bottom - top;
    FillRoundRect(canvas, left, top, right, bottom, radius, SolidIndex(RampShade(ramp, 1)));
    FillRoundRect(canvas, left + 1.5f, top + 1.5f, right - 1.5f, bottom - 1.5f, radius - 1.5f,
                  RampGradient(ramp, top, 8, bottom, 3));
    // Gloss: the upper part a little lighter, with a soft lower edge.
    FillShape(
        canvas, left, top, right, top + height * 0.5f,
        [=](float x, float y) {
            return RoundRectDistance(x, y, left + 3.0f, top + 3.0f, right - 3.0f, top + height * 0.48f, radius - 3.0f);
        },
        Solid(MakeRgb(255, 255, 255)), 0.22f);
    StrokeRoundRect(canvas, left + 2.5f, top + 2.5f, right - 2.5f, bottom - 2.5f, std::max(1.0f, radius - 2.5f), 1.0f,
                    SolidIndex(RampShade(ramp, 10)));
}

LabelStyle PlateLabel(int ramp, int size) {
    LabelStyle s;
    s.face = gothicFace;
    s.size = size;
    s.bold = true;
    s.fill = Solid(MakeRgb(255, 255, 255));
    s.outline = PaletteColour(RampShade(ramp, 0));
    s.outlineWidth = 2.0f;
    s.shadowed = true;
    s.shadow = PaletteColour(RampShade(ramp, 1));
    s.shadowX = 1;
    s.shadowY = 2;
    return s;
}

void DrawNumberPanel(Canvas& canvas, float left, float top, float size, int ramp, const char* digit) {
    const float radius = size * 0.22f;
    FillRoundRect(canvas, left, top, left + size, top + size, radius, SolidIndex(RampShade(ramp, 1)));
    FillRoundRect(canvas, left + 1.5f, top + 1.5f, left + size - 1.5f, top + size - 1.5f, radius - 1.0f,
                  RampGradient(ramp, top, 8, top + size, 4));
    StrokeRoundRect(canvas, left + 2.5f, top + 2.5f, left + size - 2.5f, top + size - 2.5f, radius - 2.0f, 1.0f,
                    SolidIndex(RampShade(ramp, 10)));
    LabelStyle s = PlateLabel(ramp, static_cast<int>(size * 0.72f));
    s.outlineWidth = size > 24 ? 2.0f : 1.5f;
    s.shadowed = false;
    DrawLabel(canvas, digit, left + size * 0.5f, top + size * 0.5f, s);
}

std::vector<Point> StarPoints(float cx, float cy, float outer, float inner) {
    constexpr float pi = 3.14159265f;
    std::vector<Point> points;
    for (int k = 0; k < 10; ++k) {
        const float a = -pi / 2.0f + pi * k / 5.0f;
        const float r = k % 2 == 0 ? outer : inner;
        points.push_back(Point{cx + r * std::cos(a), cy + r * std::sin(a)});
    }
    return points;
}
