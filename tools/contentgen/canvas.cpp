#include "contentgen/canvas.h"

#include <algorithm>
#include <cmath>

using paletteLayout::transparent;

Canvas MakeCanvas(int width, int height, uint8_t fill) {
    Canvas c;
    c.width = width;
    c.height = height;
    c.pixels.assign(static_cast<size_t>(width) * static_cast<size_t>(height), fill);
    return c;
}

uint8_t PixelAt(const Canvas& canvas, int x, int y) {
    if (x < 0 || y < 0 || x >= canvas.width || y >= canvas.height) return transparent;
    return canvas.pixels[static_cast<size_t>(y) * static_cast<size_t>(canvas.width) + static_cast<size_t>(x)];
}

void SetPixel(Canvas& canvas, int x, int y, uint8_t index) {
    if (x < 0 || y < 0 || x >= canvas.width || y >= canvas.height) return;
    canvas.pixels[static_cast<size_t>(y) * static_cast<size_t>(canvas.width) + static_cast<size_t>(x)] = index;
}

void FillIndex(Canvas& canvas, int left, int top, int right, int bottom, uint8_t index) {
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x) SetPixel(canvas, x, y, index);
    }
}

Rgb MixRgb(Rgb a, Rgb b, float t) {
    auto lerp = [t](int x, int y) { return static_cast<int>(std::lround(x + (y - x) * t)); };
    return MakeRgb(lerp(a.r, b.r), lerp(a.g, b.g), lerp(a.b, b.b));
}

void BlendPixel(Canvas& canvas, int x, int y, Rgb colour, float alpha) {
    if (x < 0 || y < 0 || x >= canvas.width || y >= canvas.height || alpha <= 0.0f) return;
    alpha = std::min(alpha, 1.0f);
    const uint8_t under = PixelAt(canvas, x, y);
    if (alpha >= 0.999f) {
        SetPixel(canvas, x, y, NearestGameColour(colour));
    } else if (under != transparent) {
        SetPixel(canvas, x, y, NearestGameColour(MixRgb(PaletteColour(under), colour, alpha)));
    } else if (canvas.blendOverKey) {
        if (alpha >= 0.2f) SetPixel(canvas, x, y, NearestGameColour(MixRgb(canvas.keyBackdrop, colour, alpha)));
    } else if (alpha >= 0.5f) {
        SetPixel(canvas, x, y, NearestGameColour(colour));
    }
}

Paint Solid(Rgb colour) {
    return [colour](float, float) { return colour; };
}

Paint SolidIndex(uint8_t index) { return Solid(PaletteColour(index)); }

namespace {

float AlongLine(float x, float y, float x0, float y0, float x1, float y1) {
    const float dx = x1 - x0, dy = y1 - y0;
    const float lengthSquared = dx * dx + dy * dy;
    if (lengthSquared <= 0.0f) return 0.0f;
    return std::clamp(((x - x0) * dx + (y - y0) * dy) / lengthSquared, 0.0f, 1.0f);
}

}  // namespace

Paint LinearGradient(float x0, float y0, Rgb a, float x1, float y1, Rgb b) {
    return [=](float x, float y) { return MixRgb(a, b, AlongLine(x, y, x0, y0, x1, y1)); };
}

void FillShape(Canvas& canvas, float left, float top, float right, float bottom, const Distance& distance,
               const Paint& paint, float opacity) {
    const int x0 = std::max(0, static_cast<int>(std::floor(left)) - 1);
    const int y0 = std::max(0, static_cast<int>(std::floor(top)) - 1);
    const int x1 = std::min(canvas.width, static_cast<int>(std::ceil(right)) + 1);
    const int y1 = std::min(canvas.height, static_cast<int>(std::ceil(bottom)) + 1);
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) {
            const float cx = static_cast<float>(x) + 0.5f, cy = static_cast<float>(y) + 0.5f;
            const float coverage = std::clamp(0.5f - distance(cx, cy), 0.0f, 1.0f);
            if (coverage > 0.0f) BlendPixel(canvas, x, y, paint(cx, cy), coverage * opacity);
        }
    }
}

void StrokeShape(Canvas& canvas, float left, float top, float right, float bottom, const Distance& distance,
                 float width, float inset, const Paint& paint) {
    const float half = width * 0.5f;
    FillShape(
        canvas, left, top, right, bottom,
        [&](float x, float y) { return std::fabs(distance(x, y) + inset + half) - half; }, paint);
}

float RoundRectDistance(float x, float y, float left, float top, float right, float bottom, float radius) {
    const float cx = (left + right) * 0.5f, cy = (top + bottom) * 0.5f;
    const float hx = (right - left) * 0.5f - radius, hy = (bottom - top) * 0.5f - radius;
    const float qx = std::fabs(x - cx) - hx, qy = std::fabs(y - cy) - hy;
    const float outside = std::hypot(std::max(qx, 0.0f), std::max(qy, 0.0f));
    return outside + std::min(std::max(qx, qy), 0.0f) - radius;
}

float CircleDistance(float x, float y, float cx, float cy, float radius) { return std::hypot(x - cx, y - cy) - radius; }

float SegmentDistance(float x, float y, Point a, Point b) {
    const float t = AlongLine(x, y, a.x, a.y, b.x, b.y);
    return std::hypot(x - (a.x + (b.x - a.x) * t), y - (a.y + (b.y - a.y) * t));
}

float PolygonDistance(float x, float y, const std::vector<Point>& points) {
    float nearest = 1e9f;
    bool inside = false;
    const size_t n = points.size();
    for (size_t i = 0, j = n - 1; i < n; j = i++) {
        const Point a = points[j], b = points[i];
        nearest = std::min(nearest, SegmentDistance(x, y, a, b));
        if ((b.y > y) != (a.y > y) && x < (a.x - b.x) * (y - b.y) / (a.y - b.y) + b.x) inside = !inside;
    }
    return inside ? -nearest : nearest;
}

void FillRoundRect(Canvas& canvas, float left, float top, float right, float bottom, float radius, const Paint& paint) {
    FillShape(
        canvas, left, top, right, bottom,
        [=](float x, float y) { return RoundRectDistance(x, y, left, top, right, bottom, radius); }, paint);
}

void StrokeRoundRect(Canvas& canvas, float left, float top, float right, float bottom, float radius, float width,
                     const Paint& paint) {
    StrokeShape(
        canvas, left, top, right, bottom,
        [=](float x, float y) { return RoundRectDistance(x, y, left, top, right, bottom, radius); }, width, 0.0f, paint);
}

void FillCircle(Canvas& canvas, float cx, float cy, float radius, const Paint& paint) {
    FillShape(
        canvas, cx - radius, cy - radius, cx + radius, cy + radius,
        [=](float x, float y) { return CircleDistance(x, y, cx, cy, radius); }, paint);
}

void StrokeCircle(Canvas& canvas, float cx, float cy, float radius, float width, const Paint& paint) {
    StrokeShape(
        canvas, cx - radius, cy - radius, cx + radius, cy + radius,
        [=](float x, float y) { return CircleDistance(x, y, cx, cy, radius); }, width, 0.0f, paint);
}

namespace {

void Bounds(const std::vector<Point>& points, float& left, float& top, float& right, float& bottom) {
    left = top = 1e9f;
    right = bottom = -1e9f;
    for (const Point& p : points) {
        left = std::min(left, p.x);
        right = std::max(right, p.x);
        top = std::min(top, p.y);
        bottom = std::max(bottom, p.y);
    }
}

}  // namespace

void FillPolygon(Canvas& canvas, const std::vector<Point>& points, const Paint& paint) {
    if (points.size() < 3) return;
    float l, t, r, b;
    Bounds(points, l, t, r, b);
    FillShape(
        canvas, l, t, r, b, [&](float x, float y) { return PolygonDistance(x, y, points); }, paint);
}

void DrawLine(Canvas& canvas, Point a, Point b, float width, const Paint& paint) {
    const float half = width * 0.5f;
    FillShape(
        canvas, std::min(a.x, b.x) - half, std::min(a.y, b.y) - half, std::max(a.x, b.x) + half,
        std::max(a.y, b.y) + half, [=](float x, float y) { return SegmentDistance(x, y, a, b) - half; }, paint);
}
