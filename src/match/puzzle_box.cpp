#include <algorithm>

#include "content/game_sheet.h"
#include "match/hud.h"
#include "match/hud_parts.h"
#include "match/match_state.h"
#include "match/puzzle_rules.h"
#include "platform/language.h"

namespace {

using namespace gameSheetLayout;

constexpr int glyphStep = 14;

// How each goal is written: an optional word before the figure, where the
// figure goes, how many places it takes at least and at most, and the words
// that follow it.
struct GoalLayout {
    const SheetRect* lead;
    int figureX;
    int minDigits;
    int maxDigits;
    int tailCount;
    const SheetRect* tail[4];
};

// The English tiles read in the Japanese order ("[3] chain to win!", "[5000]
// pts or more to win!") but one: the panels' count has no word of its own in
// English, so "Clear [40] or more panels!" goes on from the figure without
// the empty count tile's gap.
constexpr GoalLayout goalLayouts[languageCount][4] = {
    {
        {nullptr, 0, 0, 0, 0, {}},
        {nullptr, 276, 1, 3, 2, {&goalChainWord, &goalReachWord}},
        {&goalPanelsWord, 369, 2, 4, 4, {&goalCountWord, &goalOrMoreWord, &goalClearWord, &goalExclaim}},
        {nullptr, 276, 4, 7, 4, {&goalPointsWord, &goalOrMoreWord, &goalEarnWord, &goalExclaim}},
    },
    {
        {nullptr, 0, 0, 0, 0, {}},
        {nullptr, 276, 1, 3, 2, {&goalChainWord, &goalReachWord}},
        {&goalPanelsWord, 369, 2, 4, 3, {&goalOrMoreWord, &goalClearWord, &goalExclaim}},
        {nullptr, 276, 4, 7, 4, {&goalPointsWord, &goalOrMoreWord, &goalEarnWord, &goalExclaim}},
    },
};

void DrawGoal(int type, int32_t goalValue, int dy) {
    if (type <= 0 || type > 3) {
        DrawSheetPicture(goalClearAll, 290, 310 + dy);
        return;
    }
    const GoalLayout& g = goalLayouts[static_cast<int>(CurrentLanguage())][type];
    if (g.lead != nullptr) DrawSheetPicture(*g.lead, 290, 310 + dy);
    const int32_t value = std::max(goalValue, 0);
    const int digits = std::clamp(DigitCount(value), g.minDigits, g.maxDigits);
    DrawNumber(value, 0, g.figureX, 315 + dy, digits, 0, 0);
    // The words follow the figure, 14 pixels further for every further place.
    int x = g.figureX + glyphStep * (digits + 1) + 2;
    for (int i = 0; i < g.tailCount; ++i) {
        DrawSheetPicture(*g.tail[i], x, 310 + dy);
        x += g.tail[i]->Width();
    }
}

void DrawSwapLimit(int allowance, int dy) {
    if (allowance == -2) {
        DrawSheetPicture(swapNoneWord, 477, 400 + dy);
    } else if (allowance == -1) {
        DrawSheetPicture(swapFreeWord, 477, 400 + dy);
    } else if (allowance >= 0) {
        const int digits = std::min(DigitCount(allowance), 3);
        DrawSheetPicture(swapWord, 470, 400 + dy);
        if (allowance == 0) DrawGlyph(0, 0, 511 + glyphStep, 405 + dy);
        else DrawNumber(allowance, 0, 511, 405 + dy, digits, 0, 0);
        DrawSheetPicture(swapTimesWord, 511 + glyphStep * (digits + 1) + 2, 400 + dy);
    }
}

}  // namespace

void DrawPuzzleRules(int goalType, int32_t goalValue, int targetSum, int swapLimit, int dy) {
    DrawGoal(goalType, goalValue, dy);
    DrawSheetPicture(sumWord, 325, 370 + dy);
    DrawNumber(targetSum, 0, 365, 374 + dy, 2, 0, 0);
    DrawSheetPicture(sumTailWord, 410, 370 + dy);
    DrawSwapLimit(swapLimit, dy);
}

void DrawPuzzleBox() {
    const int number = std::clamp(puzzleIndex + 1, 1, 100);
    DrawSheetPicture(problemLabel, 360, 280);
    DrawNumber(number, 0, 440, 283, DigitCount(number), 0, 0);
    DrawPuzzleRules(PuzzleGoalType(), PuzzleGoalValue(), TargetTotal(), PuzzleSwapAllowance(), 0);
}
