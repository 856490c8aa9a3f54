#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "contentgen/content_file.h"
#include "match/match_scene.h"
#include "match/match_state.h"
#include "options/options_steps.h"

namespace {

using namespace optionsSteps;
using Bytes = std::vector<uint8_t>;

bool InMatch() { return currentScene == MatchScene && matchStarted == 1; }

// The match's backdrop holds the picture of "Back/screen<n>.bmp".
bool BackdropIs(int n) {
    contentFile::Bitmap b;
    const std::string path = "Back/screen" + std::to_string(n) + ".bmp";
    if (!contentFile::DecodeBitmap(contentFile::Read(path), b) || backdropSurface == nullptr) return false;
    if (backdropSurface->width != b.width || backdropSurface->height != b.height) return false;
    return std::equal(b.pixels.begin(), b.pixels.end(), backdropSurface->pixels);
}

TEST(OptionsReachMatch, SavedSettingsAreWhatTheNextMatchPlaysWith) {
    ASSERT_TRUE(BootToOptions());
    Step(vkRight);
    Step(vkRight);  // target 9
    CursorTo(2);
    Step(vkRight);  // difficulty 2
    CursorTo(3);
    Step(vkRight);
    Step(vkRight);  // background 2
    CursorTo(4);
    Step(vkRight);  // round panels
    CursorTo(endEntry);
    Step('X');
    harness::RunFrames(12);
    Step('X');
    ASSERT_EQ(OptionsBytes(), (Bytes{2, 0, 2, 2, 1}));
    ASSERT_TRUE(BackAtMenu());
    // Whatever the record held in between, the match reads the file.
    options = defaultOptions;
    gameMode = endlessMode;
    harness::Tap('X');
    ASSERT_TRUE(harness::RunUntil(InMatch, 5000000));
    EXPECT_EQ(TargetTotal(), 9);
    EXPECT_EQ(options.difficulty, 2);
    EXPECT_EQ(options.panelShape, 1);
    EXPECT_TRUE(BackdropIs(3));
}

// The backdrop and the sounds are chosen from the file too, not from a
// record the file has not been read into yet.
TEST(OptionsReachMatch, TheBackdropComesFromTheFileNotFromTheRecordBefore) {
    ASSERT_TRUE(BootWithFileToMenu({0, 0, 1, 3, 0}));
    options.backgroundPattern = 1;
    gameMode = practiceMode;
    harness::Tap('X');
    ASSERT_TRUE(harness::RunUntil(InMatch, 5000000));
    EXPECT_EQ(options.backgroundPattern, 3);
    EXPECT_TRUE(BackdropIs(4));
}

}  // namespace
