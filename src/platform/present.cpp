#include "platform/present.h"

#include "platform/backend.h"
#include "platform/palette.h"
#include "platform/surface.h"

uint32_t presentCount = 0;

void Present() {
    ++presentCount;
    backend::PresentFrame(backBuffer.pixels, displayPalette, paletteVersion);
}
