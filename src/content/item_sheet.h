#pragma once
#include "content/sheet_rect.h"

// "Back\Item.bmp" (372x220): the 50 item icons, the locked placeholder, the
// endless mode's two attack pictures and the gallery's title.
namespace itemSheetLayout {

constexpr int width = 372;
constexpr int height = 220;

constexpr int16_t I(int v) { return static_cast<int16_t>(v); }

// Icon of item k (0..49), 32x32, ten to a row on a 34-pixel pitch.
constexpr int itemCount = 50;
constexpr int iconSize = 32;
constexpr SheetRect Icon(int k) {
    return SheetRect{I(34 * (k % 10)), I(34 * (k / 10)), I(34 * (k % 10) + 32), I(34 * (k / 10) + 32)};
}
constexpr SheetRect lockedIcon{340, 0, 372, 32};

// The endless mode's EX attacks, shown beside the board.
constexpr SheetRect deleteAttackPicture{340, 34, 372, 66};
constexpr SheetRect maxdeleteAttackPicture{340, 68, 372, 100};

// Gallery title and the three pieces of its frame (caps and a stretched middle).
constexpr SheetRect galleryTitle{0, 170, 280, 220};
constexpr SheetRect titleFrameLeft{347, 170, 357, 220};
constexpr SheetRect titleFrameMiddle{357, 170, 362, 220};
constexpr SheetRect titleFrameRight{362, 170, 372, 220};

}  // namespace itemSheetLayout
