#include "contentgen/icon_painter.h"

#include <algorithm>
#include <cmath>

#include "contentgen/art_style.h"

float EllipseDistance(float x, float y, float cx, float cy, float rx, float ry) {
    const float dx = (x - cx) / rx, dy = (y - cy) / ry;
    return (std::sqrt(dx * dx + dy * dy) - 1.0f) * std::min(rx, ry);
}

namespace {

// Every fill of an icon stays inside its cell: FillShape reaches one pixel
// beyond the bounds it is given, so they are the cell less that pixel.
void FillInCell(const IconPainter& p, const Distance& shape, const Paint& paint, float opacity = 1.0f) {
    FillShape(p.canvas, p.ox + 1.0f, p.oy + 1.0f, p.ox + p.size - 1.0f, p.oy + p.size - 1.0f, shape, paint, opacity);
}

}  // namespace

void IconPainter::Part(const Distance& shape, int ramp, float light, float dark, bool outlined) const {
    const float l = ox, t = oy, s = size;
    const Distance local = [=](float x, float y) { return shape(x - l, y - t); };
    if (outlined) {
        FillInCell(*this, [=](float x, float y) { return local(x, y) - 1.1f; }, SolidIndex(RampShade(ramp, 0)));
    }
    // Shade by the diagonal position inside the cell.
    const Paint body = [=](float x, float y) {
        const float u = std::clamp(((x - l) + (y - t)) / (2.0f * s), 0.0f, 1.0f);
        const float shade = light + (dark - light) * u;
        const int low = static_cast<int>(std::floor(shade));
        return MixRgb(PaletteColour(RampShade(ramp, low)), PaletteColour(RampShade(ramp, low + 1)), shade - low);
    };
    FillInCell(*this, local, body);
}

void IconPainter::Disc(float cx, float cy, float r, int ramp, float light, float dark) const {
    // Discs are shaded about their own centre: lit at the upper left.
    const float l = ox, t = oy;
    FillInCell(*this, [=](float x, float y) { return CircleDistance(x - l, y - t, cx, cy, r) - 1.1f; },
               SolidIndex(RampShade(ramp, 0)));
    const Paint body = [=](float x, float y) {
        const float d = std::hypot(x - l - (cx - r * 0.35f), y - t - (cy - r * 0.4f)) / (r * 1.6f);
        const float shade = light + (dark - light) * std::clamp(d, 0.0f, 1.0f);
        const int low = static_cast<int>(std::floor(shade));
        return MixRgb(PaletteColour(RampShade(ramp, low)), PaletteColour(RampShade(ramp, low + 1)), shade - low);
    };
    FillInCell(*this, [=](float x, float y) { return CircleDistance(x - l, y - t, cx, cy, r); }, body);
}

void IconPainter::Box(float l, float t, float r, float b, float radius, int ramp, float light, float dark) const {
    Part([=](float x, float y) { return RoundRectDistance(x, y, l, t, r, b, radius); }, ramp, light, dark);
}

void IconPainter::Poly(const std::vector<Point>& points, int ramp, float light, float dark) const {
    Part([points](float x, float y) { return PolygonDistance(x, y, points); }, ramp, light, dark);
}

void IconPainter::Stroke(Point a, Point b, float width, int ramp, float shade, bool outlined) const {
    const float half = width * 0.5f;
    const Distance line = [=](float x, float y) { return SegmentDistance(x, y, a, b) - half; };
    if (outlined) {
        Part(line, ramp, shade + 2.0f, shade);
    } else {
        Dab(line, RampShade(ramp, static_cast<int>(shade)));
    }
}

void IconPainter::Dab(const Distance& shape, uint8_t index, float opacity) const {
    const float l = ox, t = oy;
    FillInCell(*this, [=](float x, float y) { return shape(x - l, y - t); }, SolidIndex(index), opacity);
}

void IconPainter::Spot(float cx, float cy, float r, uint8_t index, float opacity) const {
    Dab([=](float x, float y) { return CircleDistance(x, y, cx, cy, r); }, index, opacity);
}

void IconPainter::Shine(float cx, float cy, float rx, float ry, float opacity) const {
    const float l = ox, t = oy;
    FillInCell(*this, [=](float x, float y) { return EllipseDistance(x - l, y - t, cx, cy, rx, ry); },
               Solid(MakeRgb(255, 255, 255)), opacity);
}
