#include <gtest/gtest.h>

#include "frontend/frontend_steps.h"
#include "options/options_file.h"
#include "platform/surface.h"
#include "shell/farewell.h"
#include "shell/menu_input.h"

#include <algorithm>

namespace {

using namespace frontendSteps;

TEST(Title, CursorKeysToggleBetweenTheTwoPlates) {
    ASSERT_TRUE(BootToTitle());
    harness::ClearSoundLog();
    harness::Tap(vkDown);
    harness::RunFrames(3);
    EXPECT_EQ(titleState.titleSelection, 1);
    harness::Tap('B');
    harness::RunFrames(3);
    EXPECT_EQ(titleState.titleSelection, 0);
    harness::Tap(vkUp);
    harness::RunFrames(3);
    EXPECT_EQ(titleState.titleSelection, 1);
    EXPECT_EQ(std::count_if(harness::SoundLog().begin(), harness::SoundLog().end(),
                            [](const auto& e) { return e.call == virtualBackend::SoundCall::play && e.slot == 1; }),
              3);
}

TEST(Title, HeldCursorKeyTogglesOnce) {
    ASSERT_TRUE(BootToTitle());
    harness::Hold(vkDown);
    harness::RunFrames(60);
    EXPECT_EQ(titleState.titleSelection, 1);
}

// True when the last frame shows only the tiled background in the rectangle.
bool ShowsBackground(int left, int top, int right, int bottom) {
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            if (harness::PixelAt(x, y) != tileSurface->pixels[y * 640 + x]) return false;
    return true;
}

TEST(Title, CursorFrameSurroundsTheChosenPlate) {
    ASSERT_TRUE(BootToTitle());
    harness::RunFrames(1);
    EXPECT_FALSE(ShowsBackground(177, 292, 185, 300));
    EXPECT_TRUE(ShowsBackground(177, 372, 185, 380));
    harness::Tap(vkDown);
    harness::RunFrames(3);
    EXPECT_TRUE(ShowsBackground(177, 292, 185, 300));
    EXPECT_FALSE(ShowsBackground(177, 372, 185, 380));
}

TEST(Title, StartBlinksForASecondThenOpensTheMenuWithMusic) {
    ASSERT_TRUE(BootToTitle());
    harness::ClearSoundLog();
    harness::Tap('X');
    harness::RunFrames(2);
    EXPECT_EQ(titleState.titleDecided, 1);
    EXPECT_TRUE(harness::Played("Ok.wav", 2, false));
    const uint32_t decided = sceneClock.mark;
    harness::RunUntil([] { return wipeState == 1; });
    EXPECT_GT(harness::Now() - decided, 1000u);
    EXPECT_LE(harness::Now() - decided, 1034u);
    harness::RunUntil([] { return At(MainMenuScene); });
    EXPECT_TRUE(harness::Played("Opening.wav", 0, true));
    EXPECT_EQ(logoSheet, nullptr);
    EXPECT_EQ(gameMode, 0);
    EXPECT_EQ(titleState.titleDecided, 0);
    EXPECT_EQ(confirmHeld, 1);
}

TEST(Title, ChosenPlateBlinksAndTheOtherStays) {
    ASSERT_TRUE(BootToTitle());
    harness::RunFrames(1);
    harness::Tap('X');
    int checked = 0;
    for (int i = 0; i < 70; ++i) {
        harness::RunFrames(1);
        if (titleState.titleDecided != 1 || wipeState != 0) continue;
        const uint32_t t = sceneClock.now - sceneClock.mark;
        const bool startVisible = !ShowsBackground(185, 300, 455, 350);
        EXPECT_EQ(startVisible, t % 200 < 100 && t < 1000) << "t=" << t;
        EXPECT_FALSE(ShowsBackground(185, 380, 455, 430));
        ++checked;
    }
    EXPECT_GT(checked, 50);
}

TEST(Title, SoundOffReachesTheMenuWithoutMusic) {
    ASSERT_TRUE(BootToTitle());
    options.soundOff = 1;
    harness::ClearSoundLog();
    ASSERT_TRUE(TitleToMenu());
    EXPECT_FALSE(harness::Played("Opening.wav", 0, true));
}

TEST(Title, EscapeChoosesEndAndSaysGoodbye) {
    ASSERT_TRUE(BootToTitle());
    harness::ClearSoundLog();
    harness::Tap(vkEscape);
    harness::RunFrames(2);
    EXPECT_EQ(titleState.titleSelection, 1);
    EXPECT_EQ(titleState.titleDecided, 1);
    ASSERT_TRUE(harness::RunUntil([] { return At(ExitScene); }));
    EXPECT_TRUE(harness::Played("GameEnd.wav", 0, false));
}

TEST(Title, EndPlateChosenWithEnterLeadsToTheFarewell) {
    ASSERT_TRUE(BootToTitle());
    harness::Tap(vkDown);
    harness::RunFrames(2);
    harness::Tap(vkReturn);
    ASSERT_TRUE(harness::RunUntil([] { return At(ExitScene); }));
}

TEST(Title, EscapeThenToggleStillEnds) {
    ASSERT_TRUE(BootToTitle());
    harness::Hold(vkEscape);
    harness::RunFrames(2);
    harness::Tap(vkUp);
    harness::RunFrames(3);
    EXPECT_EQ(titleState.titleSelection, 0);
    ASSERT_TRUE(harness::RunUntil([] { return !At(TitleScene); }));
    EXPECT_TRUE(At(ExitScene));
}

TEST(Title, IdleFifteenSecondsAfterOpeningReplaysTheLogo) {
    ASSERT_TRUE(BootToTitle());
    const uint32_t opened = sceneClock.mark;
    // Moving the cursor does not restart the idle clock.
    harness::RunMs(5000);
    harness::Tap(vkDown);
    harness::RunUntil([] { return titleState.titleDecided == 2; });
    EXPECT_GT(sceneClock.now - opened, 15000u);
    EXPECT_LE(sceneClock.now - opened, 15017u);
    harness::ClearSoundLog();
    ASSERT_TRUE(harness::RunUntil([] { return At(LogoScene); }));
    EXPECT_EQ(titleState.titleSelection, 0);
    ASSERT_FALSE(harness::SoundLog().empty());
    EXPECT_EQ(harness::SoundName(harness::SoundLog().back()), "Logo.wav");
    EXPECT_EQ(harness::SoundLog().back().slot, 0);
    // And the logo sequence leads back to the title.
    EXPECT_TRUE(harness::RunUntil([] { return At(TitleScene); }));
}

TEST(Title, KeysAreIgnoredWhileTheWipeOpens) {
    harness::Boot();
    ASSERT_TRUE(harness::RunUntil([] { return At(TitleScene); }));
    harness::Hold('X');
    harness::RunFrames(20);
    EXPECT_EQ(titleState.titleDecided, 0);
    harness::RunUntil([] { return wipeState == 0; });
    harness::RunFrames(2);
    EXPECT_EQ(titleState.titleDecided, 1);
}

TEST(Title, StaleDecideLatchDoesNotLockTheTitle) {
    ASSERT_TRUE(BootToTitle());
    confirmHeld = 1;  // as left by a screen that closed with X still held
    harness::RunFrames(2);
    harness::Tap('X');
    harness::RunFrames(3);
    EXPECT_EQ(titleState.titleDecided, 1);
}

}  // namespace
