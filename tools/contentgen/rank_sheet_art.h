#pragma once
#include "contentgen/canvas.h"

// "Back\Rank.bmp": headings, letters, digits, marks and the difficulty
// stripes of the ranking lines.
Canvas DrawRankSheet();
