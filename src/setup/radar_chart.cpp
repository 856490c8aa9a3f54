#include "setup/radar_chart.h"

#include <cmath>

#include "platform/blit.h"
#include "platform/surface.h"

namespace {

// The angles of the chart are worked out with this value of pi.
constexpr double chartPi = 3.141592;

// Name plates of the left chart, in parameter order.
constexpr Point plateCentre[5] = {{160, 115}, {285, 185}, {265, 325}, {55, 325}, {35, 185}};
// Ten bytes each, zero-padded.
constexpr char shortNames[5][10] = {"EX", "SPEED", "LUCK", "CHAIN", "LOCK"};

const Pen blackPen{MakeRgb(0, 0, 0), 2};
const Pen redPen{MakeRgb(255, 0, 0), 3};
constexpr Rgb gridBrush = MakeRgb(255, 128, 255);
constexpr Rgb redBrush = MakeRgb(255, 0, 0);

constexpr int ringCount = 5;
constexpr int spokeRadius = 115;

Point AtRadians(int side, double radians, double r) {
    return Point{static_cast<int>(RadarCentreX(side) + r * std::cos(radians)),
                 static_cast<int>(radarCentreY - r * std::sin(radians))};
}

}  // namespace

Point RadarPoint(int side, double degrees, double r) { return AtRadians(side, degrees * chartPi / 180, r); }

Point LevelVertex(int side, int k, int level) { return RadarPoint(side, 90 - 72 * k, 20 * level + 5); }

void CreateRadarCanvas() {
    CreateSheet(logoSheet, screenWidth, screenHeight);
    ColorFill(logoSheet, 0, 0, screenWidth, screenHeight, colorKey);
    DrawRadarGrid(0);
}

void DrawBothRadarGrids() {
    ColorFill(logoSheet, 0, 0, screenWidth, screenHeight, colorKey);
    DrawRadarGrid(0);
    DrawRadarGrid(1);
}

void DrawRadarGrid(int side) {
    if (logoSheet == nullptr) return;
    BeginSurfaceText(logoSheet);
    SelectBrush(gridBrush);
    SelectPen(blackPen);
    SetBkMode(bkTransparent);
    // Outermost first: each smaller ring is filled over the one before, so
    // only the outlines stay.
    for (int ring = 0; ring < ringCount; ++ring) {
        const int r = 20 * (ringCount - ring) + 8;
        Point ringPoints[5];
        for (int k = 0; k < 5; ++k) ringPoints[k] = RadarPoint(side, 90 + 72 * k, r);
        Polygon(ringPoints, 5);
    }
    SelectBrush(blueBrush);
    for (int k = 0; k < 5; ++k) {
        MoveTo(RadarCentreX(side), radarCentreY);
        const Point end = AtRadians(side, (72 * k * chartPi + 56) / 180, spokeRadius);
        LineTo(end.x, end.y);
    }
    SelectPen(whitePen);
    for (const Point& c : plateCentre) {
        const int x = c.x + 320 * side;
        RoundRect(x - 32, c.y - 2, x + 32, c.y + 21, 10, 10);
    }
    EndText();
}

void ShowRadarCanvas() { BlitClipped(&backBuffer, 0, 0, logoSheet, keyedCopy, 0, 0, screenWidth, screenHeight); }

void DrawLevelPolygon(int side, const int8_t levels[5]) {
    Point vertices[5];
    for (int k = 0; k < 5; ++k) vertices[k] = LevelVertex(side, k, levels[k]);
    BeginText();
    SelectBrush(redBrush);
    SelectPen(redPen);
    Polygon(vertices, 5);
    EndText();
}

void DrawPlateNames(int side) {
    BeginText();
    SelectFont(smallFont);
    SetBkMode(bkTransparent);
    SetTextColor(MakeRgb(255, 255, 255));
    for (int k = 0; k < 5; ++k) {
        const int x = plateCentre[k].x + 320 * side;
        const int y = plateCentre[k].y;
        DrawTextInRect(shortNames[k], textCenter, x - 35, y, x + 35, y + 20);
    }
    EndText();
}
