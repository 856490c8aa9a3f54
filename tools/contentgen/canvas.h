#pragma once
#include <cstdint>
#include <functional>
#include <vector>

#include "contentgen/palette_entries.h"

// An 8-bit picture being drawn: palette indices, top row first. Every drawing
// operation works in RGB with a coverage per pixel and maps the result to the
// nearest palette entry, so edges are smooth yet the sheet stays indexed.
struct Canvas {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> pixels;
    // Partly covered pixels over the colour key: blended with this colour
    // (the colour the sheet will be shown on) when set, else kept or dropped
    // at half coverage.
    bool blendOverKey = false;
    Rgb keyBackdrop{};
};

struct Point {
    float x = 0, y = 0;
};

// Colour at a point of the canvas.
using Paint = std::function<Rgb(float x, float y)>;
// Signed distance to a shape's outline at a point: negative inside.
using Distance = std::function<float(float x, float y)>;

Canvas MakeCanvas(int width, int height, uint8_t fill = paletteLayout::transparent);
uint8_t PixelAt(const Canvas& canvas, int x, int y);
void SetPixel(Canvas& canvas, int x, int y, uint8_t index);
void FillIndex(Canvas& canvas, int left, int top, int right, int bottom, uint8_t index);
void BlendPixel(Canvas& canvas, int x, int y, Rgb colour, float alpha);

// Paints.
Paint Solid(Rgb colour);
Paint SolidIndex(uint8_t index);
// Colour from a to b along the line (x0,y0)-(x1,y1), clamped beyond its ends.
Paint LinearGradient(float x0, float y0, Rgb a, float x1, float y1, Rgb b);
Rgb MixRgb(Rgb a, Rgb b, float t);

// Fills where the distance is below zero, antialiased over one pixel.
void FillShape(Canvas& canvas, float left, float top, float right, float bottom, const Distance& distance,
               const Paint& paint, float opacity = 1.0f);
// Paints the band of the given width just inside a shape's outline
// (inset moves the band further in).
void StrokeShape(Canvas& canvas, float left, float top, float right, float bottom, const Distance& distance,
                 float width, float inset, const Paint& paint);

// Distances of the basic shapes.
float RoundRectDistance(float x, float y, float left, float top, float right, float bottom, float radius);
float CircleDistance(float x, float y, float cx, float cy, float radius);
float SegmentDistance(float x, float y, Point a, Point b);
float PolygonDistance(float x, float y, const std::vector<Point>& points);

// Shorthands.
void FillRoundRect(Canvas& canvas, float left, float top, float right, float bottom, float radius, const Paint& paint);
void StrokeRoundRect(Canvas& canvas, float left, float top, float right, float bottom, float radius, float width,
                     const Paint& paint);
void FillCircle(Canvas& canvas, float cx, float cy, float radius, const Paint& paint);
void StrokeCircle(Canvas& canvas, float cx, float cy, float radius, float width, const Paint& paint);
void FillPolygon(Canvas& canvas, const std::vector<Point>& points, const Paint& paint);
void DrawLine(Canvas& canvas, Point a, Point b, float width, const Paint& paint);
