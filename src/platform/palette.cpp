#include "platform/palette.h"

#include "platform/surface.h"

Rgb displayPalette[256];
uint32_t paletteVersion = 0;

void SetDisplayPalette(const Rgb (&entries)[256]) {
    for (int i = 0; i < 256; ++i) displayPalette[i] = entries[i];
    ++paletteVersion;
}

uint8_t NearestPaletteIndex(Rgb c) {
    // The colour key is never chosen: a drawing in it would vanish from sheets.
    int best = 0;
    int bestDistance = 1 << 30;
    for (int i = 0; i < 256; ++i) {
        if (i == colorKey) continue;
        const int dr = displayPalette[i].r - c.r;
        const int dg = displayPalette[i].g - c.g;
        const int db = displayPalette[i].b - c.b;
        const int distance = dr * dr + dg * dg + db * db;
        if (distance < bestDistance) {
            bestDistance = distance;
            best = i;
            if (distance == 0) break;
        }
    }
    return static_cast<uint8_t>(best);
}
