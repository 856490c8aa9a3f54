#include <algorithm>

#include "content/game_sheet.h"
#include "match/hud.h"
#include "match/hud_parts.h"
#include "platform/blit.h"
#include "platform/surface.h"

namespace {

constexpr int glyphStep = 14;
constexpr int maxDigits = 16;

constexpr int64_t powersOfTen[maxDigits] = {1LL,
                                            10LL,
                                            100LL,
                                            1000LL,
                                            10000LL,
                                            100000LL,
                                            1000000LL,
                                            10000000LL,
                                            100000000LL,
                                            1000000000LL,
                                            10000000000LL,
                                            100000000000LL,
                                            1000000000000LL,
                                            10000000000000LL,
                                            100000000000000LL,
                                            1000000000000000LL};

// Digit at a decimal place (0 = units) of a value; negatives show as 0.
int DigitAt(int32_t value, int place) {
    if (value <= 0) return 0;
    return static_cast<int>(value / powersOfTen[place] % 10);
}

}  // namespace

void DrawGlyph(int digit, int colour, int x, int y) {
    const SheetRect g = gameSheetLayout::Digit(std::clamp(digit, 0, 9), std::clamp(colour, -1, 1));
    BlitClipped(&backBuffer, x, y, mainSheet, keyedCopy, g.left, g.top, g.right, g.bottom);
}

void DrawSheetPicture(const SheetRect& picture, int x, int y) {
    BlitClipped(&backBuffer, x, y, mainSheet, keyedCopy, picture.left, picture.top, picture.right, picture.bottom);
}

int DigitCount(int64_t value) {
    int n = 1;
    while (value >= 10) {
        value /= 10;
        ++n;
    }
    return n;
}

void DrawNumber(int32_t low, int32_t high, int x, int y, int digits, int colour, int leadingZeros) {
    digits = std::clamp(digits, 0, maxDigits);
    bool shown = leadingZeros == 1;
    for (int i = 1; i <= digits; ++i) {
        // The places beyond the low eight come from the hundred-millions.
        const int d = i <= digits - 8 ? DigitAt(high, digits - 8 - i) : DigitAt(low, digits - i);
        if (d != 0) shown = true;
        if (shown) DrawGlyph(d, colour, x + glyphStep * i, y);
    }
}

void DrawProduct(int x, int y, int colour, int32_t a, int32_t b) {
    int at = x;
    for (int32_t rest = b; rest > 0; rest /= 10) {
        DrawGlyph(rest % 10, colour, at, y);
        at -= glyphStep;
    }
    DrawSheetPicture(gameSheetLayout::Times(std::clamp(colour, 0, 1)), at, y + 2);
    at -= glyphStep;
    if (a == 0) {
        DrawGlyph(0, colour, at, y);
        return;
    }
    for (int32_t rest = a; rest > 0; rest /= 10) {
        DrawGlyph(rest % 10, colour, at, y);
        at -= glyphStep;
    }
}
