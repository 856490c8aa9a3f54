#include <cmath>

#include "content/title_sheet.h"
#include "contentgen/art_style.h"
#include "contentgen/title_sheet_art.h"

using namespace paletteLayout;

namespace {

// Both tiles repeat seamlessly every 40 pixels and stay pale, so black and
// white lettering over them reads.

// Pale blue with soft diagonal bands.
void StripeTile(Canvas& sheet, SheetRect r) {
    for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 40; ++x) {
            const int band = ((x + y) / 10) % 2;  // period 20 along the diagonal divides 40
            SetPixel(sheet, r.left + x, r.top + y, band == 0 ? HueShade(rampBlue, 11) : SteelShade(9));
        }
    }
    // A small plus sign on the light band, the game's sum.
    const uint8_t mark = HueShade(rampBlue, 10);
    for (int i = -2; i <= 2; ++i) {
        SetPixel(sheet, r.left + 5 + i, r.top + 5, mark);
        SetPixel(sheet, r.left + 5, r.top + 5 + i, mark);
        SetPixel(sheet, r.left + 25 + i, r.top + 25, mark);
        SetPixel(sheet, r.left + 25, r.top + 25 + i, mark);
    }
}

// Pale lemon with a checker of faint rounded panels.
void PanelTile(Canvas& sheet, SheetRect r) {
    FillIndex(sheet, r.left, r.top, r.right, r.bottom, HueShade(rampYellow, 11));
    for (int cell = 0; cell < 4; ++cell) {
        const float x = r.left + 20.0f * (cell % 2), y = r.top + 20.0f * (cell / 2);
        const uint8_t tint = (cell == 0 || cell == 3) ? HueShade(rampOrange, 11) : HueShade(rampGreen, 11);
        FillRoundRect(sheet, x + 3, y + 3, x + 17, y + 17, 4, SolidIndex(tint));
    }
}

}  // namespace

void DrawBackgroundTiles(Canvas& sheet) {
    const bool blend = sheet.blendOverKey;
    sheet.blendOverKey = false;  // the tiles are opaque everywhere
    StripeTile(sheet, titleSheetLayout::BackgroundTile(0));
    PanelTile(sheet, titleSheetLayout::BackgroundTile(1));
    sheet.blendOverKey = blend;
}
