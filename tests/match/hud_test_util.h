#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <string>
#include <strings.h>

#include "content/game_sheet.h"
#include "frontend/main_menu.h"
#include "harness/harness.h"
#include "match/match_state.h"
#include "match/puzzle_rules.h"
#include "match/vanish_test_util.h"
#include "options/options_file.h"
#include "platform/blit.h"
#include "platform/sound.h"
#include "platform/surface.h"
#include "platform/virtual/virtual_backend.h"
#include "ranking/ranking_file.h"
#include "setup/player_params.h"

// Shared set-up of the display, chain end, board pass and start tests: fresh
// match records in a mode and a stand-in match sheet whose pictures are
// plain blocks of their own palette index, so a pixel tells which picture
// landed where.
namespace hudTest {

constexpr int endless = 0, versus = 1, puzzle = 2, practice = 3;

constexpr uint8_t backgroundIndex = 7;
constexpr uint8_t GlyphIndex(int d, int c) { return static_cast<uint8_t>(10 + 10 * (c + 1) + d); }
constexpr uint8_t colonIndex = 40;
constexpr uint8_t TimesIndex(int c) { return static_cast<uint8_t>(41 + c); }
constexpr uint8_t chainLabelIndex = 44;
constexpr uint8_t missLabelIndex = 45;
constexpr uint8_t bonusBannerIndex = 46;
constexpr uint8_t clearBannerIndex = 47;
constexpr uint8_t LampIndex(int s) { return static_cast<uint8_t>(48 + s); }
constexpr uint8_t meterIconIndex = 51;
constexpr uint8_t MarkerIndex(int b) { return static_cast<uint8_t>(54 + b); }
constexpr uint8_t CountdownIndex(int i) { return static_cast<uint8_t>(56 + i); }
constexpr uint8_t logoIndex = 60;
constexpr uint8_t CursorIndex(int p) { return static_cast<uint8_t>(64 + p); }
constexpr uint8_t PanelIndex(int v) { return static_cast<uint8_t>(70 + v); }
constexpr uint8_t LimitIndex(int p) { return static_cast<uint8_t>(90 + p); }
constexpr uint8_t chainFillIndex = 92;
constexpr uint8_t exFillIndex = 93;
constexpr uint8_t TopLineIndex(int step) { return static_cast<uint8_t>(100 + step); }
constexpr uint8_t labelIndex = 120;

inline void Paint(const SheetRect& r, uint8_t index) { ColorFill(mainSheet, r.left, r.top, r.right, r.bottom, index); }

inline void BuildStandInSheet() {
    using namespace gameSheetLayout;
    CreateSheet(mainSheet, width, height);
    ColorFill(mainSheet, 0, 0, width, height, colorKey);
    for (int c = -1; c <= 1; ++c)
        for (int d = 0; d <= 9; ++d) Paint(Digit(d, c), GlyphIndex(d, c));
    Paint(colon, colonIndex);
    Paint(Times(0), TimesIndex(0));
    Paint(Times(1), TimesIndex(1));
    Paint(chainLabel, chainLabelIndex);
    Paint(missLabel, missLabelIndex);
    Paint(bonusBanner, bonusBannerIndex);
    Paint(clearBanner, clearBannerIndex);
    for (int s = 0; s < 3; ++s) Paint(Lamp(s), LampIndex(s));
    Paint(meterIconSmall, meterIconIndex);
    Paint(ItemMarker(0), MarkerIndex(0));
    Paint(ItemMarker(1), MarkerIndex(1));
    for (int i = 0; i < 3; ++i) Paint(Countdown(i), CountdownIndex(i));
    Paint(startLogoTopLeft, logoIndex);
    Paint(startLogoTopRight, logoIndex);
    Paint(startLogoBottomLeft, logoIndex);
    Paint(startLogoBottomRight, logoIndex);
    Paint(Cursor(0), CursorIndex(0));
    Paint(Cursor(1), CursorIndex(1));
    for (int v = 0; v <= 7; ++v) Paint(Panel(v, 0), PanelIndex(v));
    Paint(LimitFill(0), LimitIndex(0));
    Paint(LimitFill(1), LimitIndex(1));
    Paint(chainFill, chainFillIndex);
    Paint(endlessExFill, exFillIndex);
    for (int k = 0; k < 14; ++k)
        ColorFill(mainSheet, topLineLeft, topLineFirstRow + k, topLineRight, topLineFirstRow + k + 1, TopLineIndex(k));
    Paint(levelLabel, labelIndex);
}

inline void ClearBackBuffer() { ColorFill(&backBuffer, 0, 0, screenWidth, screenHeight, 0); }

inline uint8_t At(int x, int y) { return backBuffer.pixels[y * screenWidth + x]; }

// True when the rectangle (x, y, w, h) of the back buffer is all one index.
inline bool Filled(int x, int y, int w, int h, uint8_t index) {
    for (int j = y; j < y + h; ++j)
        for (int i = x; i < x + w; ++i)
            if (At(i, j) != index) return false;
    return w > 0 && h > 0;
}

// Exactly the 13x19 glyph of digit d in colour c at (x, y): every pixel of
// it, and the columns just left and right of it are something else.
inline bool GlyphAt(int d, int c, int x, int y) {
    const uint8_t g = GlyphIndex(d, c);
    return Filled(x, y, 13, 19, g) && At(x - 1, y + 9) != g && At(x + 13, y + 9) != g;
}

// Count of back-buffer pixels of an index in (l, t)-(r, b).
inline int CountIn(uint8_t index, int l, int t, int r, int b) {
    int n = 0;
    for (int y = t; y < b; ++y)
        for (int x = l; x < r; ++x) n += At(x, y) == index ? 1 : 0;
    return n;
}

// Any digit glyph pixel in (l, t)-(r, b).
inline bool AnyGlyphIn(int l, int t, int r, int b) {
    for (int y = t; y < b; ++y)
        for (int x = l; x < r; ++x) {
            const uint8_t v = At(x, y);
            if (v >= 10 && v < 40) return true;
        }
    return false;
}

// Fresh records of a match in the mode (started, playing), difficulty 1,
// the stand-in sheet and a plain background.
inline void FreshMatch(int mode, int difficulty = 1) {
    harness::StartFresh();
    ResetMatchRecords();
    ResetMatchValues();
    gameMode = static_cast<int8_t>(mode);
    options = defaultOptions;
    options.difficulty = static_cast<int8_t>(difficulty);
    twoPlayers = mode == versus ? 1 : 0;
    PuzzleGoalType() = 0;
    PuzzleGoalValue() = 0;
    PuzzleSwapAllowance() = -1;
    for (int p = 0; p < 2; ++p) {
        playerParams[p][paramSpeed] = 2;
        playerParams[p][paramLuck] = 5;
        playerParams[p][paramChain] = 5;
        itemSlots[p][0] = itemSlots[p][1] = -1;
        itemUseOff[p] = 0;
    }
    std::memset(&rankingTable, 0, sizeof rankingTable);
    for (int i = 0; i < rankingEntries; ++i) rankingTable.score[i] = -1;
    BuildStandInSheet();
    CreateSheet(tileSurface, screenWidth, screenHeight);
    ColorFill(tileSurface, 0, 0, screenWidth, screenHeight, backgroundIndex);
    ClearBackBuffer();
    matchStarted = 1;
    frameClock.now = 100000;
    clockMark = frameClock.now;
    attackMark = frameClock.now;
}

// Plays of the file (last path component) on the slot since the log was cleared.
inline int PlayCount(const std::string& fileName, int slot) { return vanishTest::PlayCount(fileName, slot); }

}  // namespace hudTest
