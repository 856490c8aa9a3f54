#pragma once

// platform: the bottom of the stack. 8-bit surfaces and blits, the palette,
// text and shapes, sound slots, keys, clock, game files, wipes and presenting,
// over one backend (backend.h; sdl/ for the game, virtual/ for tests and
// tools). It stands on no other layer.

#include <cstdint>

// An 8-bit picture: one palette index per pixel, rows packed without padding.
struct Surface {
    int width = 0;
    int height = 0;
    uint8_t* pixels = nullptr;
};

constexpr int screenWidth = 640;
constexpr int screenHeight = 480;

// Palette index that keyed copies leave out.
extern uint8_t colorKey;

// The picture every scene draws into; Present shows it.
extern Surface backBuffer;

// Process-wide sheet slots. A slot is empty (nullptr) or owns one surface.
extern Surface* mainSheet;
extern Surface* itemSheet;
extern Surface* backdropSurface;
extern Surface* tileSurface;
extern Surface* logoSheet;
extern Surface* spareSurface;

// Replaces whatever the slot held with a new w x h sheet of black pixels.
// Sizes are clamped to 1..4096 so a bad value can never ask for absurd memory.
void CreateSheet(Surface*& slot, int width, int height);

// Frees the slot's surface (if any) and leaves the slot empty.
void EmptySlot(Surface*& slot);

// Empties every slot (shutdown).
void EmptyAllSlots();

