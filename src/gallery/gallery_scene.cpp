#include "gallery/gallery_scene.h"

#include "content/item_sheet.h"
#include "gallery/gallery_drawing.h"
#include "gallery/gallery_guide.h"
#include "gallery/item_file.h"
#include "gallery/item_notice.h"
#include "platform/bitmap_loader.h"
#include "platform/clock.h"
#include "platform/keys.h"
#include "platform/present.h"
#include "platform/sound.h"
#include "platform/surface.h"
#include "platform/tiled_background.h"
#include "platform/wipe.h"
#include "shell/key_guide.h"
#include "shell/menu_input.h"
#include "shell/scene.h"
#include "shell/scene_links.h"

int8_t galleryCursor = 0;
int8_t galleryRepeatH = 0;
int8_t galleryRepeatV = 0;
uint32_t galleryBlinkMark = 0;

namespace {

void MoveCursor(int to) {
    galleryCursor = static_cast<int8_t>(to);
    galleryBlinkMark = TimeGetTime();
    RestartSound(seBuffer1, false);
}

// Left and right stay within the row of ten, up and down within the column
// of five; both wrap round.
void DirectionKeys() {
    const bool left = LeftHeld();
    const bool right = RightHeld();
    if (left && RepeatStep(galleryRepeatH)) MoveCursor(galleryCursor % 10 == 0 ? galleryCursor + 9 : galleryCursor - 1);
    if (right && RepeatStep(galleryRepeatH)) MoveCursor(galleryCursor % 10 == 9 ? galleryCursor - 9 : galleryCursor + 1);
    SettleRepeat(galleryRepeatH, left || right);
    const bool up = UpHeld();
    const bool down = DownHeld();
    if (up && RepeatStep(galleryRepeatV)) MoveCursor(galleryCursor < 10 ? galleryCursor + 40 : galleryCursor - 10);
    if (down && RepeatStep(galleryRepeatV)) MoveCursor(galleryCursor < 40 ? galleryCursor + 10 : galleryCursor - 40);
    SettleRepeat(galleryRepeatV, up || down);
}

bool LeaveKeyHeld() { return DecideHeld() || KeyHeld(menuKeys.back) || KeyHeld(menuKeys.escape); }

void Keys() {
    DirectionKeys();
    if (LeaveKeyHeld() && confirmHeld == 0) {
        RestartSound(seBuffer2, false);
        wipeState = 1;
        // Held on into the menu, the key must not decide there too.
        confirmHeld = 1;
    }
}

void Leave() {
    EmptySlot(itemSheet);
    galleryCursor = 0;
    boxGrowth = 0;
    currentScene = sceneLinks.mainMenu;
}

}  // namespace

void GalleryEnterScene() {
    CreateSheet(itemSheet, itemSheetLayout::width, itemSheetLayout::height);
    LoadBitmapToSurface(itemSheet, "Back\\Item.bmp");
    ReadItemFile(unlockFlags);
    currentScene = GalleryScene;
}

void GalleryScene() {
    SetKeyGuidePage(&galleryGuide);
    ScrollTiledBackground();
    if (wipeState == 0) Keys();
    // The decide key of the menu that led here is still held: it must be let
    // go before it can leave.
    if (!LeaveKeyHeld()) confirmHeld = 0;
    if (wipeState == 0) DrawGalleryBox();
    DrawGalleryTitle();
    DrawItemGrid();
    if (wipeState == 0) DrawGalleryCursor();
    if (wipeState == 2) {
        StripeWipe(1);
    } else if (wipeState == 1 && StripeWipe(0)) {
        Leave();
    }
    Present();
}

void ResetGalleryRecords() {
    galleryCursor = 0;
    galleryRepeatH = 0;
    galleryRepeatV = 0;
    galleryBlinkMark = 0;
    DefaultItemFile(unlockFlags);
    ResetItemNotice();
}
