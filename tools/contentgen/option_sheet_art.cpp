#include "contentgen/option_sheet_art.h"

#include <algorithm>

#include "content/option_sheet.h"
#include "contentgen/match_art_style.h"
#include "contentgen/title_sheet_art.h"
#include "contentgen/sheet_words.h"

using namespace paletteLayout;

namespace {

// All five names in one colour, so the values beside them stand out.
constexpr int labelRamp = rampBlue;


// Round badge holding a setting's picture, as on the menu's mode tiles.
void Badge(Canvas& sheet, float cx, float cy, float radius, int ramp) {
    FillCircle(sheet, cx, cy + 1.5f, radius, SolidIndex(RampShade(ramp, 1)));
    FillCircle(sheet, cx, cy, radius, SolidIndex(RampShade(ramp, 0)));
    FillCircle(sheet, cx, cy, radius - 2.0f,
               LinearGradient(0, cy - radius, MakeRgb(255, 255, 255), 0, cy + radius, PaletteColour(RampShade(ramp, 10))));
}

// Labels and buttons are 50 rows on the sheet, but the cursor frame leaves
// them 44 inside it (its lower border covers the last six): the plate keeps
// to those.
constexpr int plateHeight = 44;
SheetRect PlateOf(const SheetRect& r) {
    return SheetRect{r.left, r.top, r.right, static_cast<int16_t>(r.top + plateHeight)};
}

void DrawPlateIn(Canvas& sheet, const SheetRect& r, int ramp) {
    DrawPlate(sheet, r.left + 0.5f, r.top + 0.5f, r.right - 0.5f, r.bottom - 0.5f, 10, ramp);
}

// The room for the word, right of the picture.
SheetRect TextRoom(const SheetRect& r, int leftInset) {
    const SheetRect p = PlateOf(r);
    return SheetRect{static_cast<int16_t>(p.left + leftInset), p.top, p.right, p.bottom};
}

// A button: plate, a picture at its left, the word in the rest.
struct ButtonLook {
    SheetRect rect;
    const char* word;
    int ramp;
};

}  // namespace

void DrawOptionLabels(Canvas& sheet) {
    // One size for all five, as large as the four-letter names allow; the
    // longer ones are drawn a little narrower rather than smaller.
    LabelStyle style = PlateLabel(labelRamp, 20);
    style.thicken = 0.6f;
    style.size = FittingSize(Word(SheetWord::OptionSound), TextRoom(optionSheetLayout::Label(1), 46), style, 5);
    style.maxWidth = TextRoom(optionSheetLayout::Label(0), 46).Width() - 12;
    for (int i = 0; i < optionSheetLayout::settingCount; ++i) {
        const SheetRect r = optionSheetLayout::Label(i);
        DrawPlateIn(sheet, PlateOf(r), labelRamp);
        const float bx = r.left + 23.0f, by = r.top + plateHeight * 0.5f;
        Badge(sheet, bx, by, 16.0f, labelRamp);
        DrawOptionIcon(sheet, i, bx, by);
        DrawSizedLabel(sheet, Word(WordAfter(SheetWord::OptionTarget, i)), TextRoom(r, 46), style, 5);
    }
}

void DrawOptionButtons(Canvas& sheet) {
    const ButtonLook buttons[3] = {
        {optionSheetLayout::endButton, Word(SheetWord::OptionEnd), steelRamp},
        {optionSheetLayout::recommendedButton, Word(SheetWord::OptionRecommended), rampOrange},
        {optionSheetLayout::resetButton, Word(SheetWord::OptionReset), rampGreen},
    };
    LabelStyle style = PlateLabel(rampBlue, 20);
    int size = 40;
    for (const ButtonLook& b : buttons) size = std::min(size, FittingSize(b.word, TextRoom(b.rect, 46), style, 6));
    for (int k = 0; k < 3; ++k) {
        const ButtonLook& b = buttons[k];
        const SheetRect r = b.rect;
        DrawPlateIn(sheet, PlateOf(r), b.ramp);
        const float cx = r.left + 25.0f, cy = r.top + plateHeight * 0.5f;
        if (k == 0) {
            // Done: a check mark.
            const Point a{cx - 8, cy}, m{cx - 2.5f, cy + 6}, e{cx + 9, cy - 8};
            DrawLine(sheet, a, m, 6.0f, SolidIndex(RampShade(b.ramp, 0)));
            DrawLine(sheet, m, e, 6.0f, SolidIndex(RampShade(b.ramp, 0)));
            DrawLine(sheet, a, m, 3.0f, SolidIndex(RampShade(rampYellow, 8)));
            DrawLine(sheet, m, e, 3.0f, SolidIndex(RampShade(rampYellow, 8)));
        } else if (k == 1) {
            DrawStar(sheet, cx, cy + 1.0f, 12.0f, true);
        } else {
            DrawTurnBackArrow(sheet, cx, cy, b.ramp);
        }
        LabelStyle s = PlateLabel(b.ramp, size);
        DrawSizedLabel(sheet, b.word, TextRoom(r, 46), s, 6);
    }
}

Canvas DrawOptionSheet() {
    Canvas sheet = MakeCanvas(optionSheetLayout::width, optionSheetLayout::height);
    // Shown over the light tiled background of the front end.
    sheet.blendOverKey = true;
    sheet.keyBackdrop = MakeRgb(222, 232, 246);
    DrawOptionLabels(sheet);
    DrawOptionButtons(sheet);
    DrawOptionValues(sheet);
    DrawOptionSamples(sheet);
    // The pointer stands on the blue box of the save question: crisp edges.
    sheet.blendOverKey = false;
    DrawPointerArrow(sheet, optionSheetLayout::answerPointer);
    return sheet;
}
