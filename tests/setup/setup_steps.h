#pragma once
#include <array>
#include <cstdint>
#include <initializer_list>
#include <vector>

#include "content/title_sheet.h"
#include "frontend/frontend_steps.h"
#include "gallery/gallery_test_util.h"
#include "harness/picture_probe.h"
#include "platform/blit.h"
#include "platform/palette.h"
#include "platform/text.h"
#include "setup/confirm_scene.h"
#include "setup/opponent_question.h"
#include "setup/player_params.h"
#include "setup/setup_scene.h"
#include "setup/setup_state.h"
#include "shell/game_mode.h"
#include "shell/menu_input.h"

// Walks to and through the versus setup screens for the tests.
namespace setupSteps {

using frontendSteps::At;

inline SetupScreenState& S() { return setupState; }

// The first n items unlocked, as the item file holds them.
inline std::vector<uint8_t> FirstItems(int n) {
    std::vector<uint8_t> bytes(itemCount, 0);
    for (int i = 0; i < n; ++i) bytes[static_cast<size_t>(i)] = 1;
    return bytes;
}

// From the open main menu through the versus tile to the question of who
// plays on the right, open and grown.
inline bool MenuToQuestion() {
    gameMode = versusMode;
    harness::Tap('X');
    if (!harness::RunUntil([] { return At(OpponentQuestionScene) && wipeState == 0; })) return false;
    harness::RunFrames(12);
    return true;
}

// From the open main menu through the versus tile and 「ふたりで」 to player
// 1's setup, open and with its panels grown.
inline bool MenuToSetup() {
    if (!MenuToQuestion()) return false;
    harness::Tap('X');
    if (!harness::RunUntil([] { return At(SetupScene) && wipeState == 0; })) return false;
    harness::RunFrames(12);
    return true;
}

// Boots with the item file as given (none when empty) into player 1's setup.
inline bool BootToSetup(const std::vector<uint8_t>& itemFile = {}) {
    if (!frontendSteps::BootToMenu()) return false;
    if (!itemFile.empty()) galleryTest::WriteRaw("ITEM.dat", itemFile);
    return MenuToSetup();
}

// Taps a key and lets the screen take it.
inline void Step(int vk) {
    harness::Tap(vk);
    harness::RunFrames(2);
}

inline void StepTimes(int vk, int times) {
    for (int i = 0; i < times; ++i) Step(vk);
}

// The decide key of the player being set up, or of player p.
inline int DecideKey(int p) { return p == 0 ? 'X' : 'L'; }
inline int BackKey(int p) { return p == 0 ? 'Z' : 'K'; }

// The player being set up decides on an entry of the parameter page.
inline void DecideOn(int entry) {
    const int p = S().setupPlayer;
    S().setupCursor = static_cast<int8_t>(entry);
    Step(DecideKey(p));
}

// Raises parameter k of the player being set up by `times` Right presses.
inline void Raise(int k, int times) {
    S().setupCursor = static_cast<int8_t>(k);
    StepTimes(S().setupPlayer == 0 ? 'H' : vkRight, times);
}

// Both players decide on the parameter page (as they stand): on to the
// confirmation screen.
inline bool ToConfirmation() {
    if (S().setupPlayer == 0) DecideOn(decideEntry);
    DecideOn(decideEntry);
    harness::RunFrames(12);
    return At(SetupConfirmScene);
}

// Onto the item page of the player being set up.
inline void OpenItemPage() {
    DecideOn(itemsRow);
    harness::RunFrames(10);
}

// Picks the items under these grid cursors on the item page, then returns
// to the parameter page through the decide button.
inline void ChooseItemsAt(std::initializer_list<int> cursors) {
    OpenItemPage();
    for (int cursor : cursors) {
        S().itemCursor = static_cast<int8_t>(cursor);
        Step(DecideKey(S().setupPlayer));
    }
    S().itemCursor = decideEntry;
    Step(DecideKey(S().setupPlayer));
}

inline std::array<int, 5> Levels(int p) {
    std::array<int, 5> levels{};
    for (int k = 0; k < 5; ++k) levels[static_cast<size_t>(k)] = playerParams[p][k];
    return levels;
}

inline uint8_t BlueIndex() { return NearestPaletteIndex(blueBrush); }

// True when the last frame holds, inside (l,t)-(r,b) but `inset` pixels in
// from its sides, exactly the text as the game writes it in white on a
// panel's blue, and nothing else.
inline bool TextShown(const char* text, int format, int l, int t, int r, int b, int inset = 3) {
    ColorFill(&backBuffer, l, t, r, b, BlueIndex());
    BeginPanelText(smallFont);
    DrawTextInRect(text, format, l, t, r, b);
    EndText();
    for (int y = t; y < b; ++y)
        for (int x = l + inset; x < r - inset; ++x)
            if (backBuffer.pixels[y * screenWidth + x] != harness::PixelAt(x, y)) return false;
    return true;
}

// True when the sheet's picture r shows at (x, y) of the last frame.
inline bool TitleShown(const SheetRect& r, int x, int y) { return pictureProbe::PictureShown(mainSheet, r, x, y); }

}  // namespace setupSteps
