#include <algorithm>
#include <cmath>

#include "platform/draw_context.h"
#include "platform/draw_switch.h"
#include "platform/surface.h"
#include "platform/text.h"

namespace {

// A box with elliptic corners in continuous coordinates: pixel (x, y) covers
// [x, x+1) x [y, y+1) and belongs to the shape when its centre lies inside.
struct RoundShape {
    double left = 0, top = 0, right = 0, bottom = 0;
    double radiusX = 0, radiusY = 0;
};

// Columns [x0, x1) of the row with centre py whose centres are strictly
// inside the shape; false when the row misses it.
bool ShapeSpan(const RoundShape& shape, double py, long long& x0, long long& x1) {
    if (!(py > shape.top && py < shape.bottom) || !(shape.right > shape.left)) return false;
    double from = shape.left;
    double to = shape.right;
    if (shape.radiusX > 0 && shape.radiusY > 0) {
        double dy = 0;
        if (py < shape.top + shape.radiusY) {
            dy = (shape.top + shape.radiusY - py) / shape.radiusY;
        } else if (py > shape.bottom - shape.radiusY) {
            dy = (py - (shape.bottom - shape.radiusY)) / shape.radiusY;
        }
        if (dy > 0) {
            const double reach = shape.radiusX * std::sqrt(std::max(0.0, 1.0 - dy * dy));
            from = shape.left + shape.radiusX - reach;
            to = shape.right - shape.radiusX + reach;
        }
    }
    x0 = static_cast<long long>(std::floor(from - 0.5)) + 1;
    x1 = static_cast<long long>(std::ceil(to - 0.5));
    return x1 > x0;
}

RoundShape MakeShape(double left, double top, double right, double bottom, double radiusX, double radiusY) {
    RoundShape shape{left, top, right, bottom, 0, 0};
    shape.radiusX = std::clamp(radiusX, 0.0, std::max(0.0, (right - left) / 2));
    shape.radiusY = std::clamp(radiusY, 0.0, std::max(0.0, (bottom - top) / 2));
    return shape;
}

int PenWidth() { return std::clamp<int>(backDC.pen.width, 1, 64); }

// A square of the pen's width around (x, y); an even width reaches one pixel
// further up and left, as wide Windows pens do.
void StampPen(const PixelRect& clip, long long x, long long y, int width, uint8_t index) {
    const long long x0 = x - width / 2;
    const long long y0 = y - width / 2;
    for (long long row = std::max<long long>(y0, clip.top); row < std::min<long long>(y0 + width, clip.bottom); ++row) {
        FillRowSpan(clip, static_cast<int>(row), x0, x0 + width, index);
    }
}

// Cuts a line to the box; false when nothing of it is inside.
bool ClipSegment(double& x0, double& y0, double& x1, double& y1, double left, double top, double right, double bottom) {
    double enter = 0.0;
    double leave = 1.0;
    const double dx = x1 - x0;
    const double dy = y1 - y0;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x0 - left, right - x0, y0 - top, bottom - y0};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0) {
            enter = std::max(enter, t);
        } else {
            leave = std::min(leave, t);
        }
    }
    if (enter > leave) return false;
    const double startX = x0 + enter * dx, startY = y0 + enter * dy;
    x1 = x0 + leave * dx;
    y1 = y0 + leave * dy;
    x0 = startX;
    y0 = startY;
    return true;
}

// Stepped line from pixel to pixel with the selected pen. Windows leaves the
// last pixel out so joined lines do not draw their joints twice.
void PenLine(long long x0, long long y0, long long x1, long long y1, bool includeLast) {
    const Surface& target = ContextTarget();
    const PixelRect clip = ClipToTarget(0, 0, target.width, target.height);
    if (clip.right <= clip.left || clip.bottom <= clip.top) return;
    const int width = PenWidth();
    const uint8_t index = ContextColorIndex(backDC.pen.color);

    // Far-away ends would make the stepping loop run for ages; cut the line
    // to a margin around the screen first.
    constexpr long long far = 1 << 14;
    if (std::max({std::llabs(x0), std::llabs(y0), std::llabs(x1), std::llabs(y1)}) > far) {
        double ax = static_cast<double>(x0), ay = static_cast<double>(y0);
        double bx = static_cast<double>(x1), by = static_cast<double>(y1);
        const double margin = width + 2;
        if (!ClipSegment(ax, ay, bx, by, -margin, -margin, target.width + margin, target.height + margin)) return;
        x0 = std::llround(ax), y0 = std::llround(ay), x1 = std::llround(bx), y1 = std::llround(by);
        includeLast = true;
    }

    const long long dx = std::llabs(x1 - x0);
    const long long dy = -std::llabs(y1 - y0);
    const long long stepX = x0 < x1 ? 1 : -1;
    const long long stepY = y0 < y1 ? 1 : -1;
    long long error = dx + dy;
    long long x = x0, y = y0;
    for (;;) {
        if (x == x1 && y == y1) {
            if (includeLast) StampPen(clip, x, y, width, index);
            break;
        }
        StampPen(clip, x, y, width, index);
        const long long twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x += stepX;
        }
        if (twice <= dx) {
            error += dx;
            y += stepY;
        }
    }
}

}  // namespace

void RoundRect(int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight) {
    if (drawingSkipped) return;
    const double l = std::min(left, right), r = std::max(left, right);
    const double t = std::min(top, bottom), b = std::max(top, bottom);
    // The outline runs along the rectangle's edge; an odd pen is centred on
    // the edge pixels inside it, an even one straddles the edge (width 2:
    // one pixel out, one in).
    const int width = PenWidth();
    const double half = width / 2.0;
    const double inset = width % 2 == 1 ? 0.5 : 0.0;
    double edgeLeft = l + inset, edgeRight = r - inset;
    double edgeTop = t + inset, edgeBottom = b - inset;
    if (edgeRight < edgeLeft) edgeLeft = edgeRight = (l + r) / 2;
    if (edgeBottom < edgeTop) edgeTop = edgeBottom = (t + b) / 2;
    const RoundShape edge = MakeShape(edgeLeft, edgeTop, edgeRight, edgeBottom, std::max(ellipseWidth, 0) / 2.0,
                                      std::max(ellipseHeight, 0) / 2.0);
    const RoundShape outer = MakeShape(edge.left - half, edge.top - half, edge.right + half, edge.bottom + half,
                                       edge.radiusX + half, edge.radiusY + half);
    const RoundShape inner = MakeShape(edge.left + half, edge.top + half, edge.right - half, edge.bottom - half,
                                       edge.radiusX - half, edge.radiusY - half);

    const PixelRect clip = ClipToTarget(static_cast<long long>(std::floor(outer.left)),
                                            static_cast<long long>(std::floor(outer.top)),
                                            static_cast<long long>(std::ceil(outer.right)) + 1,
                                            static_cast<long long>(std::ceil(outer.bottom)) + 1);
    if (clip.right <= clip.left || clip.bottom <= clip.top) return;
    const uint8_t penIndex = ContextColorIndex(backDC.pen.color);
    const uint8_t brushIndex = ContextColorIndex(backDC.brush);
    for (int y = clip.top; y < clip.bottom; ++y) {
        const double py = y + 0.5;
        long long outer0 = 0, outer1 = 0, inner0 = 0, inner1 = 0;
        if (!ShapeSpan(outer, py, outer0, outer1)) continue;
        if (ShapeSpan(inner, py, inner0, inner1)) {
            inner0 = std::clamp(inner0, outer0, outer1);
            inner1 = std::clamp(inner1, inner0, outer1);
            FillRowSpan(clip, y, outer0, inner0, penIndex);
            FillRowSpan(clip, y, inner0, inner1, brushIndex);
            FillRowSpan(clip, y, inner1, outer1, penIndex);
        } else {
            FillRowSpan(clip, y, outer0, outer1, penIndex);
        }
    }
}

void Polygon(const Point* points, int count) {
    if (drawingSkipped) return;
    // The game's polygons are small charts; a hard cap keeps the per-row
    // crossing list on the stack.
    constexpr int maxPoints = 64;
    if (points == nullptr || count < 2) return;
    count = std::min(count, maxPoints);

    long long minY = points[0].y, maxY = points[0].y;
    for (int i = 1; i < count; ++i) {
        minY = std::min<long long>(minY, points[i].y);
        maxY = std::max<long long>(maxY, points[i].y);
    }
    const Surface& target = ContextTarget();
    const PixelRect clip = ClipToTarget(0, minY, target.width, maxY + 1);
    const uint8_t brushIndex = ContextColorIndex(backDC.brush);
    // Non-zero winding: a pixel is inside when the edges crossing its row to
    // its left do not cancel out.
    for (int y = clip.top; y < clip.bottom; ++y) {
        const double py = y + 0.5;
        double crossX[maxPoints];
        int crossDir[maxPoints];
        int crossings = 0;
        for (int i = 0; i < count; ++i) {
            const Point& a = points[i];
            const Point& b = points[(i + 1) % count];
            if (a.y == b.y) continue;
            const double low = std::min(a.y, b.y), high = std::max(a.y, b.y);
            if (py < low || py >= high) continue;
            const double x = a.x + (py - a.y) * (static_cast<double>(b.x) - a.x) / (static_cast<double>(b.y) - a.y);
            int at = crossings++;
            while (at > 0 && crossX[at - 1] > x) {
                crossX[at] = crossX[at - 1];
                crossDir[at] = crossDir[at - 1];
                --at;
            }
            crossX[at] = x;
            crossDir[at] = b.y > a.y ? 1 : -1;
        }
        int winding = 0;
        double spanStart = 0;
        for (int k = 0; k < crossings; ++k) {
            const int before = winding;
            winding += crossDir[k];
            if (before == 0 && winding != 0) {
                spanStart = crossX[k];
            } else if (before != 0 && winding == 0) {
                const double from = std::clamp(std::ceil(spanStart - 0.5), -1.0, target.width + 1.0);
                const double to = std::clamp(std::ceil(crossX[k] - 0.5), -1.0, target.width + 1.0);
                FillRowSpan(clip, y, static_cast<long long>(from), static_cast<long long>(to), brushIndex);
            }
        }
    }
    for (int i = 0; i < count; ++i) {
        const Point& a = points[i];
        const Point& b = points[(i + 1) % count];
        PenLine(a.x, a.y, b.x, b.y, false);
    }
}

void MoveTo(int x, int y) {
    backDC.penX = x;
    backDC.penY = y;
}

void LineTo(int x, int y) {
    if (!drawingSkipped) PenLine(backDC.penX, backDC.penY, x, y, false);
    backDC.penX = x;
    backDC.penY = y;
}
