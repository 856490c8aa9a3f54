#pragma once
#include "contentgen/canvas.h"

// Item k's 32x32 icon (k 0..49) with its top left at (left, top).
void DrawItemIcon(Canvas& canvas, int item, float left, float top);
