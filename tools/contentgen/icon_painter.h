#pragma once
#include <vector>

#include "contentgen/canvas.h"

// Little helpers for the 32x32 item icons: every part is outlined in the dark
// of its colour ramp, shaded from a light upper left to a darker lower right
// and given a small highlight, so fifty objects share one look.
struct IconPainter {
    Canvas& canvas;
    float ox = 0, oy = 0;  // top left of the icon's cell
    float size = 32;       // the cell's width and height

    // A part given by its outline distance in cell coordinates.
    void Part(const Distance& shape, int ramp, float light = 9.0f, float dark = 4.0f, bool outlined = true) const;
    void Disc(float cx, float cy, float r, int ramp, float light = 9.0f, float dark = 4.0f) const;
    void Box(float l, float t, float r, float b, float radius, int ramp, float light = 9.0f, float dark = 4.0f) const;
    void Poly(const std::vector<Point>& points, int ramp, float light = 9.0f, float dark = 4.0f) const;
    void Stroke(Point a, Point b, float width, int ramp, float shade = 3.0f, bool outlined = true) const;
    // A flat dab of one palette entry, without outline.
    void Dab(const Distance& shape, uint8_t index, float opacity = 1.0f) const;
    void Spot(float cx, float cy, float r, uint8_t index, float opacity = 1.0f) const;
    // Soft white shine (an ellipse), for glassy and glossy things.
    void Shine(float cx, float cy, float rx, float ry, float opacity = 0.7f) const;
};

// Outline distance of an ellipse, close enough for drawing.
float EllipseDistance(float x, float y, float cx, float cy, float rx, float ry);
