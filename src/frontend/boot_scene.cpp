#include "frontend/boot_scene.h"

#include "content/logo_sheet.h"
#include "content/title_sheet.h"
#include "frontend/logo_scene.h"
#include "options/options_file.h"
#include "platform/bitmap_loader.h"
#include "platform/surface.h"
#include "shell/scene.h"

void BootScene() {
    colorKey = 243;
    // Only when empty, so coming back this way never makes the sheets twice.
    if (mainSheet == nullptr) {
        CreateSheet(mainSheet, titleSheetLayout::width, titleSheetLayout::height);
        LoadBitmapToSurface(mainSheet, "Back\\Title.bmp");
    }
    if (logoSheet == nullptr) {
        CreateSheet(logoSheet, logoSheetLayout::width, logoSheetLayout::height);
        LoadBitmapToSurface(logoSheet, "Back\\Logo.bmp");
    }
    if (tileSurface == nullptr) CreateSheet(tileSurface, screenWidth, screenHeight);
    ReadOptionsFile();
    currentScene = LogoScene;
}
