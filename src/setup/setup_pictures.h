#pragma once
#include "content/item_sheet.h"
#include "content/sheet_rect.h"
#include "platform/blit.h"
#include "platform/surface.h"

// Pictures of the setup screens: the title sheet's buttons, markers and
// brackets (in mainSheet) and the item icons (in itemSheet), keyed.

inline void TitlePicture(const SheetRect& r, int x, int y) {
    BlitClipped(&backBuffer, x, y, mainSheet, keyedCopy, r.left, r.top, r.right, r.bottom);
}

inline void ItemIcon(int item, int x, int y) {
    const SheetRect r = itemSheetLayout::Icon(item);
    BlitClipped(&backBuffer, x, y, itemSheet, keyedCopy, r.left, r.top, r.right, r.bottom);
}

// The left and right bracket of phase f at their two places.
void DrawBrackets(int leftX, int rightX, int y, int f);
