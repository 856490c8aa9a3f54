#pragma once
#include "contentgen/canvas.h"

// Small pictures of the eight modes, drawn centred on (cx, cy) inside a
// round badge of radius 17.
void DrawModeIcon(Canvas& canvas, int mode, float cx, float cy);
