#pragma once
#include <array>

#include "content/palette_layout.h"
#include "platform/palette.h"

// The colours of the one palette every picture of the game is drawn in. The
// content generator writes it into each bitmap, and the game shows its
// screens through it from start-up, so text and whatever pictures did load
// stay visible when a picture (and with it its palette) cannot be read.

namespace gamePalette {

// Anchors of each hue ramp: the darkest shade, the full colour (shade 5) and
// the palest tint (shade 11).
struct RampAnchors {
    Rgb dark, base, pale;
};
inline constexpr RampAnchors hueAnchors[paletteLayout::hueRampCount] = {
    {MakeRgb(70, 8, 16), MakeRgb(228, 36, 48), MakeRgb(255, 224, 224)},    // red
    {MakeRgb(80, 30, 0), MakeRgb(245, 132, 20), MakeRgb(255, 234, 206)},   // orange
    {MakeRgb(88, 62, 0), MakeRgb(250, 208, 30), MakeRgb(255, 248, 212)},   // yellow
    {MakeRgb(8, 58, 22), MakeRgb(52, 184, 72), MakeRgb(220, 250, 218)},    // green
    {MakeRgb(0, 56, 72), MakeRgb(22, 182, 198), MakeRgb(212, 248, 250)},   // cyan
    {MakeRgb(10, 24, 96), MakeRgb(40, 100, 230), MakeRgb(216, 230, 255)},  // blue
    {MakeRgb(44, 10, 80), MakeRgb(140, 72, 210), MakeRgb(236, 222, 255)},  // purple
    {MakeRgb(84, 10, 50), MakeRgb(240, 90, 160), MakeRgb(255, 224, 240)},  // pink
};
inline constexpr Rgb steelDark = MakeRgb(20, 30, 58);
inline constexpr Rgb steelPale = MakeRgb(226, 236, 248);

// Mint green that no drawing uses: the transparent key.
inline constexpr Rgb keyColour = MakeRgb(10, 250, 170);
// Light blue-white behind the studio logo.
inline constexpr Rgb logoBackgroundColour = MakeRgb(240, 246, 255);

constexpr Rgb Mix(Rgb a, Rgb b, double t) {
    auto lerp = [t](int x, int y) { return static_cast<int>(x + (y - x) * t + 0.5); };
    return MakeRgb(lerp(a.r, b.r), lerp(a.g, b.g), lerp(a.b, b.b));
}

constexpr std::array<Rgb, 256> Build() {
    using namespace paletteLayout;
    std::array<Rgb, 256> p{};
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

}  // namespace gamePalette

inline constexpr std::array<Rgb, 256> gamePaletteColours = gamePalette::Build();
