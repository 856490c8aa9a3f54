#include "platform/surface.h"

#include <cstring>

#include "platform/bitmap_loader.h"

uint8_t colorKey = 243;

namespace {
uint8_t backPixels[screenWidth * screenHeight];
int liveSheets = 0;

int ClampSize(int value) { return value < 1 ? 1 : (value > 4096 ? 4096 : value); }
}  // namespace

Surface backBuffer{screenWidth, screenHeight, backPixels};

Surface* mainSheet = nullptr;
Surface* itemSheet = nullptr;
Surface* backdropSurface = nullptr;
Surface* tileSurface = nullptr;
Surface* logoSheet = nullptr;
Surface* spareSurface = nullptr;

void CreateSheet(Surface*& slot, int width, int height) {
    EmptySlot(slot);
    Surface* sheet = new Surface;
    sheet->width = ClampSize(width);
    sheet->height = ClampSize(height);
    const size_t count = static_cast<size_t>(sheet->width) * static_cast<size_t>(sheet->height);
    sheet->pixels = new uint8_t[count];
    std::memset(sheet->pixels, 0, count);
    ForgetLoadedPicture(sheet);  // a new sheet where a freed one stood
    slot = sheet;
    ++liveSheets;
}

void EmptySlot(Surface*& slot) {
    if (slot == nullptr) return;
    ForgetLoadedPicture(slot);
    delete[] slot->pixels;
    delete slot;
    slot = nullptr;
    --liveSheets;
}

void EmptyAllSlots() {
    EmptySlot(mainSheet);
    EmptySlot(itemSheet);
    EmptySlot(backdropSurface);
    EmptySlot(tileSurface);
    EmptySlot(logoSheet);
    EmptySlot(spareSurface);
}

// For the tests (their probes header declares it).
int LiveSheetCount() { return liveSheets; }
