#pragma once
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "platform/palette.h"
#include "platform/surface.h"
#include "platform/text.h"

// A known palette and a back buffer cleared to a colour nothing draws with,
// so every changed pixel can be told apart.
namespace canvas {

constexpr uint8_t black = 0, white = 1, pink = 2, blue = 3, red = 4, green = 5;
constexpr uint8_t empty = 200;

inline Rgb EmptyColor() { return MakeRgb(7, 77, 140); }

inline void SetTestPalette() {
    Rgb entries[256];
    for (Rgb& entry : entries) entry = EmptyColor();
    entries[black] = MakeRgb(0, 0, 0);
    entries[white] = MakeRgb(255, 255, 255);
    entries[pink] = MakeRgb(255, 128, 128);
    entries[blue] = MakeRgb(0, 0, 255);
    entries[red] = MakeRgb(255, 0, 0);
    entries[green] = MakeRgb(0, 255, 0);
    SetDisplayPalette(entries);
}

inline uint8_t At(int x, int y) { return backBuffer.pixels[y * backBuffer.width + x]; }

// Bounding box of the pixels holding one index; right/bottom exclusive.
struct Box {
    int left = 1 << 20, top = 1 << 20, right = -1, bottom = -1;
    int count = 0;
    bool Empty() const { return count == 0; }
};

inline Box BoxOf(uint8_t index) {
    Box box;
    for (int y = 0; y < backBuffer.height; ++y) {
        for (int x = 0; x < backBuffer.width; ++x) {
            if (At(x, y) != index) continue;
            box.left = std::min(box.left, x);
            box.top = std::min(box.top, y);
            box.right = std::max(box.right, x + 1);
            box.bottom = std::max(box.bottom, y + 1);
            ++box.count;
        }
    }
    return box;
}

// Box of every pixel that is no longer the cleared colour.
inline Box ChangedBox() {
    Box box;
    for (int y = 0; y < backBuffer.height; ++y) {
        for (int x = 0; x < backBuffer.width; ++x) {
            if (At(x, y) == empty) continue;
            box.left = std::min(box.left, x);
            box.top = std::min(box.top, y);
            box.right = std::max(box.right, x + 1);
            box.bottom = std::max(box.bottom, y + 1);
            ++box.count;
        }
    }
    return box;
}

inline void Clear() { std::memset(backBuffer.pixels, empty, static_cast<size_t>(backBuffer.width) * backBuffer.height); }

}  // namespace canvas

class DrawCanvas : public ::testing::Test {
protected:
    void SetUp() override {
        std::copy(std::begin(displayPalette), std::end(displayPalette), std::begin(savedPalette));
        canvas::SetTestPalette();
        canvas::Clear();
        BeginText();
    }
    void TearDown() override {
        EndText();
        SetDisplayPalette(savedPalette);
    }

    Rgb savedPalette[256];
};
