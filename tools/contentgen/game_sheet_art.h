#pragma once
#include "contentgen/canvas.h"

// "Back\Game.bmp", drawn piece by piece into the rectangles the match blits.
Canvas DrawGameSheet();

void DrawPanels(Canvas& sheet);           // both shape sets, live and failing rows
void DrawMatchCursors(Canvas& sheet);     // cursors, line frames, pause marker, arrows, NEXT markers
void DrawHudGlyphs(Canvas& sheet);        // digits, signs, colon, win label
void DrawPlayfieldPieces(Canvas& sheet);  // frame pieces, tiles, top line, gauges, markers, lamps, meter icons
void DrawMatchLabels(Canvas& sheet);      // information labels, popups, banners, puzzle words
void DrawMatchPictures(Canvas& sheet);    // countdown, start logo, pause, results

// The dark navy of the board's field: panels and cursors are edged against it.
Rgb FieldColour();
