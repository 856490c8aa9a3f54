#pragma once
#include <cstdint>

#include "content/rank_sheet.h"

// The viewer's six sort columns: their headings in the canvas and the place
// of the cursor's arrows around them.
enum RankingColumn : int8_t {
    nameColumn = 0,
    scoreColumn = 1,
    levelColumn = 2,
    chainColumn = 3,
    timeColumn = 4,
    gradeColumn = 5,
};
constexpr int rankingColumnCount = 6;
// The cursor value of the back button, left of the columns.
constexpr int8_t backButtonColumn = -1;
// From this column on the headings stand slid to the left.
constexpr int firstSlidColumn = chainColumn;

struct RankingColumnLayout {
    SheetRect heading;
    int16_t headingX = 0, headingY = 0;
    // The longest chain's heading is two pictures; the others leave this empty.
    SheetRect secondHeading;
    int16_t secondX = 0, secondY = 0;
    // Left edges of the cursor's two arrows, before the slide.
    int16_t cursorLeft = 0, cursorRight = 0;
};

inline constexpr RankingColumnLayout rankingColumns[rankingColumnCount] = {
    {rankSheetLayout::nameHeading, 135, 55, {}, 0, 0, 113, 211},
    {rankSheetLayout::scoreHeading, 310, 55, {}, 0, 0, 290, 377},
    {rankSheetLayout::levelHeading, 485, 55, {}, 0, 0, 465, 555},
    {rankSheetLayout::maxChainHeadingTop, 585, 36, rankSheetLayout::maxChainHeadingBottom, 600, 60, 565, 676},
    {rankSheetLayout::timeHeading, 720, 55, {}, 0, 0, 700, 793},
    {rankSheetLayout::gradeHeading, 870, 55, {}, 0, 0, 850, 927},
};
