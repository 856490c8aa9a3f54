#include "platform/present.h"

#include "platform/backend.h"
#include "platform/draw_switch.h"
#include "platform/keys.h"
#include "platform/palette.h"
#include "platform/surface.h"

uint32_t presentCount = 0;
bool drawingSkipped = false;

void Present() {
    if (drawingSkipped) return;
    ++presentCount;
    // This frame has read its keys; presses that come in while it is shown
    // belong to the next.
    ClearKeyPresses();
    backend::PresentFrame(backBuffer.pixels, displayPalette, paletteVersion);
}
