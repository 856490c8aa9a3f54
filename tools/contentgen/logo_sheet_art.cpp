#include "contentgen/logo_sheet_art.h"

#include <algorithm>
#include <vector>

#include "content/logo_sheet.h"
#include "contentgen/art_style.h"
#include "contentgen/sheet_words.h"

using namespace paletteLayout;

namespace {

// The logo scene spins the emblem at (150, 20)-(184, 53) of the logo, after
// the four letter panels: the logo leaves that place empty, so the turning
// coin shows the screen behind it.

void StudioLogo(Canvas& sheet) {
    const SheetRect area = logoSheetLayout::bouncingLogo;
    const float l = area.left, t = area.top;
    // Four letter panels: the studio's name set like the game's panels.
    const char* letters[4] = {"K", "A", "Z", "U"};
    const int ramps[4] = {rampRed, rampOrange, rampGreen, rampBlue};
    for (int i = 0; i < 4; ++i) DrawNumberPanel(sheet, l + 12.0f + 34.0f * i, t + 19.0f, 32, ramps[i], letters[i]);

    // The second word on a dark band under the panels and the coin.
    const float bandTop = t + 60.0f, bandBottom = t + 82.0f;
    FillRoundRect(sheet, l + 12, bandTop, l + 184, bandBottom, 11, SolidIndex(HueShade(rampBlue, 0)));
    FillRoundRect(sheet, l + 13.5f, bandTop + 1.5f, l + 182.5f, bandBottom - 1.5f, 9.5f,
                  LinearGradient(0, bandTop, PaletteColour(HueShade(rampBlue, 4)), 0, bandBottom,
                                 PaletteColour(HueShade(rampBlue, 1))));
    LabelStyle works;
    works.face = gothicFace;
    works.size = 20;
    works.bold = false;  // thickening would close up the W
    works.fill = Solid(PaletteColour(white));
    works.outlined = false;
    // Letter-spaced by hand so the word spans the band.
    const char* word[5] = {"W", "O", "R", "K", "S"};
    for (int i = 0; i < 5; ++i) DrawLabel(sheet, word[i], l + 38.0f + 30.0f * i, (bandTop + bandBottom) * 0.5f, works);
    LabelStyle kana;
    kana.face = gothicFace;
    kana.size = 12;
    kana.bold = false;
    kana.fill = Solid(PaletteColour(SteelShade(2)));
    kana.outlined = false;
    DrawLabel(sheet, Word(SheetWord::LogoStudioReading), l + 98.0f, t + 91.0f, kana);
}

void Emblem(Canvas& sheet) {
    const SheetRect r = logoSheetLayout::emblem;
    const float cx = (r.left + r.right) * 0.5f, cy = (r.top + r.bottom) * 0.5f;
    const float radius = std::min(r.Width(), r.Height()) * 0.5f - 0.5f;
    FillCircle(sheet, cx, cy, radius, SolidIndex(HueShade(rampOrange, 1)));
    FillCircle(sheet, cx, cy, radius - 1.5f,
               LinearGradient(cx - radius, cy - radius, PaletteColour(HueShade(rampYellow, 9)), cx + radius, cy + radius,
                              PaletteColour(HueShade(rampOrange, 4))));
    StrokeCircle(sheet, cx, cy, radius - 4.0f, 1.5f, SolidIndex(HueShade(rampOrange, 3)));
    FillCircle(sheet, cx, cy, radius - 5.5f,
               LinearGradient(cx - radius, cy - radius, PaletteColour(HueShade(rampYellow, 6)), cx + radius, cy + radius,
                              PaletteColour(HueShade(rampYellow, 9))));
    FillPolygon(sheet, StarPoints(cx, cy + 0.5f, 9.5f, 4.0f), SolidIndex(HueShade(rampOrange, 3)));
    FillPolygon(sheet, StarPoints(cx, cy + 0.5f, 7.5f, 3.0f), SolidIndex(HueShade(rampYellow, 10)));
}

void Plate(Canvas& sheet, SheetRect r, const char* big, const char* small, int ramp) {
    const float l = r.left, t = r.top, rt = r.right, b = r.bottom;
    DrawPlate(sheet, l, t, rt, b, 8, ramp);
    LabelStyle title = PlateLabel(ramp, 28);
    title.thicken = 0.5f;
    title.fill = LinearGradient(0, t + 8, MakeRgb(255, 255, 255), 0, t + 32, PaletteColour(HueShade(rampYellow, 9)));
    DrawLabel(sheet, big, (l + rt) * 0.5f, t + 20.0f, title);
    LabelStyle sub = PlateLabel(ramp, 12);
    sub.shadowed = false;
    sub.outlineWidth = 1.5f;
    DrawLabel(sheet, small, (l + rt) * 0.5f, t + 40.0f, sub);
}

}  // namespace

Canvas DrawLogoSheet() {
    Canvas sheet = MakeCanvas(logoSheetLayout::width, logoSheetLayout::height);
    // Logo and emblem are shown on the light logo screen.
    sheet.blendOverKey = true;
    sheet.keyBackdrop = PaletteColour(logoBackground);
    StudioLogo(sheet);
    Emblem(sheet);
    // The plates sit on the title's pale tiles.
    sheet.keyBackdrop = MakeRgb(222, 232, 246);
    Plate(sheet, logoSheetLayout::startPlate, Word(SheetWord::LogoStart), Word(SheetWord::LogoStartSmall), rampBlue);
    Plate(sheet, logoSheetLayout::endPlate, Word(SheetWord::LogoEnd), Word(SheetWord::LogoEndSmall), rampBlue);
    return sheet;
}
