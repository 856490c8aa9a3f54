#pragma once
#include "contentgen/canvas.h"

// "Back\Title.bmp", drawn piece by piece into the rectangles the game blits.
Canvas DrawTitleSheet();

void DrawTitleLogo(Canvas& sheet);
void DrawModeTiles(Canvas& sheet);
void DrawMenuButtons(Canvas& sheet);    // back, decide, the not-used covers
void DrawCursorPieces(Canvas& sheet);   // cursor frames, brackets, row marker, scroll arrows
void DrawBackgroundTiles(Canvas& sheet);
