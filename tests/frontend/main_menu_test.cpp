#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "content/palette_layout.h"
#include "content/title_sheet.h"
#include "frontend/frontend_steps.h"
#include "options/options_file.h"
#include "platform/surface.h"
#include "shell/menu_input.h"

namespace {

using namespace frontendSteps;

// Taps a key and lets the menu take it.
void Step(int vk) {
    harness::Tap(vk);
    harness::RunFrames(2);
}

class MainMenu : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(BootToMenu()); }
};

TEST_F(MainMenu, UpFromAnUpperTileGoesToTheBackTileAndRemembersTheColumn) {
    EXPECT_EQ(gameMode, 0);
    Step(vkUp);
    EXPECT_EQ(gameMode, -8);
    Step(vkUp);
    EXPECT_EQ(gameMode, 1);
    Step('Y');
    EXPECT_EQ(gameMode, 0);
    Step(vkUp);
    Step(vkDown);
    EXPECT_EQ(gameMode, 0);
}

TEST_F(MainMenu, DownFromALowerTileGoesToTheBackTileAndOnToTheUpperTile) {
    gameMode = 7;
    Step(vkDown);
    EXPECT_EQ(gameMode, -2);
    Step('B');
    EXPECT_EQ(gameMode, 6);
    Step(vkDown);
    EXPECT_EQ(gameMode, 7);
}

TEST_F(MainMenu, LeftAndRightWrapAroundTheFourColumns) {
    gameMode = 1;
    Step(vkLeft);
    EXPECT_EQ(gameMode, 7);
    gameMode = 6;
    Step('H');
    EXPECT_EQ(gameMode, 0);
    Step(vkRight);
    EXPECT_EQ(gameMode, 2);
    Step('G');
    EXPECT_EQ(gameMode, 0);
}

TEST_F(MainMenu, LeftAndRightDoNothingOnTheBackTile) {
    gameMode = -4;
    Step(vkLeft);
    Step(vkRight);
    EXPECT_EQ(gameMode, -4);
}

TEST_F(MainMenu, HeldDownMovesAtOnceThenAfterThirtyThenEveryTen) {
    harness::ClearSoundLog();
    harness::Hold(vkDown);
    std::vector<int8_t> seen;
    std::vector<uint32_t> moveFrames;
    const uint32_t start = harness::Frames();
    int8_t last = gameMode;
    for (int i = 0; i < 55; ++i) {
        harness::RunFrames(1);
        if (gameMode != last) {
            moveFrames.push_back(harness::Frames() - start);
            seen.push_back(gameMode);
            last = gameMode;
        }
    }
    EXPECT_EQ(moveFrames, (std::vector<uint32_t>{1, 31, 41, 51}));
    EXPECT_EQ(seen, (std::vector<int8_t>{1, -8, 0, 1}));
    EXPECT_EQ(std::count_if(harness::SoundLog().begin(), harness::SoundLog().end(),
                            [](const auto& e) { return e.call == virtualBackend::SoundCall::play && e.slot == 1; }),
              4);
}

TEST_F(MainMenu, BothUpAndDownHeldAdvanceTheCounterByTwo) {
    harness::Hold(vkUp);
    harness::Hold(vkDown);
    harness::RunFrames(1);
    EXPECT_EQ(mainMenuState.verticalRepeat, 2);
    harness::RunFrames(1);
    EXPECT_EQ(mainMenuState.verticalRepeat, 4);
}

TEST_F(MainMenu, DescriptionPanelGrowsOverTenFramesThenShowsTheText) {
    // The panel started growing when the wipe opened; reopen it.
    boxGrowth = 0;
    harness::RunFrames(1);
    const int blueSmall = harness::CountIndex(paletteLayout::blue, 0, 400, 640, 480);
    harness::RunFrames(9);
    const int blueFull = harness::CountIndex(paletteLayout::blue, 0, 400, 640, 480);
    EXPECT_GT(blueFull, blueSmall);
    // Still growing: the outline is drawn, the text is not.
    EXPECT_EQ(harness::CountIndex(paletteLayout::white, 60, 420, 580, 460), 0);
    harness::RunFrames(1);
    EXPECT_EQ(boxGrowth, 10);
    // Full size (19,409)-(619,469): blue inside, white text drawn in the text box.
    EXPECT_EQ(harness::PixelAt(25, 439), paletteLayout::blue);
    EXPECT_GT(harness::CountIndex(paletteLayout::white, 60, 420, 580, 460), 100);
    EXPECT_NE(harness::PixelAt(15, 439), paletteLayout::blue);
}

TEST_F(MainMenu, DescriptionFollowsTheCursor) {
    harness::RunFrames(12);
    const int endlessText = harness::CountIndex(paletteLayout::white, 30, 415, 610, 465);
    Step(vkRight);
    const int versusText = harness::CountIndex(paletteLayout::white, 30, 415, 610, 465);
    // The versus text is one short line; endless has two.
    EXPECT_LT(versusText, endlessText);
    // Its second line is empty up to the key guide's hint at the right.
    EXPECT_EQ(harness::CountIndex(paletteLayout::white, 30, 440, 490, 465), 0);
}

// True when every opaque pixel of mode tile k shows at its menu place.
bool TileShown(int k) {
    const SheetRect tile = titleSheetLayout::ModeTile(k);
    const int x0 = 8 + 158 * (k / 2), y0 = 210 + 100 * (k % 2);
    int opaque = 0, matching = 0;
    for (int y = 0; y < tile.Height(); ++y)
        for (int x = 0; x < tile.Width(); ++x) {
            const uint8_t p = mainSheet->pixels[(tile.top + y) * mainSheet->width + tile.left + x];
            if (p == colorKey) continue;
            ++opaque;
            matching += harness::PixelAt(x0 + x, y0 + y) == p ? 1 : 0;
        }
    return opaque > 0 && matching == opaque;
}

TEST_F(MainMenu, DecidedTileBlinksThenTheWipeCloses) {
    gameMode = 2;
    harness::Tap('X');
    harness::RunFrames(1);
    EXPECT_EQ(mainMenuState.menuDecided, 1);
    const uint32_t mark = sceneClock.mark;
    int checked = 0;
    while (wipeState == 0 && checked < 100) {
        harness::RunFrames(1);
        const uint32_t t = sceneClock.now - mark;
        if (t >= 1000 || wipeState != 0) continue;
        EXPECT_EQ(TileShown(2), t % 200 >= 100) << "t=" << t;
        EXPECT_TRUE(TileShown(3));
        ++checked;
    }
    EXPECT_GT(checked, 50);
    EXPECT_GT(sceneClock.now - mark, 1000u);
    EXPECT_FALSE(TileShown(3));
}

TEST_F(MainMenu, EscapeDuringTheBlinkStillGoesBackToTheTitle) {
    harness::Tap('X');
    harness::RunFrames(5);
    harness::Tap(vkEscape);
    harness::RunFrames(2);
    EXPECT_EQ(gameMode, -1);
    EXPECT_EQ(wipeState, 1);
    ASSERT_TRUE(harness::RunUntil([] { return At(TitleScene); }));
    EXPECT_EQ(gameMode, 0);
    ASSERT_NE(logoSheet, nullptr);
    EXPECT_EQ(logoSheet->width, 270);
}

TEST_F(MainMenu, CursorKeysDuringTheBlinkChangeWhatIsDispatched) {
    harness::Tap('X');
    harness::RunFrames(5);
    Step(vkUp);
    EXPECT_EQ(gameMode, -8);
    ASSERT_TRUE(harness::RunUntil([] { return At(TitleScene); }));
}

TEST_F(MainMenu, BackTileLeadsToTheTitleWithoutMusic) {
    Step(vkUp);
    harness::ClearSoundLog();
    harness::Tap('X');
    ASSERT_TRUE(harness::RunUntil([] { return At(TitleScene); }));
    EXPECT_TRUE(harness::Played("Ok.wav", 2, false));
    const auto& log = harness::SoundLog();
    EXPECT_TRUE(std::any_of(log.begin(), log.end(),
                            [](const auto& e) { return e.call == virtualBackend::SoundCall::stop && e.slot == 0; }));
    EXPECT_EQ(wipeState, 2);
    // The title opens and takes keys again.
    ASSERT_TRUE(harness::RunUntil([] { return wipeState == 0; }));
}

TEST_F(MainMenu, XStillHeldFromTheTitleDoesNotDecide) {
    ASSERT_TRUE(BootToTitle());
    harness::Hold('X');
    ASSERT_TRUE(harness::RunUntil([] { return At(MainMenuScene) && wipeState == 0; }));
    harness::RunFrames(10);
    EXPECT_EQ(mainMenuState.menuDecided, 0);
    harness::Release('X');
    harness::RunFrames(2);
    harness::Tap('X');
    harness::RunFrames(2);
    EXPECT_EQ(mainMenuState.menuDecided, 1);
}

TEST_F(MainMenu, ATileWithoutItsScreenReopensTheMenu) {
    gameMode = 5;
    // The ranking tile has its screen: taken away for this test only, so
    // later tests in the same run still find it.
    struct Restore {
        Scene saved = modeEntryScene[5];
        ~Restore() { modeEntryScene[5] = saved; }
    } restore;
    modeEntryScene[5] = nullptr;
    harness::Tap('X');
    ASSERT_TRUE(harness::RunUntil([] { return wipeState == 2; }));
    EXPECT_TRUE(At(MainMenuScene));
    EXPECT_EQ(mainMenuState.menuDecided, 0);
    EXPECT_EQ(boxGrowth, 0);
    ASSERT_TRUE(harness::RunUntil([] { return wipeState == 0; }));
    EXPECT_EQ(gameMode, 5);
}

TEST_F(MainMenu, CursorFrameSurroundsTheChosenTile) {
    gameMode = 3;
    harness::RunFrames(2);
    // Tile 3: column 1, lower row: frame top-left (158, 302); tile 0's frame place is clear.
    const uint8_t corner = harness::PixelAt(160, 304);
    harness::Tap(vkUp);
    harness::RunFrames(2);
    EXPECT_EQ(gameMode, 2);
    EXPECT_EQ(harness::PixelAt(160, 204), corner);
}

TEST_F(MainMenu, ReturnToMainMenuRestoresTheMenuSheetAndSounds) {
    EmptySlot(mainSheet);
    harness::ClearSoundLog();
    ReturnToMainMenu();
    ASSERT_NE(mainSheet, nullptr);
    EXPECT_EQ(mainSheet->width, 390);
    EXPECT_EQ(mainSheet->height, 500);
    EXPECT_TRUE(harness::Played("Opening.wav", 0, true));
    EXPECT_TRUE(At(MainMenuScene));
}

TEST_F(MainMenu, ReturnToMainMenuKeepsQuietWithTheSoundOff) {
    options.soundOff = 1;
    harness::ClearSoundLog();
    ReturnToMainMenu();
    EXPECT_FALSE(harness::Played("Opening.wav", 0, true));
    EXPECT_NE(bgmBuffer.sound, nullptr);
}

}  // namespace
