#include <cmath>
#include <vector>

#include "content/title_sheet.h"
#include "contentgen/art_style.h"
#include "contentgen/title_sheet_art.h"
#include "contentgen/sheet_words.h"

using namespace paletteLayout;

namespace {

// The name, set letter by letter: the font's Latin is monospaced, so the
// letters are packed by their ink with the outlines running together.
void DrawName(Canvas& sheet, const char* letters, float cx, float cy) {
    LabelStyle name;
    name.face = gothicFace;
    name.size = 72;
    name.bold = false;
    name.thicken = 0.8f;
    name.centreInk = false;
    name.fill = [cy](float, float y) {
        // Gold with a bright upper half, like embossed metal.
        const float t = (y - (cy - 28.0f)) / 56.0f;
        if (t < 0.45f) return MixRgb(PaletteColour(HueShade(rampYellow, 10)), PaletteColour(HueShade(rampYellow, 7)), t / 0.45f);
        return MixRgb(PaletteColour(HueShade(rampYellow, 5)), PaletteColour(HueShade(rampOrange, 4)), (t - 0.45f) / 0.55f);
    };
    name.outline = PaletteColour(HueShade(rampBlue, 1));
    name.outlineWidth = 3.5f;
    name.shadowed = true;
    name.shadow = PaletteColour(HueShade(rampBlue, 0));
    name.shadowX = 2;
    name.shadowY = 4;

    std::vector<int> widths;
    const float gap = 1.0f, space = 16.0f;
    float total = 0.0f;
    for (const char* p = letters; *p != '\0'; ++p) {
        const char letter[2] = {*p, '\0'};
        const int w = *p == ' ' ? 0 : LabelInk(letter, name).width;
        widths.push_back(w);
        total += *p == ' ' ? space : static_cast<float>(w) + gap;
    }
    total -= gap;
    // Shadows and outlines first, for all letters, so no letter's rim cuts
    // into its neighbour's face.
    for (int pass = 0; pass < 2; ++pass) {
        float x = cx - total * 0.5f;
        int i = 0;
        for (const char* p = letters; *p != '\0'; ++p, ++i) {
            if (*p == ' ') {
                x += space;
                continue;
            }
            const char letter[2] = {*p, '\0'};
            LabelStyle style = name;
            if (pass == 0) {
                style.fill = Solid(name.outline);
            } else {
                style.outlined = false;
                style.shadowed = false;
            }
            DrawLabel(sheet, letter, x + widths[static_cast<size_t>(i)] * 0.5f, cy, style);
            x += static_cast<float>(widths[static_cast<size_t>(i)]) + gap;
        }
    }
}

}  // namespace

void DrawTitleLogo(Canvas& sheet) {
    const SheetRect area = titleSheetLayout::titleLogo;
    const float cx = (area.left + area.right) * 0.5f;

    // The tagline ribbon under the name.
    const float ribbonTop = area.top + 66.0f, ribbonBottom = area.top + 88.0f;
    FillRoundRect(sheet, cx - 112, ribbonTop, cx + 112, ribbonBottom, 11, SolidIndex(HueShade(rampBlue, 1)));
    FillRoundRect(sheet, cx - 110, ribbonTop + 2, cx + 110, ribbonBottom - 2, 9,
                  LinearGradient(0, ribbonTop, PaletteColour(HueShade(rampBlue, 6)), 0, ribbonBottom,
                                 PaletteColour(HueShade(rampBlue, 3))));
    LabelStyle tag = PlateLabel(rampBlue, 14);
    tag.shadowed = false;
    tag.outlineWidth = 1.5f;
    DrawLabel(sheet, Word(SheetWord::TitleTagline), cx, (ribbonTop + ribbonBottom) * 0.5f, tag);

    // Number panels either side of the ribbon: two lines that add up to 7.
    const float panel = 22.0f, y = ribbonTop;
    DrawNumberPanel(sheet, cx - 166, y, panel, rampRed, "3");
    DrawNumberPanel(sheet, cx - 142, y, panel, rampBlue, "4");
    DrawNumberPanel(sheet, cx + 120, y, panel, rampGreen, "2");
    DrawNumberPanel(sheet, cx + 144, y, panel, rampYellow, "5");

    DrawName(sheet, "Sum Line", cx, area.top + 34.0f);
}
