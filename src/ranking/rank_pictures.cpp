#include "ranking/rank_pictures.h"

#include "content/rank_sheet.h"
#include "platform/blit.h"
#include "platform/surface.h"

namespace {

void Put(const SheetRect& r, int x, int y) {
    Blit(backdropSurface, x, y, itemSheet, keyedCopy, r.left, r.top, r.right, r.bottom);
}

}  // namespace

int RankLineTop(int line) { return 93 + 30 * line; }

void DrawRankDigits(int32_t value, int n, int x, int line, int showZeros) {
    if (value < 0) value = 0;
    int64_t place = 1;
    for (int k = 1; k < n; ++k) place *= 10;
    bool started = false;
    for (int k = 1; k <= n; ++k, place /= 10) {
        const int digit = static_cast<int>(value / place % 10);
        started = started || value >= place;
        if (started || showZeros == 1) Put(rankSheetLayout::Digit(digit), x + 18 * k, RankLineTop(line));
    }
}

void DrawRankLetter(int code, int x, int y) {
    if (code >= 29 && code <= 38) {
        Put(rankSheetLayout::Digit(code - 29), x + 3, y);
    } else if (code >= 0 && code <= 28) {
        Put(rankSheetLayout::Letter(code), x, y);
    } else {
        Put(rankSheetLayout::blankLetter, x, y);
    }
}

void DrawGradeMark(int grade, int x, int y) {
    constexpr int codeA = 0;
    if (grade <= 0) {
        for (int k = -1; k <= 1; ++k) DrawRankLetter(rankSheetLayout::sCode, x + 25 * k, y);
    } else if (grade == 1) {
        DrawRankLetter(rankSheetLayout::sCode, x - 12, y);
        DrawRankLetter(rankSheetLayout::sCode, x + 13, y);
    } else if (grade == 2) {
        DrawRankLetter(rankSheetLayout::sCode, x, y);
    } else if (grade == 3) {
        for (int k = -1; k <= 1; ++k) DrawRankLetter(codeA, x + 25 * k, y);
    } else if (grade == 4) {
        DrawRankLetter(codeA, x - 12, y);
        DrawRankLetter(codeA, x + 13, y);
    } else {
        // 5..11: one letter, "A" to "G".
        DrawRankLetter(codeA + (grade > 11 ? 6 : grade - 5), x, y);
    }
}

void DrawRankStripe(int difficulty, int left, int right, int y) {
    const int d = difficulty < 0 ? 0 : (difficulty > 2 ? 2 : difficulty);
    const int h = rankSheetLayout::stripeHalfHeight;
    for (int half = 0; half < 2; ++half) {
        const int top = y + h * half;
        const SheetRect leftCap = half == 0 ? rankSheetLayout::StripeUpper(d, 0) : rankSheetLayout::StripeLower(d, 0);
        const SheetRect middle = half == 0 ? rankSheetLayout::StripeUpper(d, 1) : rankSheetLayout::StripeLower(d, 1);
        const SheetRect rightCap = half == 0 ? rankSheetLayout::StripeUpper(d, 2) : rankSheetLayout::StripeLower(d, 2);
        Put(leftCap, left, top);
        BlitStretched(backdropSurface, itemSheet, keyedStretch, left + rankSheetLayout::stripeCapWidth, top, right, top + h,
                      middle.left, middle.top, middle.right, middle.bottom);
        Put(rightCap, right, top);
    }
}

void DrawRankFigure(int value, int x, int y) {
    if (value < 0) value = 0;
    const auto put = [y](int digit, int left) { Put(rankSheetLayout::Digit(digit), left, y); };
    if (value < 10) {
        const SheetRect d = rankSheetLayout::Digit(value);
        BlitStretched(backdropSurface, itemSheet, keyedStretch, x, y, x + 30, y + rankSheetLayout::digitHeight, d.left,
                      d.top, d.right, d.bottom);
    } else if (value < 100) {
        put(value / 10, x - 5);
        put(value % 10, x + 15);
    } else {
        put(value / 100 % 10, x - 15);
        put(value / 10 % 10, x + 5);
        put(value % 10, x + 25);
    }
}
