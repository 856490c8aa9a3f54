#pragma once
#include "content/sheet_rect.h"

// "Back\Logo.bmp": the bouncing logo, the emblem and the title's two plates.
namespace logoSheetLayout {

constexpr int width = 270;
constexpr int height = 204;

constexpr SheetRect bouncingLogo{0, 0, 220, 100};
constexpr SheetRect emblem{222, 0, 256, 33};
constexpr SheetRect startPlate{0, 102, 270, 152};
constexpr SheetRect endPlate{0, 154, 270, 204};

}  // namespace logoSheetLayout
