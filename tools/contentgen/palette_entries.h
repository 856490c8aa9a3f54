#pragma once
#include <array>
#include <cstdint>

#include "content/game_palette.h"
#include "content/palette_layout.h"
#include "platform/palette.h"

// The one palette every bitmap of the game is written with; its colours are
// defined beside the game's own code (content/game_palette.h).
using GamePalette = std::array<Rgb, 256>;

const GamePalette& GamePaletteEntries();

// Closest entry to c by a perceptual distance. The colour key is only ever
// returned when allowKey is set, so nothing drawn turns transparent by chance.
uint8_t NearestGameColour(Rgb c, bool allowKey = false);

// Colour of a palette entry.
inline Rgb PaletteColour(uint8_t index) { return GamePaletteEntries()[index]; }
