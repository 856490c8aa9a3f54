#include <cmath>
#include <vector>

#include "content/title_sheet.h"
#include "contentgen/art_style.h"
#include "contentgen/mode_icons.h"
#include "contentgen/title_sheet_art.h"

using namespace paletteLayout;

namespace {

struct ModeTileLook {
    const char* label;
    const char* english;
    int ramp;
};

const ModeTileLook modeTiles[8] = {
    {"ひとりであそぶ", "ENDLESS", rampOrange},
    {"ふたりであそぶ", "VERSUS", rampRed},
    {"パズル", "PUZZLE", rampGreen},
    {"練習", "PRACTICE", rampCyan},
    {"パズルエディット", "EDIT", rampYellow},
    {"ランキング", "RANKING", rampPurple},
    {"アイテム", "ITEM", rampPink},
    {"オプション", "OPTION", rampBlue},
};

}  // namespace

void DrawModeTiles(Canvas& sheet) {
    for (int k = 0; k < 8; ++k) {
        const SheetRect r = titleSheetLayout::ModeTile(k);
        const ModeTileLook& look = modeTiles[k];
        const float l = r.left, t = r.top, rt = r.right, b = r.bottom;
        DrawPlate(sheet, l, t, rt, b, 10, look.ramp);

        // Icon badge at the upper left.
        const float bx = l + 26.0f, by = t + 25.0f;
        FillCircle(sheet, bx, by + 1.5f, 19.0f, SolidIndex(RampShade(look.ramp, 1)));
        FillCircle(sheet, bx, by, 19.0f, SolidIndex(RampShade(look.ramp, 0)));
        FillCircle(sheet, bx, by, 17.0f,
                   LinearGradient(0, by - 17, MakeRgb(255, 255, 255), 0, by + 17, PaletteColour(RampShade(look.ramp, 10))));
        DrawModeIcon(sheet, k, bx, by);

        // English word beside the badge.
        LabelStyle english = PlateLabel(look.ramp, 15);
        english.outlineWidth = 1.5f;
        english.shadowed = false;
        english.fill = Solid(PaletteColour(RampShade(look.ramp, 11)));
        english.maxWidth = 92;
        DrawLabel(sheet, look.english, l + 96.0f, t + 21.0f, english);
        // A thin rule under it.
        DrawLine(sheet, Point{l + 52.0f, t + 33.5f}, Point{rt - 10.0f, t + 33.5f}, 1.0f,
                 SolidIndex(RampShade(look.ramp, 9)));

        // The Japanese name across the bottom.
        LabelStyle label = PlateLabel(look.ramp, 19);
        label.maxWidth = 136;
        DrawLabel(sheet, look.label, (l + rt) * 0.5f, b - 20.0f, label);
    }
}
