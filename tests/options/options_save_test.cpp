#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "harness/stderr_capture.h"
#include "options/options_steps.h"
#include "platform/clock.h"
#include "platform/sound.h"
#include "shell/save_notice_probe.h"

namespace {

using namespace optionsSteps;
using Bytes = std::vector<uint8_t>;

// Boots with the file as given (none when empty) and opens the screen.
void OpenWith(const Bytes& file) { ASSERT_TRUE(BootWithFileToMenu(file) && MenuToOptions()); }

// Changes the target total, then asks to leave by the end button.
void ChangeAndAskToLeave() {
    Step(vkRight);
    CursorTo(endEntry);
    Step('X');
    harness::RunFrames(12);
}

TEST(OptionsSave, EndWithoutChangesWritesTheDefaultsWhenThereWasNoFile) {
    OpenWith({});
    CursorTo(endEntry);
    Step('X');
    EXPECT_EQ(OptionsBytes(), (Bytes{0, 0, 1, 0, 0}));
    ASSERT_TRUE(BackAtMenu());
    // The screen is ready for the next visit, with nothing held over.
    EXPECT_EQ(optionsState.optionsCursor, 0);
    EXPECT_EQ(optionsState.leaving, 0);
    EXPECT_EQ(optionsState.saveAnswer, 0);
    EXPECT_EQ(backdropSurface, nullptr);
}

TEST(OptionsSave, AChangeOpensTheQuestionAndYesSavesTheExactBytes) {
    OpenWith({1, 0, 2, 3, 1});
    ChangeAndAskToLeave();
    EXPECT_TRUE(InSavePrompt());
    EXPECT_EQ(optionsState.saveAnswer, 0);
    EXPECT_EQ(OptionsBytes(), (Bytes{1, 0, 2, 3, 1}));
    Step('X');
    EXPECT_EQ(OptionsBytes(), (Bytes{2, 0, 2, 3, 1}));
    EXPECT_EQ(RecordBytes(), (Bytes{2, 0, 2, 3, 1}));
    // The menu does not take the same press.
    EXPECT_EQ(confirmHeld, 1);
    ASSERT_TRUE(BackAtMenu());
    EXPECT_EQ(mainMenuState.menuDecided, 0);
}

TEST(OptionsSave, ChangingAValueAndBackStillAsks) {
    OpenWith({});
    Step(vkRight);
    Step(vkLeft);
    CursorTo(endEntry);
    Step('X');
    EXPECT_TRUE(InSavePrompt());
}

TEST(OptionsSave, NoKeepsTheFileAndPutsTheFoundValuesBack) {
    OpenWith({1, 0, 2, 3, 1});
    ChangeAndAskToLeave();
    Step(vkLeft);
    EXPECT_EQ(optionsState.saveAnswer, 1);
    Step(vkRight);
    EXPECT_EQ(optionsState.saveAnswer, 0);
    Step('G');
    Step('X');
    ASSERT_TRUE(BackAtMenu());
    EXPECT_EQ(OptionsBytes(), (Bytes{1, 0, 2, 3, 1}));
    EXPECT_EQ(RecordBytes(), (Bytes{1, 0, 2, 3, 1}));
}

TEST(OptionsSave, NoWithoutAFileWritesNothing) {
    OpenWith({});
    ChangeAndAskToLeave();
    Step(vkRight);
    Step('X');
    ASSERT_TRUE(BackAtMenu());
    EXPECT_FALSE(std::filesystem::exists(OptionsPath()));
    EXPECT_EQ(RecordBytes(), (Bytes{0, 0, 1, 0, 0}));
}

TEST(OptionsSave, CancelDuringTheQuestionLeavesWithoutWriting) {
    OpenWith({3, 1, 0, 2, 0});
    ChangeAndAskToLeave();
    Step('Z');
    ASSERT_TRUE(BackAtMenu());
    EXPECT_EQ(OptionsBytes(), (Bytes{3, 1, 0, 2, 0}));
    EXPECT_EQ(RecordBytes(), (Bytes{3, 1, 0, 2, 0}));
}

TEST(OptionsSave, EscapeWhileBrowsingLeavesWithoutWriting) {
    OpenWith({});
    Step(vkRight);
    Step(vkEscape);
    EXPECT_EQ(wipeState, 1);
    ASSERT_TRUE(BackAtMenu());
    EXPECT_FALSE(std::filesystem::exists(OptionsPath()));
    EXPECT_EQ(options.targetSumOffset, 0);
}

TEST(OptionsSave, UpAndDownDoNotMoveTheCursorDuringTheQuestion) {
    OpenWith({});
    ChangeAndAskToLeave();
    Step(vkUp);
    Step(vkDown);
    EXPECT_EQ(optionsState.optionsCursor, endEntry);
    EXPECT_TRUE(InSavePrompt());
}

TEST(OptionsSave, RecommendedSetsTheStartingValuesAndCountsAsAChange) {
    OpenWith({3, 1, 2, 3, 1});
    CursorTo(recommendedEntry);
    Step('X');
    EXPECT_EQ(RecordBytes(), (Bytes{0, 0, 1, 0, 0}));
    EXPECT_EQ(optionsState.dirty, 1);
    CursorTo(endEntry);
    Step('X');
    harness::RunFrames(12);
    ASSERT_TRUE(InSavePrompt());
    Step('X');
    EXPECT_EQ(OptionsBytes(), (Bytes{0, 0, 1, 0, 0}));
}

// The reset button goes back to what the screen found, whether the file was
// there, missing or short, and leaving then saves just that without asking.
struct ResetCase {
    const char* name;
    Bytes file;
    Bytes found;
};

TEST(OptionsSave, ResetGoesBackToTheFoundValuesAndEndSavesThemWithoutAsking) {
    const ResetCase cases[] = {
        {"file", {2, 1, 0, 3, 1}, {2, 1, 0, 3, 1}},
        {"no file", {}, {0, 0, 1, 0, 0}},
        // A short file gives its bytes; the rest are the defaults boot had.
        {"short file", {3}, {3, 0, 1, 0, 0}},
    };
    for (const ResetCase& c : cases) {
        OpenWith(c.file);
        ASSERT_EQ(RecordBytes(), c.found) << c.name;
        for (int i = 0; i < 5; ++i) {
            CursorTo(i);
            Step(vkRight);
        }
        ASSERT_NE(RecordBytes(), c.found) << c.name;
        CursorTo(resetEntry);
        Step('X');
        EXPECT_EQ(RecordBytes(), c.found) << c.name;
        EXPECT_EQ(optionsState.dirty, 0) << c.name;
        EXPECT_TRUE(ShowsPicture(optionsLayout::targetX, optionsLayout::targetY,
                                 optionSheetLayout::TargetValue(c.found[0])))
            << c.name;
        CursorTo(endEntry);
        Step('X');
        EXPECT_FALSE(InSavePrompt()) << c.name;
        EXPECT_EQ(OptionsBytes(), c.found) << c.name;
        ASSERT_TRUE(BackAtMenu()) << c.name;
        EXPECT_EQ(RecordBytes(), c.found) << c.name;
    }
}

TEST(OptionsSave, SoundSwitchedOffStopsTheMenuMusicWhenTheScreenCloses) {
    OpenWith({});
    const int bgm = bgmBuffer.index;
    ASSERT_EQ(virtualBackend::state.voicePlaying[bgm], 1);
    CursorTo(1);
    Step(vkRight);
    CursorTo(endEntry);
    Step('X');
    harness::RunFrames(12);
    Step('X');
    // It plays on under the closing wipe and stops as the menu takes over.
    harness::RunFrames(5);
    EXPECT_EQ(virtualBackend::state.voicePlaying[bgm], 1);
    ASSERT_TRUE(harness::RunUntil([] { return currentScene == MainMenuScene; }));
    EXPECT_EQ(virtualBackend::state.voicePlaying[bgm], 0);
    EXPECT_EQ(OptionsBytes(), (Bytes{0, 1, 1, 0, 0}));
}

TEST(OptionsSave, SoundSwitchedOnDoesNotStartTheMusicHere) {
    // Start-up read "off": the title left the menu music unloaded.
    OpenWith({0, 1, 1, 0, 0});
    harness::ClearSoundLog();
    CursorTo(1);
    Step(vkLeft);
    CursorTo(endEntry);
    Step('X');
    harness::RunFrames(12);
    Step('X');
    ASSERT_TRUE(BackAtMenu());
    EXPECT_EQ(OptionsBytes(), (Bytes{0, 0, 1, 0, 0}));
    for (const auto& e : harness::SoundLog()) EXPECT_NE(e.slot, bgmBuffer.index) << harness::SoundName(e);
}

TEST(OptionsSave, AFailedSaveIsToldAndTheMenuWaitsForTheNotice) {
    OpenWith({});
    // A folder where the file belongs: nothing can be written there.
    std::filesystem::create_directory(OptionsPath());
    ChangeAndAskToLeave();
    StderrCapture capture;
    Step('X');
    EXPECT_NE(capture.Text().find("Data/OD.dat"), std::string::npos);
    harness::RunFrames(3);
    constexpr int top = 223;
    EXPECT_TRUE(saveNoticeProbe::Shown(top));
    // Whole above the closing wipe, then alone on the closed screen.
    ASSERT_TRUE(harness::RunUntil([] { return optionsState.closed == 1; }));
    harness::RunFrames(1);
    EXPECT_EQ(currentScene, OptionsScene);
    EXPECT_TRUE(saveNoticeProbe::Shown(top));
    EXPECT_EQ(harness::PixelAt(20, 20), 0);
    ASSERT_TRUE(harness::RunUntil([] { return currentScene == MainMenuScene; }));
    EXPECT_GE(TimeGetTime() - saveNoticeMark, saveNoticeMs);
    // What the player chose stays in force until the file is read again.
    EXPECT_EQ(options.targetSumOffset, 1);
    ASSERT_TRUE(BackAtMenu());
    EXPECT_TRUE(saveNoticeProbe::Absent(top));
}

TEST(OptionsSave, ASaveThatWorksShowsNoNotice) {
    OpenWith({});
    ChangeAndAskToLeave();
    Step('X');
    for (int i = 0; i < 45 && currentScene == OptionsScene; ++i) {
        harness::RunFrames(1);
        EXPECT_TRUE(saveNoticeProbe::Absent(223)) << i;
    }
    EXPECT_EQ(currentScene, MainMenuScene);
}

TEST(OptionsSave, CursorAndDecideSoundsPlayWithSoundOff) {
    OpenWith({0, 1, 1, 0, 0});
    harness::ClearSoundLog();
    Step(vkDown);
    EXPECT_TRUE(harness::Played("Select.wav", seBuffer1.index, false));
    Step('X');
    EXPECT_TRUE(harness::Played("Ok.wav", seBuffer2.index, false));
}

}  // namespace
