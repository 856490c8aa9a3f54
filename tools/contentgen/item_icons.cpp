#include "contentgen/item_icons.h"

#include <cmath>
#include <vector>

#include "contentgen/art_style.h"
#include "contentgen/icon_painter.h"

using namespace paletteLayout;

namespace {

constexpr float pi = 3.14159265f;

std::vector<Point> Star(float cx, float cy, float outer, float inner, int points = 5, float turn = -pi / 2) {
    std::vector<Point> star;
    for (int i = 0; i < 2 * points; ++i) {
        const float a = turn + pi * i / points;
        const float r = i % 2 == 0 ? outer : inner;
        star.push_back(Point{cx + r * std::cos(a), cy + r * std::sin(a)});
    }
    return star;
}

float HeartDistance(float x, float y, float cx, float cy, float s) {
    // Two circles over a point.
    const float left = CircleDistance(x, y, cx - s * 0.5f, cy - s * 0.2f, s * 0.55f);
    const float right = CircleDistance(x, y, cx + s * 0.5f, cy - s * 0.2f, s * 0.55f);
    const std::vector<Point> tip = {{cx - s * 1.03f, cy + s * 0.02f}, {cx + s * 1.03f, cy + s * 0.02f}, {cx, cy + s * 1.15f}};
    return std::min({left, right, PolygonDistance(x, y, tip)});
}

void Leaf(const IconPainter& p, float cx, float cy, float length, float angle, int ramp = rampGreen) {
    const float ca = std::cos(angle), sa = std::sin(angle);
    p.Part(
        [=](float x, float y) {
            const float u = (x - cx) * ca + (y - cy) * sa, v = -(x - cx) * sa + (y - cy) * ca;
            return EllipseDistance(u, v, 0, 0, length, length * 0.42f);
        },
        ramp, 9.0f, 4.0f);
}

void Apple(const IconPainter& p) {
    p.Stroke({16, 10}, {18, 4}, 2.0f, rampOrange, 2.0f);
    Leaf(p, 21.5f, 6.5f, 4.5f, -0.5f);
    p.Part([](float x, float y) { return std::min(CircleDistance(x, y, 12, 18, 9.5f), CircleDistance(x, y, 20, 18, 9.5f)); }, rampRed);
    p.Shine(11, 14, 2.5f, 3.5f);
}

void Cherries(const IconPainter& p) {
    p.Stroke({10, 21}, {19, 4}, 1.6f, rampGreen, 3.0f);
    p.Stroke({22, 22}, {19, 4}, 1.6f, rampGreen, 3.0f);
    Leaf(p, 23, 6, 5, 0.3f);
    p.Disc(10, 23, 6.5f, rampRed);
    p.Disc(22, 24, 6.5f, rampRed);
    p.Shine(8, 21, 1.5f, 2.0f);
    p.Shine(20, 22, 1.5f, 2.0f);
}

void Lemon(const IconPainter& p) {
    p.Part([](float x, float y) { return std::min(EllipseDistance(x, y, 16, 17, 12, 8.5f), EllipseDistance(x, y, 16, 17, 14.5f, 3.5f)); },
           rampYellow, 10, 5);
    p.Shine(12, 13, 4, 1.8f, 0.6f);
}

void Grapes(const IconPainter& p) {
    Leaf(p, 20, 6, 6, -0.3f);
    p.Stroke({16, 9}, {17, 3}, 1.8f, rampOrange, 2.0f);
    const float xs[9] = {10, 16, 22, 13, 19, 10, 16, 22, 16};
    const float ys[9] = {12, 12, 12, 17, 17, 22, 22, 22, 27};
    const int order[9] = {0, 1, 2, 3, 4, 5, 6, 7, 8};
    for (int i : order) {
        if (i == 5 || i == 7) continue;
        p.Disc(xs[i], ys[i], 4.2f, rampPurple, 8, 3);
    }
}

void Watermelon(const IconPainter& p) {
    // A slice: half disc, rind at the bottom.
    const auto slice = [](float x, float y) { return std::max(CircleDistance(x, y, 16, 9, 14), 9.0f - y); };
    p.Part(slice, rampGreen, 6, 2);
    p.Part([=](float x, float y) { return std::max(CircleDistance(x, y, 16, 9, 11.5f), 9.0f - y); }, rampGreen, 10, 9, false);
    p.Part([=](float x, float y) { return std::max(CircleDistance(x, y, 16, 9, 10.5f), 9.0f - y); }, rampRed, 8, 5, false);
    for (const Point s : {Point{11, 12}, Point{16, 15}, Point{21, 12}, Point{13, 17}, Point{19, 17}}) p.Spot(s.x, s.y, 1.1f, GreyShade(0));
}

void Strawberry(const IconPainter& p) {
    p.Part(
        [](float x, float y) {
            const std::vector<Point> body = {{5, 12}, {27, 12}, {16, 29}};
            return std::min(PolygonDistance(x, y, body) - 2.5f, EllipseDistance(x, y, 16, 13, 11, 5));
        },
        rampRed);
    for (int i = 0; i < 7; ++i) {
        const float sx = 10.0f + (i % 3) * 6.0f + (i / 3 % 2) * 3.0f, sy = 14.0f + (i / 3) * 4.5f;
        p.Spot(sx, sy, 0.9f, HueShade(rampYellow, 9));
    }
    p.Poly(Star(16, 9, 7, 2.5f, 5, pi / 2), rampGreen);
}

void Carrot(const IconPainter& p) {
    Leaf(p, 20, 7, 6, -0.9f);
    Leaf(p, 25, 9, 5.5f, -0.2f);
    p.Poly({{13, 11}, {24, 14}, {6, 29}}, rampOrange, 9, 4);
    for (int i = 0; i < 3; ++i) {
        const float y = 15.0f + 4.0f * i;
        p.Stroke({18.0f - 3.0f * i, y}, {14.5f - 3.0f * i, y + 1.5f}, 1.0f, rampOrange, 2.0f, false);
    }
}

void Mushroom(const IconPainter& p) {
    p.Box(11, 15, 21, 29, 3, greyRamp, 11, 8);
    p.Part([](float x, float y) { return std::max(EllipseDistance(x, y, 16, 16, 14, 12), y - 16.5f); }, rampRed);
    p.Spot(10, 11, 2.4f, HueShade(rampRed, 11));
    p.Spot(18, 8, 2.0f, HueShade(rampRed, 11));
    p.Spot(23, 13, 1.8f, HueShade(rampRed, 11));
}

void Candy(const IconPainter& p) {
    p.Poly({{3, 9}, {10, 16}, {3, 23}}, rampPink, 10, 5);
    p.Poly({{29, 9}, {22, 16}, {29, 23}}, rampPink, 10, 5);
    p.Disc(16, 16, 8, rampPink);
    p.Dab([](float x, float y) { return std::max(CircleDistance(x, y, 16, 16, 7), std::fabs(x - y) - 2.0f); }, white, 0.8f);
    p.Shine(13, 12, 2, 1.5f);
}

void Lollipop(const IconPainter& p) {
    p.Stroke({16, 18}, {16, 31}, 2.5f, greyRamp, 10);
    p.Disc(16, 11, 9.5f, rampCyan, 9, 5);
    p.Dab(
        [](float x, float y) {
            const float r = std::hypot(x - 16, y - 11);
            const float a = std::atan2(y - 11, x - 16);
            const float spiral = std::fmod(r - a * 2.2f + 40.0f, 4.4f);
            return std::max(r - 8.5f, std::fabs(spiral - 2.2f) - 0.9f);
        },
        HueShade(rampPink, 8));
    p.Shine(12, 7, 2.5f, 1.5f);
}

void Donut(const IconPainter& p) {
    p.Part([](float x, float y) { return std::max(CircleDistance(x, y, 16, 17, 13), -CircleDistance(x, y, 16, 17, 4.5f)); },
           rampOrange, 7, 3);
    p.Part([](float x, float y) {
        const float wave = 1.2f * std::sin(std::atan2(y - 17, x - 16) * 7.0f);
        return std::max(CircleDistance(x, y, 16, 16, 11 + wave), -CircleDistance(x, y, 16, 17, 5.5f));
    }, rampPink, 10, 6, false);
    const int ramps[6] = {rampYellow, rampCyan, rampGreen, rampYellow, rampBlue, white};
    for (int i = 0; i < 6; ++i) {
        const float a = i * pi / 3.0f + 0.3f;
        const float cx = 16 + 8 * std::cos(a), cy = 16 + 8 * std::sin(a);
        const float dx = 1.5f * std::cos(a + 1.2f), dy = 1.5f * std::sin(a + 1.2f);
        const uint8_t c = ramps[i] == white ? white : HueShade(ramps[i], 7);
        p.Dab([=](float x, float y) { return SegmentDistance(x, y, {cx - dx, cy - dy}, {cx + dx, cy + dy}) - 0.7f; }, c);
    }
}

void CakeSlice(const IconPainter& p) {
    p.Poly({{4, 14}, {28, 10}, {28, 27}, {4, 27}}, rampYellow, 11, 8);
    p.Part([](float x, float y) { return std::max(PolygonDistance(x, y, {{4, 14}, {28, 10}, {28, 27}, {4, 27}}), std::fabs(y - 20.5f) - 1.5f); },
           rampPink, 8, 6, false);
    p.Poly({{3, 13}, {28, 8.5f}, {28, 12}, {3, 16}}, greyRamp, 11, 10);
    p.Disc(20, 7, 3.5f, rampRed);
    Leaf(p, 22, 3.5f, 2.0f, 0.3f);
}

void IceCream(const IconPainter& p) {
    p.Poly({{9, 15}, {23, 15}, {16, 31}}, rampOrange, 8, 4);
    for (int i = 0; i < 3; ++i) {
        p.Stroke({10.0f + 3.0f * i, 16}, {15.5f + 1.0f * i, 27}, 0.8f, rampOrange, 3.0f, false);
    }
    p.Disc(16, 11, 8.5f, rampPink, 10, 6);
    p.Disc(16, 6, 5.5f, rampYellow, 11, 8);
    p.Disc(19, 2.5f, 2.0f, rampRed);
}

void CoffeeCup(const IconPainter& p) {
    p.Part([](float x, float y) { return std::max(CircleDistance(x, y, 24, 17, 5.5f), -CircleDistance(x, y, 24, 17, 3)); }, greyRamp, 12, 9);
    p.Box(5, 10, 25, 27, 5, greyRamp, 13, 9);
    p.Dab([](float x, float y) { return EllipseDistance(x, y, 15, 11.5f, 8.5f, 2.0f); }, HueShade(rampOrange, 2));
    p.Box(3, 27, 29, 30, 1.5f, greyRamp, 12, 9);
    p.Stroke({12, 6}, {13, 2}, 1.2f, greyRamp, 12, false);
    p.Stroke({17, 6}, {16, 2}, 1.2f, greyRamp, 12, false);
}

void RiceBall(const IconPainter& p) {
    p.Part([](float x, float y) { return PolygonDistance(x, y, {{16, 4}, {29, 27}, {3, 27}}) - 2.5f; }, greyRamp, 13, 11);
    p.Box(10, 17, 22, 30, 1.0f, steelRamp, 3, 0);
    p.Shine(13, 12, 2.5f, 2, 0.5f);
}

void StarIcon(const IconPainter& p) {
    p.Poly(Star(16, 17, 14, 6), rampYellow, 10, 5);
    p.Shine(13, 12, 2.5f, 2, 0.6f);
}

void HeartIcon(const IconPainter& p) {
    p.Part([](float x, float y) { return HeartDistance(x, y, 16, 12, 10); }, rampPink, 9, 4);
    p.Shine(10, 10, 2.5f, 2.0f);
}

void Moon(const IconPainter& p) {
    p.Part([](float x, float y) { return std::max(CircleDistance(x, y, 15, 16, 12), -CircleDistance(x, y, 22, 11, 10)); }, rampYellow, 10, 6);
    p.Spot(24, 23, 1.2f, HueShade(rampYellow, 9));
    p.Spot(27, 18, 0.9f, HueShade(rampYellow, 9));
}

void Sun(const IconPainter& p) {
    p.Poly(Star(16, 16, 15, 9, 10), rampOrange, 8, 5);
    p.Disc(16, 16, 8.5f, rampYellow, 10, 6);
    p.Spot(13, 15, 1, HueShade(rampOrange, 1));
    p.Spot(19, 15, 1, HueShade(rampOrange, 1));
    p.Dab([](float x, float y) { return std::max(CircleDistance(x, y, 16, 17, 4), 18.0f - y); }, HueShade(rampOrange, 1));
}

void Lightning(const IconPainter& p) {
    p.Poly({{18, 2}, {7, 18}, {15, 18}, {12, 30}, {25, 12}, {17, 12}, {21, 2}}, rampYellow, 10, 5);
}

void Raindrop(const IconPainter& p) {
    p.Part([](float x, float y) {
        return std::min(CircleDistance(x, y, 16, 20, 9), PolygonDistance(x, y, {{16, 2}, {24.4f, 17}, {7.6f, 17}}));
    }, rampBlue, 9, 4);
    p.Shine(12.5f, 19, 1.8f, 3.5f);
}

void Snowflake(const IconPainter& p) {
    for (int i = 0; i < 3; ++i) {
        const float a = pi / 3.0f * i + pi / 2;
        const Point a0{16 - 13 * std::cos(a), 16 - 13 * std::sin(a)}, a1{16 + 13 * std::cos(a), 16 + 13 * std::sin(a)};
        p.Stroke(a0, a1, 2.6f, rampCyan, 7);
    }
    for (int i = 0; i < 6; ++i) {
        const float a = pi / 3.0f * i + pi / 2;
        const float bx = 16 + 8 * std::cos(a), by = 16 + 8 * std::sin(a);
        for (float side : {-1.0f, 1.0f}) {
            const float b = a + side * 0.8f;
            p.Stroke({bx, by}, {bx + 4.5f * std::cos(b), by + 4.5f * std::sin(b)}, 1.8f, rampCyan, 8);
        }
    }
    p.Disc(16, 16, 3, rampCyan, 11, 8);
}

void Flower(const IconPainter& p) {
    for (int i = 0; i < 5; ++i) {
        const float a = -pi / 2 + 2 * pi * i / 5;
        p.Disc(16 + 7.5f * std::cos(a), 16 + 7.5f * std::sin(a), 6, rampPink, 10, 6);
    }
    p.Disc(16, 16, 4.5f, rampYellow, 10, 6);
}

void Clover(const IconPainter& p) {
    p.Stroke({16, 17}, {21, 30}, 2.0f, rampGreen, 3);
    for (int i = 0; i < 4; ++i) {
        const float a = pi / 4 + pi / 2 * i;
        p.Part([=](float x, float y) { return HeartDistance((x - 16) * std::cos(a + pi / 2) + (y - 16) * std::sin(a + pi / 2) + 16,
                                                            -(x - 16) * std::sin(a + pi / 2) + (y - 16) * std::cos(a + pi / 2) + 16 + 5.0f,
                                                            16, 12, 4.8f) - 0.0f; },
               rampGreen, 9, 4);
    }
}

void Tree(const IconPainter& p) {
    p.Box(13, 19, 19, 30, 1.5f, rampOrange, 5, 2);
    p.Part([](float x, float y) {
        return std::min({CircleDistance(x, y, 16, 9, 7.5f), CircleDistance(x, y, 10, 15, 6.5f), CircleDistance(x, y, 22, 15, 6.5f),
                         CircleDistance(x, y, 16, 17, 6)});
    }, rampGreen, 9, 3);
    p.Spot(12, 11, 1.2f, HueShade(rampRed, 6));
    p.Spot(20, 16, 1.2f, HueShade(rampRed, 6));
}

void Key(const IconPainter& p) {
    p.Part([](float x, float y) { return std::max(CircleDistance(x, y, 10, 10, 7.5f), -CircleDistance(x, y, 10, 10, 3)); }, rampYellow, 9, 4);
    p.Part([](float x, float y) {
        return std::min({SegmentDistance(x, y, {15, 15}, {28, 28}) - 2.2f, SegmentDistance(x, y, {22, 22}, {18.5f, 25.5f}) - 1.8f,
                         SegmentDistance(x, y, {26, 26}, {22.5f, 29.5f}) - 1.8f});
    }, rampYellow, 9, 4);
}

void Bell(const IconPainter& p) {
    p.Part([](float x, float y) {
        const float body = std::max(EllipseDistance(x, y, 16, 17, 10, 13), y - 24.0f);
        return std::min({body, RoundRectDistance(x, y, 3, 22, 29, 26, 2), CircleDistance(x, y, 16, 4.5f, 2.5f)});
    }, rampYellow, 10, 4);
    p.Disc(16, 27.5f, 3, rampOrange, 6, 3);
    p.Shine(12, 13, 1.8f, 4, 0.6f);
}

void Crown(const IconPainter& p) {
    p.Poly({{3, 10}, {10, 17}, {16, 6}, {22, 17}, {29, 10}, {27, 26}, {5, 26}}, rampYellow, 10, 4);
    p.Disc(3, 9, 2.2f, rampYellow);
    p.Disc(16, 5, 2.2f, rampYellow);
    p.Disc(29, 9, 2.2f, rampYellow);
    p.Disc(10, 22, 2, rampRed);
    p.Disc(16, 21, 2.4f, rampBlue);
    p.Disc(22, 22, 2, rampGreen);
}

void Diamond(const IconPainter& p) {
    p.Poly({{7, 5}, {25, 5}, {31, 12}, {16, 29}, {1, 12}}, rampCyan, 10, 5);
    p.Dab([](float x, float y) { return PolygonDistance(x, y, {{7, 5}, {12, 12}, {1, 12}}); }, HueShade(rampCyan, 11));
    p.Dab([](float x, float y) { return PolygonDistance(x, y, {{12, 12}, {20, 12}, {16, 29}}); }, HueShade(rampCyan, 8));
    p.Stroke({1, 12}, {31, 12}, 0.8f, rampCyan, 4, false);
    p.Shine(10, 8, 2, 1.2f, 0.8f);
}

void Ring(const IconPainter& p) {
    p.Part([](float x, float y) { return std::max(CircleDistance(x, y, 16, 19, 10), -CircleDistance(x, y, 16, 19, 7)); }, rampYellow, 10, 4);
    p.Poly({{11, 8}, {21, 8}, {24, 4}, {16, 0.5f}, {8, 4}}, rampPink, 10, 5);
}

void Coin(const IconPainter& p) {
    p.Disc(16, 16, 13, rampYellow, 9, 4);
    p.Part([](float x, float y) { return std::fabs(CircleDistance(x, y, 16, 16, 10)) - 0.6f; }, rampOrange, 4, 3, false);
    p.Poly(Star(16, 16.5f, 6.5f, 2.8f), rampOrange, 7, 5);
    p.Shine(10, 10, 2.5f, 1.8f, 0.6f);
}

void Trophy(const IconPainter& p) {
    p.Part([](float x, float y) { return std::max(std::fabs(CircleDistance(x, y, 6, 11, 4.5f)) - 1.4f, x - 8.0f); }, rampYellow, 9, 5);
    p.Part([](float x, float y) { return std::max(std::fabs(CircleDistance(x, y, 26, 11, 4.5f)) - 1.4f, 24.0f - x); }, rampYellow, 9, 5);
    p.Part([](float x, float y) { return std::min(std::max(EllipseDistance(x, y, 16, 7, 9, 13), 5.0f - y), RoundRectDistance(x, y, 14, 18, 18, 25, 1)); },
           rampYellow, 10, 4);
    p.Box(9, 25, 23, 30, 1.5f, rampOrange, 5, 2);
    p.Poly(Star(16, 11, 4, 1.7f), rampOrange, 10, 8);
}

void Medal(const IconPainter& p) {
    p.Poly({{7, 1}, {13, 1}, {18, 13}, {13, 15}}, rampBlue, 8, 5);
    p.Poly({{25, 1}, {19, 1}, {14, 13}, {19, 15}}, rampRed, 8, 5);
    p.Disc(16, 21, 9, rampYellow, 10, 4);
    p.Poly(Star(16, 21.5f, 5.5f, 2.4f), rampOrange, 7, 5);
}

void Shield(const IconPainter& p) {
    const auto shape = [](float x, float y) {
        return std::min(RoundRectDistance(x, y, 4, 3, 28, 16, 3), PolygonDistance(x, y, {{4, 12}, {28, 12}, {16, 30}}) - 0.5f);
    };
    p.Part(shape, steelRamp, 10, 5);
    p.Part([=](float x, float y) { return shape(x, y) + 3.0f; }, rampBlue, 8, 4, false);
    p.Poly(Star(16, 14, 6, 2.5f), rampYellow, 10, 6);
}

void Sword(const IconPainter& p) {
    p.Poly({{27, 2}, {30, 5}, {13, 22}, {10, 19}}, steelRamp, 10, 5);
    p.Stroke({7, 17}, {15, 25}, 3.0f, rampYellow, 6);
    p.Stroke({11, 21}, {4, 28}, 3.0f, rampOrange, 3);
    p.Disc(3.5f, 28.5f, 2.2f, rampYellow);
}

void Potion(const IconPainter& p) {
    const auto flask = [](float x, float y) { return std::min(CircleDistance(x, y, 16, 20, 10), RoundRectDistance(x, y, 12, 3, 20, 14, 1.5f)); };
    p.Part(flask, steelRamp, 11, 8);
    p.Part([=](float x, float y) { return std::max(CircleDistance(x, y, 16, 20, 8.5f), 15.5f - y); }, rampPink, 9, 4, false);
    p.Box(11, 1, 21, 5, 1.5f, rampOrange, 6, 3);
    p.Shine(11.5f, 18, 1.6f, 3.5f, 0.8f);
    p.Spot(18, 23, 1.3f, HueShade(rampPink, 11));
}

void Book(const IconPainter& p) {
    p.Box(6, 3, 27, 29, 2, rampRed, 8, 3);
    p.Box(22, 5, 28, 28, 1, greyRamp, 14, 11);
    p.Box(8, 3, 11, 29, 0.5f, rampRed, 4, 2);
    p.Box(13, 9, 21, 14, 1, rampYellow, 10, 7);
}

void Pencil(const IconPainter& p) {
    p.Poly({{24, 2}, {30, 8}, {12, 26}, {6, 20}}, rampYellow, 10, 5);
    p.Poly({{24, 2}, {30, 8}, {27.5f, 10.5f}, {21.5f, 4.5f}}, rampPink, 9, 6);
    p.Poly({{6, 20}, {12, 26}, {3, 29}}, rampOrange, 10, 8);
    p.Spot(3.8f, 28.2f, 1.4f, GreyShade(1));
}

void Envelope(const IconPainter& p) {
    p.Box(3, 8, 29, 26, 1.5f, greyRamp, 15, 12);
    p.Stroke({3.5f, 8.5f}, {16, 18}, 1.0f, greyRamp, 8, false);
    p.Stroke({28.5f, 8.5f}, {16, 18}, 1.0f, greyRamp, 8, false);
    p.Disc(16, 18, 3.5f, rampRed);
}

void Gift(const IconPainter& p) {
    p.Box(4, 13, 28, 29, 1.5f, rampBlue, 8, 4);
    p.Box(3, 9, 29, 14, 1.5f, rampBlue, 9, 6);
    p.Box(14, 9, 18, 29, 0.5f, rampYellow, 10, 6);
    p.Part([](float x, float y) { return std::fabs(EllipseDistance(x, y, 11, 6, 5, 3)) - 1.2f; }, rampYellow, 10, 6);
    p.Part([](float x, float y) { return std::fabs(EllipseDistance(x, y, 21, 6, 5, 3)) - 1.2f; }, rampYellow, 10, 6);
}

void Balloon(const IconPainter& p) {
    p.Stroke({16, 24}, {14, 31}, 0.9f, greyRamp, 4, false);
    p.Part([](float x, float y) { return std::min(EllipseDistance(x, y, 16, 12, 10, 11.5f), PolygonDistance(x, y, {{16, 22}, {19, 26}, {13, 26}})); },
           rampRed, 9, 4);
    p.Shine(11.5f, 8, 2.2f, 3.2f);
}

void Umbrella(const IconPainter& p) {
    p.Part([](float x, float y) { return std::max(std::fabs(CircleDistance(x, y, 20, 25, 4)) - 1.2f, 25.0f - y); }, rampOrange, 5, 3);
    p.Stroke({16, 14}, {16, 25}, 1.8f, rampOrange, 3);
    p.Part([](float x, float y) {
        const float dome = std::max(CircleDistance(x, y, 16, 16, 14), y - 15.0f);
        const float scallop = std::min({CircleDistance(x, y, 7, 16, 4.5f), CircleDistance(x, y, 16, 16, 4.5f), CircleDistance(x, y, 25, 16, 4.5f)});
        return std::max(dome, -scallop + 0.0f);
    }, rampPurple, 9, 4);
    p.Stroke({16, 2}, {16, 0.5f}, 1.5f, rampOrange, 3);
}

void Clock(const IconPainter& p) {
    p.Disc(7, 6, 4, rampRed);
    p.Disc(25, 6, 4, rampRed);
    p.Stroke({8, 27}, {5, 30}, 2, steelRamp, 3);
    p.Stroke({24, 27}, {27, 30}, 2, steelRamp, 3);
    p.Disc(16, 17, 12, rampRed, 8, 4);
    p.Disc(16, 17, 9, greyRamp, 15, 12);
    p.Stroke({16, 17}, {16, 11}, 1.6f, steelRamp, 1, false);
    p.Stroke({16, 17}, {20, 19}, 1.6f, steelRamp, 1, false);
    p.Spot(16, 17, 1.4f, HueShade(rampRed, 4));
}

void MusicNote(const IconPainter& p) {
    p.Part([](float x, float y) {
        return std::min({EllipseDistance(x, y, 9, 24, 5.5f, 4), EllipseDistance(x, y, 23, 21, 5.5f, 4),
                         RoundRectDistance(x, y, 12.5f, 5, 15, 24, 0.5f), RoundRectDistance(x, y, 26.5f, 3, 29, 21, 0.5f),
                         PolygonDistance(x, y, {{12.5f, 5}, {29, 2}, {29, 7}, {12.5f, 10}})});
    }, rampPurple, 8, 3);
}

void Fish(const IconPainter& p) {
    p.Poly({{24, 16}, {31, 9}, {31, 23}}, rampCyan, 8, 4);
    p.Part([](float x, float y) { return EllipseDistance(x, y, 14, 16, 12, 8); }, rampCyan, 10, 4);
    p.Spot(8, 14, 1.8f, white);
    p.Spot(8, 14, 1.0f, GreyShade(0));
    p.Stroke({15, 11}, {15, 21}, 1.0f, rampCyan, 4, false);
}

void CatFace(const IconPainter& p) {
    p.Poly({{4, 4}, {13, 10}, {6, 15}}, rampOrange, 10, 6);
    p.Poly({{28, 4}, {19, 10}, {26, 15}}, rampOrange, 10, 6);
    p.Part([](float x, float y) { return EllipseDistance(x, y, 16, 18, 13, 11); }, rampOrange, 10, 6);
    p.Spot(11, 17, 1.8f, GreyShade(0));
    p.Spot(21, 17, 1.8f, GreyShade(0));
    p.Spot(16, 21, 1.3f, HueShade(rampPink, 5));
    for (float s : {-1.0f, 1.0f}) {
        p.Stroke({16 + s * 6, 22}, {16 + s * 13, 21}, 0.7f, greyRamp, 2, false);
        p.Stroke({16 + s * 6, 23.5f}, {16 + s * 12.5f, 25}, 0.7f, greyRamp, 2, false);
    }
}

void Dice(const IconPainter& p) {
    p.Box(4, 4, 28, 28, 5, greyRamp, 15, 11);
    for (const Point d : {Point{10, 10}, Point{22, 10}, Point{16, 16}, Point{10, 22}, Point{22, 22}}) {
        p.Spot(d.x, d.y, 2.3f, d.x == 16 ? HueShade(rampRed, 4) : GreyShade(1));
    }
}

void Anchor(const IconPainter& p) {
    p.Part([](float x, float y) {
        const float ring = std::fabs(CircleDistance(x, y, 16, 6, 3.5f)) - 1.4f;
        const float shaft = RoundRectDistance(x, y, 14.5f, 9, 17.5f, 28, 1);
        const float bar = RoundRectDistance(x, y, 9, 12, 23, 15, 1.5f);
        const float hook = std::max(std::fabs(CircleDistance(x, y, 16, 17, 11)) - 1.6f, 18.0f - y);
        return std::min({ring, shaft, bar, hook});
    }, steelRamp, 9, 3);
}

void Shell(const IconPainter& p) {
    p.Part([](float x, float y) {
        return std::min(std::max(CircleDistance(x, y, 16, 20, 13), y - 22.0f), RoundRectDistance(x, y, 12, 21, 20, 28, 2));
    }, rampPink, 11, 6);
    for (int i = -2; i <= 2; ++i) p.Stroke({16, 26}, {16 + i * 5.5f, 9 + std::fabs(static_cast<float>(i)) * 1.5f}, 0.9f, rampPink, 4, false);
}

void Kite(const IconPainter& p) {
    p.Stroke({16, 28}, {11, 31}, 0.9f, greyRamp, 4, false);
    p.Poly({{16, 2}, {27, 13}, {16, 28}, {5, 13}}, rampGreen, 9, 4);
    p.Dab([](float x, float y) { return PolygonDistance(x, y, {{16, 2}, {27, 13}, {16, 13}}); }, HueShade(rampYellow, 8));
    p.Dab([](float x, float y) { return PolygonDistance(x, y, {{16, 13}, {5, 13}, {16, 28}}); }, HueShade(rampYellow, 8));
}

using IconDrawer = void (*)(const IconPainter&);
const IconDrawer icons[50] = {
    Apple,  Cherries, Lemon,    Grapes,   Watermelon, Strawberry, Dice,    Carrot,    Mushroom, Candy,
    Lollipop, Donut,  CakeSlice, IceCream, CoffeeCup, RiceBall,   StarIcon, HeartIcon, Moon,     Sun,
    Kite,   Lightning, Raindrop, Snowflake, Flower,    Clover,     Tree,    Shell,     Key,      Bell,
    Crown,  Diamond,  Ring,     Coin,     Trophy,     Medal,      Shield,  Sword,     Potion,   Book,
    Pencil, Envelope, Gift,     Balloon,  Umbrella,   Clock,      Fish,    CatFace,   Anchor,   MusicNote,
};

}  // namespace

void DrawItemIcon(Canvas& canvas, int item, float left, float top) {
    if (item < 0 || item >= 50) return;
    const IconPainter painter{canvas, left, top};
    icons[item](painter);
}
