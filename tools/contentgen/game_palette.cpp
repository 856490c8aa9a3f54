#include "contentgen/game_palette.h"

#include <vector>

namespace {

using namespace paletteLayout;

// Anchors of each hue ramp: the darkest shade, the full colour (shade 5) and
// the palest tint (shade 11).
struct RampAnchors {
    Rgb dark, base, pale;
};
const RampAnchors hueAnchors[hueRampCount] = {
    {MakeRgb(70, 8, 16), MakeRgb(228, 36, 48), MakeRgb(255, 224, 224)},    // red
    {MakeRgb(80, 30, 0), MakeRgb(245, 132, 20), MakeRgb(255, 234, 206)},   // orange
    {MakeRgb(88, 62, 0), MakeRgb(250, 208, 30), MakeRgb(255, 248, 212)},   // yellow
    {MakeRgb(8, 58, 22), MakeRgb(52, 184, 72), MakeRgb(220, 250, 218)},    // green
    {MakeRgb(0, 56, 72), MakeRgb(22, 182, 198), MakeRgb(212, 248, 250)},   // cyan
    {MakeRgb(10, 24, 96), MakeRgb(40, 100, 230), MakeRgb(216, 230, 255)},  // blue
    {MakeRgb(44, 10, 80), MakeRgb(140, 72, 210), MakeRgb(236, 222, 255)},  // purple
    {MakeRgb(84, 10, 50), MakeRgb(240, 90, 160), MakeRgb(255, 224, 240)},  // pink
};
const Rgb steelDark = MakeRgb(20, 30, 58);
const Rgb steelPale = MakeRgb(226, 236, 248);

// Mint green that no drawing uses: the transparent key.
const Rgb keyColour = MakeRgb(10, 250, 170);
// Light blue-white behind the studio logo.
const Rgb logoBackgroundColour = MakeRgb(240, 246, 255);

Rgb Mix(Rgb a, Rgb b, double t) {
    auto lerp = [t](int x, int y) { return static_cast<int>(x + (y - x) * t + 0.5); };
    return MakeRgb(lerp(a.r, b.r), lerp(a.g, b.g), lerp(a.b, b.b));
}

GamePalette BuildPalette() {
    GamePalette p{};
    p[black] = MakeRgb(0, 0, 0);
    p[white] = MakeRgb(255, 255, 255);
    p[pink] = MakeRgb(255, 128, 128);
    p[blue] = MakeRgb(0, 0, 255);
    p[red] = MakeRgb(255, 0, 0);
    p[magenta] = MakeRgb(255, 128, 255);
    const int levels[cubeLevels] = {0, 64, 128, 192, 255};
    for (int r = 0; r < cubeLevels; ++r) {
        for (int g = 0; g < cubeLevels; ++g) {
            for (int b = 0; b < cubeLevels; ++b) p[CubeIndex(r, g, b)] = MakeRgb(levels[r], levels[g], levels[b]);
        }
    }
    for (int h = 0; h < hueRampCount; ++h) {
        const RampAnchors& a = hueAnchors[h];
        for (int s = 0; s < hueRampLength; ++s) {
            p[HueShade(h, s)] = s <= 5 ? Mix(a.dark, a.base, s / 5.0) : Mix(a.base, a.pale, (s - 5) / 6.0);
        }
    }
    for (int s = 0; s < greyRampLength; ++s) p[GreyShade(s)] = MakeRgb(16 + 15 * s, 16 + 15 * s, 16 + 15 * s);
    for (int s = 0; s < steelRampLength; ++s) p[SteelShade(s)] = Mix(steelDark, steelPale, s / double(steelRampLength - 1));
    p[transparent] = keyColour;
    p[logoBackground] = logoBackgroundColour;
    return p;
}

int Distance(Rgb a, Rgb b) {
    // Red-mean weighting: cheap and close enough to how the eye ranks colours.
    const int rMean = (a.r + b.r) / 2;
    const int dr = a.r - b.r, dg = a.g - b.g, db = a.b - b.b;
    return ((512 + rMean) * dr * dr >> 8) + 4 * dg * dg + ((767 - rMean) * db * db >> 8);
}

}  // namespace

const GamePalette& GamePaletteEntries() {
    static const GamePalette palette = BuildPalette();
    return palette;
}

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
