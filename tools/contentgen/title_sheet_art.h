#pragma once
#include "content/sheet_rect.h"
#include "contentgen/canvas.h"

// "Back\Title.bmp", drawn piece by piece into the rectangles the game blits.
Canvas DrawTitleSheet();

void DrawTitleLogo(Canvas& sheet);
void DrawModeTiles(Canvas& sheet);
void DrawMenuButtons(Canvas& sheet);    // back, decide, the not-used covers
void DrawCursorPieces(Canvas& sheet);   // cursor frames, brackets, row marker, scroll arrows
void DrawBackgroundTiles(Canvas& sheet);

// A chunky arrow pointing right in the 24x24 box r: the row marker, and the
// answer pointer of the options sheet.
void DrawPointerArrow(Canvas& sheet, SheetRect r);
