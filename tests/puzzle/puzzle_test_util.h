#pragma once
#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "content/sheet_rect.h"
#include "harness/harness.h"
#include "harness/picture_probe.h"
#include "platform/blit.h"
#include "platform/palette.h"
#include "platform/surface.h"
#include "platform/text.h"
#include "platform/virtual/virtual_backend.h"
#include "shell/menu_input.h"
#include "puzzle/puzzle_file.h"

// Puzzle files and key scripts for the puzzle tests.
namespace puzzleTest {

inline std::string DataPath(const char* name) { return harness::WorkDir() + "/Data/" + name; }

inline std::vector<uint8_t> ReadRaw(const char* name) {
    std::ifstream in(DataPath(name), std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

inline void WriteRaw(const char* name, const std::vector<uint8_t>& bytes) {
    std::ofstream out(DataPath(name), std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// Every problem absent.
inline PuzzleFile NoProblems() {
    PuzzleFile t;
    DefaultPuzzleFile(t);
    return t;
}

// Problem i present with a time limit, an empty board and the goal to clear it.
inline void Present(PuzzleFile& t, int i, int minutes = 1, int seconds = 0) {
    t.minutes[i] = minutes;
    t.seconds[i] = seconds;
}

// Cell (r, c) of problem i's board.
inline int8_t& BoardCell(PuzzleFile& t, int i, int r, int c) { return t.boards[i][r * 7 + c]; }

// True when the picture of mainSheet stands at (x, y) of the last frame (its
// transparent pixels aside).
inline bool PictureShown(const SheetRect& r, int x, int y) { return pictureProbe::PictureShown(mainSheet, r, x, y); }

// True when the last frame's question box (as the editor and the practice
// pause draw it) holds exactly these words in its first line.
inline bool QuestionShown(const char* question) {
    constexpr int left = 175, right = 463, top = 215, bottom = 235;
    ColorFill(&backBuffer, left, top, right, bottom, NearestPaletteIndex(blueBrush));
    BeginPanelText(smallFont);
    DrawTextInRect(question, textCenter, 0, top, 639, bottom);
    EndText();
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            if (backBuffer.pixels[y * screenWidth + x] != harness::PixelAt(x, y)) return false;
    return true;
}

// Key changes at frames counted from now, applied in frame order.
class KeyPlan {
public:
    // vk held at frame `at` (from now) for `frames` frames.
    KeyPlan& Press(uint32_t at, int vk, uint32_t frames = 2) {
        changes_.push_back({at, vk, true});
        changes_.push_back({at + frames, vk, false});
        return *this;
    }
    void Schedule() {
        const uint32_t now = harness::Frames();
        std::stable_sort(changes_.begin(), changes_.end(),
                         [](const virtualBackend::KeyChange& a, const virtualBackend::KeyChange& b) { return a.frame < b.frame; });
        for (auto c : changes_) {
            c.frame += now;
            virtualBackend::state.keyScript.push_back(c);
        }
        changes_.clear();
    }

private:
    std::vector<virtualBackend::KeyChange> changes_;
};

// One problem that can be played for a minute: a lone 1 on its board.
inline PuzzleFile OneProblemToPlay() {
    PuzzleFile t = NoProblems();
    Present(t, 0, 1, 0);
    BoardCell(t, 0, 2, 0) = 1;
    return t;
}

}  // namespace puzzleTest
