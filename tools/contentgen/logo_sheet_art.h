#pragma once
#include "contentgen/canvas.h"

// "Back\Logo.bmp": the studio logo, its spinning emblem and the title's
// start and end plates.
Canvas DrawLogoSheet();
