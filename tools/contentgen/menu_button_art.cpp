#include <algorithm>
#include <cmath>

#include "content/title_sheet.h"
#include "contentgen/art_style.h"
#include "contentgen/title_sheet_art.h"
#include "contentgen/sheet_words.h"

using namespace paletteLayout;

namespace {

void BackButton(Canvas& sheet, SheetRect r) {
    const float l = r.left, t = r.top, rt = r.right, b = r.bottom;
    DrawPlate(sheet, l, t, rt, b, 9, steelRamp);
    // A bent arrow turning back.
    const float ax = l + 15.0f, ay = (t + b) * 0.5f;
    const Paint dark = SolidIndex(RampShade(steelRamp, 0));
    const Paint light = SolidIndex(white);
    FillPolygon(sheet, {{ax - 8, ay}, {ax + 1, ay - 8}, {ax + 1, ay + 8}}, dark);
    FillPolygon(sheet, {{ax - 6, ay}, {ax, ay - 5.5f}, {ax, ay + 5.5f}}, light);
    LabelStyle label = PlateLabel(steelRamp, 18);
    DrawLabel(sheet, Word(SheetWord::MenuBack), l + 49.0f, (t + b) * 0.5f, label);
}

void DecideButton(Canvas& sheet, SheetRect r) {
    const float l = r.left, t = r.top, rt = r.right, b = r.bottom;
    DrawPlate(sheet, l, t, rt, b, 9, rampBlue);
    // A check mark.
    const float cx = l + 15.0f, cy = (t + b) * 0.5f;
    DrawLine(sheet, Point{cx - 6, cy}, Point{cx - 1.5f, cy + 5}, 5.0f, SolidIndex(RampShade(rampBlue, 0)));
    DrawLine(sheet, Point{cx - 1.5f, cy + 5}, Point{cx + 7, cy - 6}, 5.0f, SolidIndex(RampShade(rampBlue, 0)));
    DrawLine(sheet, Point{cx - 6, cy}, Point{cx - 1.5f, cy + 5}, 2.5f, SolidIndex(RampShade(rampYellow, 8)));
    DrawLine(sheet, Point{cx - 1.5f, cy + 5}, Point{cx + 7, cy - 6}, 2.5f, SolidIndex(RampShade(rampYellow, 8)));
    LabelStyle label = PlateLabel(rampBlue, 20);
    DrawLabel(sheet, Word(SheetWord::MenuDecide), l + 48.0f, (t + b) * 0.5f, label);
}

// A greyed plate with hatching: the slot is switched off.
void NotUsedCover(Canvas& sheet, SheetRect r, float slope) {
    const float l = r.left, t = r.top, rt = r.right, b = r.bottom;
    FillRoundRect(sheet, l, t, rt, b, 6, SolidIndex(GreyShade(5)));
    FillRoundRect(sheet, l + 1.5f, t + 1.5f, rt - 1.5f, b - 1.5f, 5,
                  LinearGradient(0, t, PaletteColour(GreyShade(11)), 0, b, PaletteColour(GreyShade(8))));
    FillShape(
        sheet, l, t, rt, b,
        [=](float x, float y) {
            const float inside = RoundRectDistance(x, y, l + 3, t + 3, rt - 3, b - 3, 3);
            const float u = std::fmod(std::fabs(x * slope + y) + 1000.0f, 8.0f);
            const float stripe = std::fabs(u - 4.0f) - 1.2f;
            return std::max(inside, stripe);
        },
        SolidIndex(GreyShade(12)));
    StrokeRoundRect(sheet, l + 2.5f, t + 2.5f, rt - 2.5f, b - 2.5f, 4, 1.0f, SolidIndex(GreyShade(13)));
    LabelStyle label = PlateLabel(greyRamp, 18);
    label.outline = PaletteColour(GreyShade(3));
    label.shadow = PaletteColour(GreyShade(6));
    label.fill = Solid(PaletteColour(GreyShade(14)));
    DrawLabel(sheet, Word(SheetWord::MenuNotUsed), (l + rt) * 0.5f, (t + b) * 0.5f, label);
}

}  // namespace

void DrawMenuButtons(Canvas& sheet) {
    BackButton(sheet, titleSheetLayout::backTile);
    DecideButton(sheet, titleSheetLayout::decideButton);
    NotUsedCover(sheet, titleSheetLayout::notUsedCoverA, 1.0f);
    NotUsedCover(sheet, titleSheetLayout::notUsedCoverB, -1.0f);
}
