#pragma once
#include "content/sheet_rect.h"

// "Back\Rank.bmp" (288x177): the pictures of the ranking lines, shared by the
// ranking viewer and the new entry's line in the name entry.
namespace rankSheetLayout {

constexpr int width = 288;
constexpr int height = 177;

constexpr int16_t I(int v) { return static_cast<int16_t>(v); }

// Column headings (the max chain heading is two pictures, one above and to
// the left of the other).
constexpr SheetRect scoreHeading{0, 0, 65, 24};
constexpr SheetRect levelHeading{67, 0, 137, 24};
constexpr SheetRect timeHeading{139, 0, 207, 24};
constexpr SheetRect nameHeading{209, 0, 277, 24};
constexpr SheetRect gradeHeading{0, 26, 54, 50};
constexpr SheetRect maxChainHeadingTop{88, 52, 136, 76};
constexpr SheetRect maxChainHeadingBottom{136, 52, 208, 76};

// Order labels of the header box: best first, and turned around.
constexpr SheetRect orderNormalLabel{56, 26, 146, 50};
constexpr SheetRect orderReversedLabel{148, 26, 238, 50};

// Scroll marks, place marks and the colon of the time.
constexpr SheetRect scrollUpMark{0, 52, 24, 76};
constexpr SheetRect scrollDownMark{26, 52, 50, 76};
constexpr SheetRect firstPlaceMark{52, 52, 70, 76};
constexpr SheetRect firstPlaceSuffix{72, 52, 78, 58};  // after the first line's mark
constexpr SheetRect placeSuffix{72, 60, 78, 66};       // after every other place number
constexpr SheetRect colon{80, 52, 86, 76};

// Digit d (0..9), 18x24, laid out right to left.
constexpr int digitWidth = 18;
constexpr int digitHeight = 24;
constexpr SheetRect Digit(int d) { return SheetRect{I(180 - 20 * d), 153, I(198 - 20 * d), 177}; }

// Letters and signs of the name code table, 25x23: codes 0..25 "A".."Z",
// 26 "!", 27 "?", 28 ".". Codes 29..38 are drawn with Digit(code - 29).
constexpr int letterWidth = 25;
constexpr int letterHeight = 23;
constexpr int blankCode = 39;
constexpr SheetRect Letter(int code) {
    return SheetRect{I(27 * (code % 10)), I(78 + 25 * (code / 10)), I(27 * (code % 10) + 25),
                     I(78 + 25 * (code / 10) + 23)};
}
// Code 39, the blank "_", sits where code 29 would.
constexpr SheetRect blankLetter{243, 128, 268, 151};
// Grade letters reuse the letter pictures: "S", and "A".."G".
constexpr int sCode = 18;

// Line stripe of difficulty d (0..2), piece k (0 left cap, 1 stretchable
// middle, 2 right cap), 6 wide. A line shows the upper half (15 rows) over
// the lower half (15 rows); the two overlap on the sheet, so rows 86..93 of
// a stripe are a plain body that may repeat.
constexpr int stripeCapWidth = 6;
constexpr int stripeHalfHeight = 15;
constexpr SheetRect StripeUpper(int d, int k) {
    return SheetRect{I(270 + 6 * k), I(78 + 25 * d), I(276 + 6 * k), I(93 + 25 * d)};
}
constexpr SheetRect StripeLower(int d, int k) {
    return SheetRect{I(270 + 6 * k), I(86 + 25 * d), I(276 + 6 * k), I(101 + 25 * d)};
}
// The header box is cut like a stripe: difficulty 2's colours in the normal
// order, difficulty 0's when the order is turned around.
constexpr int headerStripeNormal = 2;
constexpr int headerStripeReversed = 0;

}  // namespace rankSheetLayout
