#pragma once
#include "contentgen/canvas.h"

// "Back\Item.bmp": the item icons, the locked placeholder, the endless
// mode's two attack pictures and the gallery's title with its frame.
Canvas DrawItemSheet();
