#pragma once
#include "contentgen/canvas.h"

// "Back\Option.bmp": the options screen's labels, value pictures, buttons,
// frame and answer pointer.
Canvas DrawOptionSheet();
