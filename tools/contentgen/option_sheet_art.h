#pragma once
#include "contentgen/canvas.h"

// "Back\Option.bmp": the options screen's labels, value pictures, buttons,
// sample frame and answer pointer, drawn piece by piece into the rectangles
// the screen blits.
Canvas DrawOptionSheet();

void DrawOptionLabels(Canvas& sheet);   // the five settings' names with their badges
void DrawOptionButtons(Canvas& sheet);  // end, recommended, reset
void DrawOptionValues(Canvas& sheet);   // target totals, sound, difficulty, sample frame
void DrawOptionSamples(Canvas& sheet);  // the four backdrops and the two panel shapes in small

// Small picture of setting i (0..4) centred on (cx, cy), about 24 across.
void DrawOptionIcon(Canvas& canvas, int setting, float cx, float cy);

// An arrow turning round on itself: back to the start.
void DrawTurnBackArrow(Canvas& canvas, float cx, float cy, int ramp);

// A gold star with a dark rim; hollow ones are a dim grey.
void DrawStar(Canvas& canvas, float cx, float cy, float outer, bool lit);
