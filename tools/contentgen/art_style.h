#pragma once
#include <vector>

#include "contentgen/canvas.h"
#include "contentgen/canvas_text.h"

// The look shared by every sheet: glossy plates shaded along one hue ramp,
// white lettering edged in the plate's darkest shade, little number panels.

uint8_t RampShade(int ramp, int shade);  // a hue ramp, or steelRamp / greyRamp below
constexpr int steelRamp = 100;
constexpr int greyRamp = 101;

// Shades of a ramp from shadeTop at y0 to shadeBottom at y1, the steps
// between palette shades softened by a 2x2 dither.
Paint RampGradient(int ramp, float y0, float shadeTop, float y1, float shadeBottom);

// A raised plate: dark rim, body shaded from light (top) to dark (bottom),
// a gloss over the upper half and a thin inner highlight.
void DrawPlate(Canvas& canvas, float left, float top, float right, float bottom, float radius, int ramp);

// White lettering with a dark rim of the ramp and a soft drop shadow.
LabelStyle PlateLabel(int ramp, int size);

// A square number panel of the game with its digit.
void DrawNumberPanel(Canvas& canvas, float left, float top, float size, int ramp, const char* digit);

// Corners of a five-pointed star on (cx, cy), pointing up.
std::vector<Point> StarPoints(float cx, float cy, float outer, float inner);
