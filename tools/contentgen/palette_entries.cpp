#include "contentgen/palette_entries.h"

#include <vector>

namespace {

int Distance(Rgb a, Rgb b) {
    // Red-mean weighting: cheap and close enough to how the eye ranks colours.
    const int rMean = (a.r + b.r) / 2;
    const int dr = a.r - b.r, dg = a.g - b.g, db = a.b - b.b;
    return ((512 + rMean) * dr * dr >> 8) + 4 * dg * dg + ((767 - rMean) * db * db >> 8);
}

}  // namespace

const GamePalette& GamePaletteEntries() { return gamePaletteColours; }

uint8_t NearestGameColour(Rgb c, bool allowKey) {
    const GamePalette& p = GamePaletteEntries();
    if (allowKey && c == p[paletteLayout::transparent]) return paletteLayout::transparent;
    // Drawing asks for the same few thousand colours over and over.
    static std::vector<int16_t> cache(1 << 24, -1);
    const uint32_t key = (uint32_t{c.r} << 16) | (uint32_t{c.g} << 8) | c.b;
    if (cache[key] >= 0) return static_cast<uint8_t>(cache[key]);
    int best = 0;
    int bestDistance = Distance(c, p[0]);
    for (int i = 1; i < 256; ++i) {
        if (i == paletteLayout::transparent) continue;
        const int d = Distance(c, p[i]);
        if (d < bestDistance) {
            best = i;
            bestDistance = d;
        }
    }
    cache[key] = static_cast<int16_t>(best);
    return static_cast<uint8_t>(best);
}
