#include "contentgen/game_sheet_art.h"

#include "content/game_sheet.h"

Rgb FieldColour() { return MakeRgb(18, 24, 52); }

Canvas DrawGameSheet() {
    Canvas sheet = MakeCanvas(gameSheetLayout::width, gameSheetLayout::height);
    // Most pictures land on the dark field and boxes: soft edges are mixed
    // with that navy, and whatever is drawn on lighter ground keeps crisp edges.
    sheet.blendOverKey = true;
    sheet.keyBackdrop = FieldColour();
    DrawPanels(sheet);
    DrawMatchCursors(sheet);
    DrawHudGlyphs(sheet);
    DrawPlayfieldPieces(sheet);
    DrawMatchLabels(sheet);
    DrawMatchPictures(sheet);
    return sheet;
}
