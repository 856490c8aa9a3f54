#include "contentgen/title_sheet_art.h"

#include "content/title_sheet.h"

Canvas DrawTitleSheet() {
    Canvas sheet = MakeCanvas(titleSheetLayout::width, titleSheetLayout::height);
    // Shown over the light tiled background of the front end.
    sheet.blendOverKey = true;
    sheet.keyBackdrop = MakeRgb(222, 232, 246);
    DrawTitleLogo(sheet);
    DrawModeTiles(sheet);
    // The rest also appears over the blue panels of other screens: crisp
    // edges suit both.
    sheet.blendOverKey = false;
    DrawMenuButtons(sheet);
    DrawCursorPieces(sheet);
    DrawBackgroundTiles(sheet);
    return sheet;
}
