#include <algorithm>
#include <string>
#include <vector>

#include "content/option_sheet.h"
#include "contentgen/match_art_style.h"
#include "contentgen/option_sheet_art.h"
#include "contentgen/sheet_words.h"

using namespace paletteLayout;

namespace {

// Difficulty plates in the colours the ranking gives the difficulties.
struct DifficultyLook {
    SheetWord word;
    int ramp;
};
const DifficultyLook difficulties[3] = {{SheetWord::OptionEasy, rampGreen}, {SheetWord::OptionNormal, rampBlue}, {SheetWord::OptionHard, rampRed}};

void Plate(Canvas& sheet, const SheetRect& r, float radius, int ramp) {
    DrawPlate(sheet, r.left + 0.5f, r.top + 0.5f, r.right - 0.5f, r.bottom - 0.5f, radius, ramp);
}

SheetRect Inset(const SheetRect& r, int left, int right) {
    return SheetRect{static_cast<int16_t>(r.left + left), r.top, static_cast<int16_t>(r.right - right), r.bottom};
}

// The totals at one size; "10" is squeezed into its plate rather than shrunk.
void TargetTotals(Canvas& sheet) {
    LabelStyle s = PlateLabel(rampOrange, 24);
    s.face = displayFace;
    s.bold = false;
    s.thicken = 0.4f;
    s.size = FittingSize("8", optionSheetLayout::TargetValue(1), s, 3);
    s.maxWidth = optionSheetLayout::TargetValue(0).Width() - 8;
    for (int v = 0; v < 4; ++v) {
        const SheetRect r = optionSheetLayout::TargetValue(v);
        Plate(sheet, r, 7, rampOrange);
        DrawSizedLabel(sheet, std::to_string(7 + v).c_str(), r, s, 3);
    }
}

void SoundValues(Canvas& sheet) {
    const char* const words[2] = {"ON", "OFF"};
    const int ramps[2] = {rampGreen, greyRamp};
    for (int v = 0; v < 2; ++v) {
        const SheetRect r = optionSheetLayout::SoundValue(v);
        Plate(sheet, r, 8, ramps[v]);
        LabelStyle s = PlateLabel(ramps[v], 20);
        s.face = displayFace;
        s.bold = false;
        s.thicken = 0.3f;
        DrawFittedLabel(sheet, words[v], r, s, 5);
    }
}

// A plate with the word and, at its right, as many lit stars as the level.
void DifficultyPlates(Canvas& sheet) {
    LabelStyle style = PlateLabel(rampBlue, 20);
    int size = 40;
    for (int v = 0; v < 3; ++v) {
        size = std::min(size, FittingSize(Word(difficulties[v].word), Inset(optionSheetLayout::DifficultyValue(v), 4, 58), style, 4));
    }
    for (int v = 0; v < 3; ++v) {
        const SheetRect r = optionSheetLayout::DifficultyValue(v);
        Plate(sheet, r, 9, difficulties[v].ramp);
        LabelStyle s = PlateLabel(difficulties[v].ramp, size);
        DrawSizedLabel(sheet, Word(difficulties[v].word), Inset(r, 4, 58), s, 4);
        for (int k = 0; k < 3; ++k) DrawStar(sheet, r.right - 48.0f + 16.0f * k, r.top + 18.5f, 7.5f, k <= v);
    }
}

// The frame before a sample: its tag ("見本") on a steel plate pointing at the sample.
void SampleFrame(Canvas& sheet) {
    const SheetRect r = optionSheetLayout::sampleFrame;
    const float l = r.left + 0.5f, t = r.top + 0.5f, rt = r.right - 0.5f, b = r.bottom - 0.5f;
    DrawPlate(sheet, l, t, rt - 10.0f, b, 8, steelRamp);
    const float cy = (t + b) * 0.5f;
    const std::vector<Point> tip = {{rt - 11.0f, cy - 8.0f}, {rt - 1.0f, cy}, {rt - 11.0f, cy + 8.0f}};
    FillShape(sheet, rt - 12.0f, t, rt, b, [&](float x, float y) { return PolygonDistance(x, y, tip) - 0.8f; },
              SolidIndex(RampShade(steelRamp, 1)));
    FillShape(sheet, rt - 12.0f, t, rt, b, [&](float x, float y) { return PolygonDistance(x, y, tip) + 0.8f; },
              SolidIndex(RampShade(rampYellow, 8)));
    LabelStyle s = PlateLabel(steelRamp, 20);
    DrawFittedLabel(sheet, Word(SheetWord::OptionSample), Inset(r, 2, 12), s, 5);
}

}  // namespace

void DrawOptionValues(Canvas& sheet) {
    TargetTotals(sheet);
    SoundValues(sheet);
    DifficultyPlates(sheet);
    SampleFrame(sheet);
}
