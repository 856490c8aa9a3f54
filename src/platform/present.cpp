#include "platform/present.h"

#include "platform/backend.h"
#include "platform/draw_switch.h"
#include "platform/palette.h"
#include "platform/surface.h"

uint32_t presentCount = 0;
bool drawingSkipped = false;

void Present() {
    if (drawingSkipped) return;
    ++presentCount;
    backend::PresentFrame(backBuffer.pixels, displayPalette, paletteVersion);
}
