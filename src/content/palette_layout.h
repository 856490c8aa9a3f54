#pragma once
#include <cstdint>

// Fixed entries of the one palette every bitmap of the game shares.
namespace paletteLayout {

constexpr uint8_t black = 0;
constexpr uint8_t white = 1;             // RGB(255,255,255)
constexpr uint8_t pink = 2;              // RGB(255,128,128)
constexpr uint8_t blue = 3;              // RGB(0,0,255)
constexpr uint8_t red = 4;               // RGB(255,0,0)
constexpr uint8_t magenta = 5;           // RGB(255,128,255)
constexpr uint8_t transparent = 243;     // the colour key
constexpr uint8_t logoBackground = 255;  // light background of the logo screen

}  // namespace paletteLayout

// The rest of the palette, laid out so every sheet can shade with it.
namespace paletteLayout {

// A 5x5x5 colour cube: levels 0, 64, 128, 192, 255 per channel.
constexpr uint8_t cubeStart = 6;
constexpr int cubeLevels = 5;
constexpr uint8_t CubeIndex(int r, int g, int b) {  // levels 0..4
    return static_cast<uint8_t>(cubeStart + 25 * r + 5 * g + b);
}

// Eight hue ramps of twelve shades each, shade 0 darkest, 5 the full colour,
// 11 a pale tint. Panels, plates and gauges shade along one ramp.
constexpr uint8_t hueRampStart = 131;
constexpr int hueRampLength = 12;
constexpr int hueRampCount = 8;
constexpr int rampRed = 0;
constexpr int rampOrange = 1;
constexpr int rampYellow = 2;
constexpr int rampGreen = 3;
constexpr int rampCyan = 4;
constexpr int rampBlue = 5;
constexpr int rampPurple = 6;
constexpr int rampPink = 7;
constexpr uint8_t HueShade(int ramp, int shade) {
    return static_cast<uint8_t>(hueRampStart + hueRampLength * ramp + shade);
}

// Sixteen greys from 16 to 241 in steps of 15.
constexpr uint8_t greyRampStart = 227;
constexpr int greyRampLength = 16;
constexpr uint8_t GreyShade(int shade) { return static_cast<uint8_t>(greyRampStart + shade); }

// Eleven muted steel blues, dark to pale, for calm backgrounds and frames.
// They sit after the colour key and end just before the logo background.
constexpr uint8_t steelRampStart = 244;
constexpr int steelRampLength = 11;
constexpr uint8_t SteelShade(int shade) { return static_cast<uint8_t>(steelRampStart + shade); }

}  // namespace paletteLayout
