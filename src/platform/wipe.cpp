#include "platform/wipe.h"

#include "platform/blit.h"
#include "platform/surface.h"

int8_t wipeState = 0;
int8_t wipeWidth = 0;

namespace {
constexpr int stripCount = 16;
constexpr int stripWidth = 40;
}  // namespace

bool StripeWipe(int mode) {
    const int w = wipeWidth;
    for (int i = 0; i < stripCount; ++i) {
        const int stripLeft = stripWidth * i;
        if (w >= stripWidth) {
            ColorFill(&backBuffer, stripLeft, 0, stripLeft + stripWidth, screenHeight, 0);
        } else if (mode == 0) {
            ColorFill(&backBuffer, stripLeft, 0, stripLeft + w, screenHeight, 0);
        } else {
            ColorFill(&backBuffer, stripLeft + stripWidth - w, 0, stripLeft + stripWidth, screenHeight, 0);
        }
    }
    if (mode == 0) {
        wipeState = 1;
        // A closed wipe asked to close again stays closed: the width is a
        // signed byte and would wrap round past 127, uncovering the screen.
        wipeWidth = static_cast<int8_t>(w > 80 ? w : w + 2);
        if (wipeWidth > 80) {
            wipeState = 2;
            return true;
        }
        return false;
    }
    wipeWidth = static_cast<int8_t>(w - 2);
    if (wipeWidth <= 0) {
        wipeState = 0;
        // An open always ends with nothing covered, so the next close starts from 0.
        wipeWidth = 0;
        return true;
    }
    return false;
}
