#pragma once
#include "contentgen/canvas.h"

// "Back\screen1.bmp" .. "Back\screen4.bmp" (640x480), pattern 0..3: calm
// match backdrops, low in contrast so the boards and boxes over them read.
Canvas DrawBackdrop(int pattern);
