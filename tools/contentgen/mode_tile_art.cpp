#include <cmath>
#include <vector>

#include "content/title_sheet.h"
#include "contentgen/art_style.h"
#include "contentgen/mode_icons.h"
#include "contentgen/title_sheet_art.h"
#include "contentgen/sheet_words.h"

using namespace paletteLayout;

namespace {

// The tiles' colours; their words are the runs from ModeEndless and
// ModeEndlessTag in the word table.
const int modeRamps[8] = {rampOrange, rampRed, rampGreen, rampCyan, rampYellow, rampPurple, rampPink, rampBlue};

}  // namespace

void DrawModeTiles(Canvas& sheet) {
    for (int k = 0; k < 8; ++k) {
        const SheetRect r = titleSheetLayout::ModeTile(k);
        const int ramp = modeRamps[k];
        const float l = r.left, t = r.top, rt = r.right, b = r.bottom;
        DrawPlate(sheet, l, t, rt, b, 10, ramp);

        // Icon badge at the upper left.
        const float bx = l + 26.0f, by = t + 25.0f;
        FillCircle(sheet, bx, by + 1.5f, 19.0f, SolidIndex(RampShade(ramp, 1)));
        FillCircle(sheet, bx, by, 19.0f, SolidIndex(RampShade(ramp, 0)));
        FillCircle(sheet, bx, by, 17.0f,
                   LinearGradient(0, by - 17, MakeRgb(255, 255, 255), 0, by + 17, PaletteColour(RampShade(ramp, 10))));
        DrawModeIcon(sheet, k, bx, by);

        // The small word beside the badge.
        LabelStyle english = PlateLabel(ramp, 15);
        english.outlineWidth = 1.5f;
        english.shadowed = false;
        english.fill = Solid(PaletteColour(RampShade(ramp, 11)));
        english.maxWidth = 92;
        DrawLabel(sheet, Word(WordAfter(SheetWord::ModeEndlessTag, k)), l + 96.0f, t + 21.0f, english);
        // A thin rule under it.
        DrawLine(sheet, Point{l + 52.0f, t + 33.5f}, Point{rt - 10.0f, t + 33.5f}, 1.0f,
                 SolidIndex(RampShade(ramp, 9)));

        // The mode's name across the bottom.
        LabelStyle label = PlateLabel(ramp, 19);
        label.maxWidth = 136;
        DrawLabel(sheet, Word(WordAfter(SheetWord::ModeEndless, k)), (l + rt) * 0.5f, b - 20.0f, label);
    }
}
