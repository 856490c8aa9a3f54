#pragma once
#include <sys/stat.h>

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "gallery/item_file.h"
#include "harness/harness.h"
#include "platform/blit.h"
#include "platform/palette.h"
#include "platform/surface.h"
#include "platform/text.h"
#include "puzzle/puzzle_test_util.h"
#include "shell/menu_input.h"

// Raw data files for the item tests.
namespace galleryTest {

// The data files as raw bytes, as the puzzle tests read and write them.
using puzzleTest::DataPath;
using puzzleTest::ReadRaw;
using puzzleTest::WriteRaw;

// The file's identity on disk: a write through a temporary file and a
// rename gives it a new one, a file left alone keeps it.
inline ino_t Inode(const char* name) {
    struct stat info;
    return stat(DataPath(name).c_str(), &info) == 0 ? info.st_ino : 0;
}

// The flags as the file would hold them, items listed unlocked.
inline std::vector<uint8_t> FileWith(std::initializer_list<int> unlocked) {
    std::vector<uint8_t> bytes(itemCount, 0);
    for (int i : unlocked) bytes[static_cast<size_t>(i)] = 1;
    return bytes;
}

// True when the last frame holds, at (x, y) on the gallery box's blue,
// exactly the text as the game writes it (and nothing else in the line's
// width).
inline bool LineShown(const char* text, int x, int y) {
    constexpr int w = 560, h = 24;
    ColorFill(&backBuffer, x, y, x + w, y + h, NearestPaletteIndex(blueBrush));
    BeginPanelText(smallFont);
    TextOut(x, y, text);
    EndText();
    for (int py = y; py < y + h; ++py)
        for (int px = x; px < x + w; ++px)
            if (backBuffer.pixels[py * screenWidth + px] != harness::PixelAt(px, py)) return false;
    return true;
}

}  // namespace galleryTest
