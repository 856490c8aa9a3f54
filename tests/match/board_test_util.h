#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <initializer_list>

#include "content/game_sheet.h"
#include "frontend/main_menu.h"
#include "harness/harness.h"
#include "match/match_state.h"
#include "match/puzzle_rules.h"
#include "match/step_input.h"
#include "match/vanish_test_util.h"
#include "options/options_file.h"
#include "platform/blit.h"
#include "platform/keys.h"
#include "platform/surface.h"
#include "platform/virtual/virtual_backend.h"
#include "setup/player_params.h"

// Shared set-up of the board, action, gravity and rise tests: fresh match
// records in a mode, a hand-built board, and a stand-in match sheet whose
// pictures are plain colour blocks, so a pixel tells which picture landed.
namespace boardTest {

constexpr int endless = 0, versus = 1, puzzle = 2, practice = 3;

// Palette indices of the stand-in pictures.
constexpr uint8_t backgroundIndex = 7;
constexpr uint8_t PanelIndex(int v) { return static_cast<uint8_t>(100 + v); }
constexpr uint8_t FailingIndex(int v) { return static_cast<uint8_t>(120 + v); }
constexpr uint8_t CursorIndex(int p) { return static_cast<uint8_t>(130 + p); }
constexpr uint8_t pickedCursorIndex = 132;
// Line frame column s (0, 36, 72): caps and middle apart.
constexpr uint8_t FrameCapIndex(int s) { return static_cast<uint8_t>(140 + s / 36); }
constexpr uint8_t FrameMiddleIndex(int s) { return static_cast<uint8_t>(150 + s / 36); }

inline void Paint(const SheetRect& r, uint8_t index) { ColorFill(mainSheet, r.left, r.top, r.right, r.bottom, index); }

inline void BuildStandInSheets() {
    CreateSheet(mainSheet, gameSheetLayout::width, gameSheetLayout::height);
    ColorFill(mainSheet, 0, 0, gameSheetLayout::width, gameSheetLayout::height, colorKey);
    for (int v = 0; v <= 7; ++v) {
        Paint(gameSheetLayout::Panel(v, 0), PanelIndex(v));
        Paint(gameSheetLayout::FailingPanel(v, 0), FailingIndex(v));
    }
    Paint(gameSheetLayout::Cursor(0), CursorIndex(0));
    Paint(gameSheetLayout::Cursor(1), CursorIndex(1));
    Paint(gameSheetLayout::pickedCursor, pickedCursorIndex);
    for (int s = 0; s <= 72; s += 36) {
        const SheetRect f = gameSheetLayout::LineFrame(s);
        Paint(f, FrameCapIndex(s));
        // The middle piece of both forms: rows 118..136 and columns s+9..s+27.
        ColorFill(mainSheet, s + 9, 118, s + 27, 136, FrameMiddleIndex(s));
    }
    CreateSheet(tileSurface, screenWidth, screenHeight);
    ColorFill(tileSurface, 0, 0, screenWidth, screenHeight, backgroundIndex);
}

inline void ClearBackBuffer() { ColorFill(&backBuffer, 0, 0, screenWidth, screenHeight, 0); }

inline uint8_t Pixel(int x, int y) { return backBuffer.pixels[y * screenWidth + x]; }

// Fresh records, empty boards, a started match in `mode`, SPEED 2, LUCK 5.
inline void FreshBoard(int mode, int difficulty = 1) {
    harness::StartFresh();
    ResetMatchRecords();
    ResetMatchValues();
    gameMode = static_cast<int8_t>(mode);
    options = defaultOptions;
    options.difficulty = static_cast<int8_t>(difficulty);
    twoPlayers = mode == versus ? 1 : 0;
    matchStarted = 1;
    PuzzleSwapAllowance() = -1;
    for (int p = 0; p < 2; ++p) {
        playerParams[p][paramSpeed] = 2;
        playerParams[p][paramLuck] = 5;
        playerParams[p][paramChain] = 5;
    }
    BuildStandInSheets();
    ClearBackBuffer();
}

// Row r of player p from column c0 on.
inline void PutRow(int p, int r, int c0, std::initializer_list<int> values) {
    int c = c0;
    for (int v : values) Cell(p, r, c++) = static_cast<int8_t>(v);
}

// Column c of player p from row r0 up.
inline void PutColumn(int p, int c, int r0, std::initializer_list<int> values) {
    int r = r0;
    for (int v : values) Cell(p, r++, c) = static_cast<int8_t>(v);
}

inline void FillRows(int p, int fromRow, int toRow, int v) {
    for (int r = fromRow; r <= toRow; ++r)
        for (int c = 0; c < boardColumns; ++c) Cell(p, r, c) = static_cast<int8_t>(v);
}

inline void PlaceCursor(int p, int x, int y) {
    players[p].cursorX = static_cast<int8_t>(x);
    players[p].cursorY = static_cast<int8_t>(y);
}

// Keys take effect at once for functions called directly: the step's inputs
// are read from the keys anew, as MatchScene reads them before a step.
inline void Press(int vk) {
    keyDown[vk & 0xFF] = true;
    KeyboardMatchInput(matchInput);
}
inline void Lift(int vk) {
    keyDown[vk & 0xFF] = false;
    KeyboardMatchInput(matchInput);
}

// Moves the match's clock (and the virtual millisecond clock) to `ms`.
inline void SetClock(uint32_t ms) {
    virtualBackend::state.nowMs = ms;
    frameClock.now = ms;
}

}  // namespace boardTest
