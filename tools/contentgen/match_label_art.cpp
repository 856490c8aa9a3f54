#include <algorithm>
#include <cmath>
#include <cstddef>

#include "content/game_sheet.h"
#include "contentgen/game_sheet_art.h"
#include "contentgen/match_art_style.h"
#include "contentgen/sheet_words.h"

using namespace paletteLayout;

namespace {

// Headings of the information boxes: pale lettering on the slate boxes.
LabelStyle BoxLabel() {
    LabelStyle s;
    s.face = gothicFace;
    s.bold = true;
    s.thicken = 1.0f;
    // The boxes are dark: a hard shadow gives depth where a rim would vanish.
    s.outlined = false;
    s.outlineWidth = 0.0f;
    s.shadowed = true;
    s.shadow = MakeRgb(0, 0, 0);
    s.shadowX = 1;
    s.shadowY = 1;
    s.fill = [](float, float y) {
        // Light at the top of each line of lettering, a cool tint below.
        const float t = static_cast<float>(static_cast<int>(y) % 26) / 24.0f;
        return MixRgb(MakeRgb(255, 255, 255), PaletteColour(HueShade(rampCyan, 9)), t);
    };
    return s;
}

LabelStyle WarmLabel(int ramp, float top, float bottom) {
    LabelStyle s;
    s.face = gothicFace;
    s.bold = true;
    s.outline = PaletteColour(RampShade(ramp, 0));
    s.outlineWidth = 2.0f;
    s.shadowed = false;
    s.fill = LinearGradient(0, top, PaletteColour(HueShade(rampYellow, 11)), 0, bottom, PaletteColour(RampShade(ramp, 7)));
    return s;
}

// A glossy banner plate with its word.
void Banner(Canvas& sheet, SheetRect r, const char* word, int ramp) {
    DrawPlate(sheet, r.left + 0.5f, r.top + 0.5f, r.right - 0.5f, r.bottom - 0.5f, 8.0f, ramp);
    LabelStyle s = PlateLabel(ramp, 16);
    s.shadowed = false;
    s.outlineWidth = 1.5f;
    DrawFittedLabel(sheet, word, r, s, 1);
}

struct BoxWord {
    SheetRect rect;
    const char* text;
};

// Draws a set of words at one size: the largest at which all of them fit
// their height; a word too wide for its box is squeezed into it.
void DrawWordSet(Canvas& sheet, const BoxWord* words, size_t count, LabelStyle style, int padding, Align align) {
    int size = 200;
    for (size_t i = 0; i < count; ++i) {
        const SheetRect r = words[i].rect;
        const SheetRect tall{r.left, r.top, static_cast<int16_t>(r.left + 400), r.bottom};
        size = std::min(size, FittingSize(words[i].text, tall, style, padding));
    }
    style.size = size;
    const int rim = static_cast<int>(std::ceil(style.outlineWidth));
    for (size_t i = 0; i < count; ++i) {
        style.maxWidth = words[i].rect.Width() - 2 * padding - 2 * rim;
        DrawSizedLabel(sheet, words[i].text, words[i].rect, style, padding, align);
    }
}

}  // namespace

void DrawMatchLabels(Canvas& sheet) {
    using namespace gameSheetLayout;
    const Rgb backdrop = sheet.keyBackdrop;
    sheet.keyBackdrop = PaletteColour(SteelShade(1));  // the information boxes
    const BoxWord headings[] = {
        {clockLabel, Word(SheetWord::MatchClock)},
        {bestScoreLabel, Word(SheetWord::MatchBestScore)},
        {levelLabel, Word(SheetWord::MatchLevel)},
        {longestChainLabel, Word(SheetWord::MatchLongestChain)},
        {attackMeterLabel, Word(SheetWord::MatchAttack)},
        {panelsClearedLabel, Word(SheetWord::MatchPanelsCleared)},
        {problemLabel, Word(SheetWord::MatchProblem)},
        {goalLabel, Word(SheetWord::MatchGoal)},
    };
    DrawWordSet(sheet, headings, sizeof headings / sizeof headings[0], BoxLabel(), 1, Align::left);

    // The puzzle box's words stand between figures: centred in their boxes.
    const BoxWord words[] = {
        {goalChainWord, Word(SheetWord::GoalChain)},
        {goalReachWord, Word(SheetWord::GoalReach)},
        {goalPanelsWord, Word(SheetWord::GoalPanels)},
        {goalCountWord, Word(SheetWord::GoalCount)},
        {goalPointsWord, Word(SheetWord::GoalPoints)},
        {goalOrMoreWord, Word(SheetWord::GoalOrMore)},
        {goalClearWord, Word(SheetWord::GoalClear)},
        {goalEarnWord, Word(SheetWord::GoalEarn)},
        {goalExclaim, Word(SheetWord::GoalExclaim)},
        {sumWord, Word(SheetWord::GoalSum)},
        {sumTailWord, Word(SheetWord::GoalSumTail)},
        {swapWord, Word(SheetWord::GoalSwap)},
        {swapTimesWord, Word(SheetWord::GoalSwapTimes)},
        {swapFreeWord, Word(SheetWord::GoalSwapFree)},
        {swapNoneWord, Word(SheetWord::GoalSwapNone)},
    };
    LabelStyle wordStyle = BoxLabel();
    wordStyle.fill = Solid(MakeRgb(255, 255, 255));
    DrawWordSet(sheet, words, sizeof words / sizeof words[0], wordStyle, 1, Align::centre);
    DrawFittedLabel(sheet, Word(SheetWord::GoalClearAll), goalClearAll, WarmLabel(rampOrange, goalClearAll.top + 4, goalClearAll.bottom - 4), 1);

    // Popups over the board.
    sheet.keyBackdrop = FieldColour();
    DrawFittedLabel(sheet, Word(SheetWord::PopupChain), chainLabel, WarmLabel(rampOrange, chainLabel.top + 2, chainLabel.bottom - 2), 0);
    LabelStyle miss = WarmLabel(rampRed, missLabel.top + 3, missLabel.bottom - 3);
    miss.fill = LinearGradient(0, missLabel.top + 3, PaletteColour(HueShade(rampPink, 11)), 0, missLabel.bottom - 3,
                               PaletteColour(HueShade(rampRed, 6)));
    DrawFittedLabel(sheet, Word(SheetWord::PopupMiss), missLabel, miss, 1);
    Banner(sheet, clearBanner, Word(SheetWord::PopupAllClear), rampPink);
    sheet.keyBackdrop = PaletteColour(SteelShade(1));
    Banner(sheet, bonusBanner, Word(SheetWord::PopupBonus), rampYellow);
    sheet.keyBackdrop = backdrop;
}
