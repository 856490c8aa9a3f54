#pragma once
#include <cstdint>

struct Rgb {
    uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

constexpr Rgb MakeRgb(int r, int g, int b) {
    return Rgb{static_cast<uint8_t>(r), static_cast<uint8_t>(g), static_cast<uint8_t>(b)};
}

// The palette the whole display is shown through: that of the last bitmap
// loaded. paletteVersion changes whenever it does, so presenters can rebuild
// their lookup tables only then.
extern Rgb displayPalette[256];
extern uint32_t paletteVersion;

void SetDisplayPalette(const Rgb (&entries)[256]);

// Palette index whose colour is closest to c (exact when the palette holds it).
uint8_t NearestPaletteIndex(Rgb c);
