#pragma once
#include "contentgen/canvas.h"

// The game's icon, size x size: four number panels on a glossy blue plate,
// each row adding up to seven, drawn like the logo's letter panels. Drawn at
// each size rather than scaled, so the small ones stay sharp; below 32 the
// panels go without their digits, which would be a blur there.
Canvas DrawAppIcon(int size);

// The sizes installed into the hicolor icon theme.
inline constexpr int appIconSizes[] = {16, 24, 32, 48, 64, 128, 256};

// The size of the window's own icon (content's sumline.bmp).
inline constexpr int windowIconSize = 64;
