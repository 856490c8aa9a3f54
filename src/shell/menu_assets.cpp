#include "shell/menu_assets.h"

#include "content/title_sheet.h"
#include "platform/bitmap_loader.h"
#include "platform/sound.h"
#include "platform/surface.h"
#include "platform/tiled_background.h"

int8_t tileToggle = 0;

void BuildTiledBackground() {
    const SheetRect tile = titleSheetLayout::BackgroundTile(tileToggle);
    FillTileSurface(mainSheet, tile.left, tile.top, tile.right, tile.bottom);
    tileToggle = static_cast<int8_t>(1 - tileToggle);
}

void ReloadTitleSheet() {
    CreateSheet(mainSheet, titleSheetLayout::reloadWidth, titleSheetLayout::reloadHeight);
    LoadBitmapToSurface(mainSheet, "Back\\Title.bmp");
    BuildTiledBackground();
}

void LoadMenuSounds() {
    StopSound(bgmBuffer);
    EmptySoundSlot(bgmBuffer);
    EmptySoundSlot(seBuffer1);
    EmptySoundSlot(seBuffer2);
    LoadSoundBuffer(bgmBuffer, "Sound\\Opening.wav");
    LoadSoundBuffer(seBuffer1, "Sound\\Select.wav");
    LoadSoundBuffer(seBuffer2, "Sound\\Ok.wav");
}

void ReleaseMenuAssets() {
    StopSound(bgmBuffer);
    EmptySoundSlot(bgmBuffer);
    EmptySlot(mainSheet);
    EmptySlot(backdropSurface);
    EmptySlot(itemSheet);
}
