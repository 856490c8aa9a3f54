#include "gallery/gallery_drawing.h"

#include <cstdio>

#include "content/game_texts.h"
#include "content/item_sheet.h"
#include "gallery/gallery_scene.h"
#include "gallery/item_file.h"
#include "gallery/item_names.h"
#include "gallery/unlock_rules.h"
#include "platform/blit.h"
#include "platform/clock.h"
#include "platform/surface.h"
#include "platform/text.h"
#include "shell/menu_input.h"

namespace {

// Cell of item i: icons on a 52 x 48 grid of ten columns.
int CellX(int i) { return 74 + 52 * (i % 10); }
int CellY(int i) { return 110 + 48 * (i / 10); }

void Copy(const SheetRect& r, int x, int y) {
    BlitClipped(&backBuffer, x, y, itemSheet, keyedCopy, r.left, r.top, r.right, r.bottom);
}

void Stretch(const SheetRect& r, int left, int top, int right, int bottom) {
    BlitStretched(&backBuffer, itemSheet, keyedStretch, left, top, right, bottom, r.left, r.top, r.right, r.bottom);
}

}  // namespace

void DrawGalleryBox() {
    BeginPanelText(smallFont);
    const int g = boxGrowth;
    RoundRect(319 - 30 * g, 409 - 6 * g, 319 + 30 * g, 409 + 6 * g, 10, 10);
    if (g < 10) {
        ++boxGrowth;
    } else {
        char line[160];
        const ItemName item = ItemNameOf(galleryCursor);
        std::snprintf(line, sizeof line, Tr(TextName::GalleryItemTitle), galleryCursor + 1, item.name);
        TextOut(30, 355, line);
        // A locked item is named too: the player sees what is to be won.
        TextOut(30, 385, item.description);
        if (unlockFlags.unlocked[galleryCursor] != 1) {
            std::snprintf(line, sizeof line, Tr(TextName::GalleryUnlockRule), UnlockHint(galleryCursor));
            TextOut(30, 415, line);
        }
    }
    EndText();
}

void DrawGalleryTitle() {
    Stretch(itemSheetLayout::titleFrameLeft, 170, 20, 180, 70);
    Stretch(itemSheetLayout::titleFrameMiddle, 180, 20, 460, 70);
    Stretch(itemSheetLayout::titleFrameRight, 460, 20, 470, 70);
    Copy(itemSheetLayout::galleryTitle, 180, 20);
}

void DrawItemGrid() {
    for (int i = 0; i < itemCount; ++i)
        Copy(unlockFlags.unlocked[i] == 1 ? itemSheetLayout::Icon(i) : itemSheetLayout::lockedIcon, CellX(i), CellY(i));
}

void DrawGalleryCursor() {
    const uint32_t now = TimeGetTime();
    if (now - galleryBlinkMark > 199) galleryBlinkMark = now;
    const int f = static_cast<int>((now - galleryBlinkMark) / 100);
    DrawCornerFrame(CellX(galleryCursor) - 7, CellY(galleryCursor) - 7, f);
}
