#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "frontend/boot_scene.h"
#include "frontend/frontend_steps.h"
#include "harness/stderr_capture.h"
#include "shell/game_loop.h"

namespace {

using namespace frontendSteps;

// Pixels of the last frame that the screen shows in a colour other than black.
int LitPixels() {
    int lit = 0;
    for (int y = 0; y < 480; ++y) {
        for (int x = 0; x < 640; ++x) {
            const Rgb c = virtualBackend::state.lastPalette[harness::PixelAt(x, y)];
            lit += c == Rgb{} ? 0 : 1;
        }
    }
    return lit;
}

// With no picture at all, what the game draws itself (the logo screen's
// backdrop, the menu's information box and its text) is still seen.
TEST(MissingPictures, AnEmptyPictureFolderLeavesTheDrawnPartsVisibleAndNamesEachPictureOnce) {
    harness::StartFresh();
    const std::string back = harness::WorkDir() + "/Back";
    std::filesystem::remove(back);  // the link to the generated pictures
    ASSERT_TRUE(std::filesystem::create_directory(back));
    StderrCapture capture;
    StartGame(BootScene);
    ASSERT_TRUE(harness::RunUntil([] { return At(LogoScene); }));
    harness::RunFrames(2);
    EXPECT_GT(LitPixels(), 640 * 480 / 2);
    ASSERT_TRUE(harness::RunUntil([] { return At(TitleScene) && wipeState == 0; }));
    ASSERT_TRUE(TitleToMenu());
    harness::RunFrames(60);
    EXPECT_GT(LitPixels(), 1000);
    EXPECT_EQ(capture.Text(), "sumline: cannot read Back\\Title.bmp: missing\n"
                              "sumline: cannot read Back\\Logo.bmp: missing\n");
}

}  // namespace
