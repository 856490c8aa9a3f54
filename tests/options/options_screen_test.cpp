#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "content/title_sheet.h"
#include "options/options_steps.h"
#include "platform/sound.h"

namespace {

using namespace optionsSteps;

class OptionsScreen : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(BootToOptions()); }
};

int SelectPlays() {
    return static_cast<int>(std::count_if(harness::SoundLog().begin(), harness::SoundLog().end(), [](const auto& e) {
        return e.call == virtualBackend::SoundCall::play && e.slot == seBuffer1.index;
    }));
}

TEST_F(OptionsScreen, WithNoFileShowsTheDefaultsWithTheCursorOnTheFirstSetting) {
    // The frame after the opening wipe's last.
    harness::RunFrames(1);
    EXPECT_EQ(RecordBytes(), (std::vector<uint8_t>{0, 0, 1, 0, 0}));
    EXPECT_EQ(optionsState.optionsCursor, 0);
    using namespace optionsLayout;
    namespace sheet = optionSheetLayout;
    EXPECT_TRUE(ShowsPicture(targetX, targetY, sheet::TargetValue(0)));
    EXPECT_TRUE(ShowsPicture(soundX, soundY, sheet::SoundValue(0)));
    EXPECT_TRUE(ShowsPicture(difficultyX, difficultyY, sheet::DifficultyValue(1)));
    EXPECT_TRUE(ShowsPicture(sampleValueX, backgroundY, sheet::BackgroundValue(0)));
    EXPECT_TRUE(ShowsPicture(sampleValueX, panelShapeY, sheet::PanelShapeValue(0)));
    for (int i = 0; i < 5; ++i) EXPECT_TRUE(ShowsPicture(labelX, LabelY(i), sheet::Label(i))) << i;
    EXPECT_TRUE(ShowsPicture(sampleFrameX, backgroundY, sheet::sampleFrame));
    EXPECT_TRUE(ShowsPicture(sampleFrameX, panelShapeY, sheet::sampleFrame));
    EXPECT_TRUE(ShowsPicture(endButtonX, buttonY, sheet::endButton));
    EXPECT_TRUE(ShowsPicture(recommendedButtonX, buttonY, sheet::recommendedButton));
    EXPECT_TRUE(ShowsPicture(resetButtonX, buttonY, sheet::resetButton));
}

struct CursorCase {
    int from;
    int key;
    int to;
};

TEST_F(OptionsScreen, CursorMovesAndWrapsBetweenSettingsAndButtons) {
    const CursorCase cases[] = {
        {0, vkUp, 5},    {1, vkUp, 0},      {4, vkUp, 3},      {5, vkUp, 4},     {6, 'Y', 4},       {7, vkUp, 4},
        {0, vkDown, 1},  {4, vkDown, 5},    {5, vkDown, 0},    {6, 'B', 0},      {7, vkDown, 0},    {5, vkLeft, 7},
        {6, vkLeft, 5},  {7, 'G', 6},       {5, vkRight, 6},   {6, vkRight, 7},  {7, 'H', 5},
    };
    for (const CursorCase& c : cases) {
        optionsState.optionsCursor = static_cast<int8_t>(c.from);
        harness::ClearSoundLog();
        Step(c.key);
        EXPECT_EQ(optionsState.optionsCursor, c.to) << c.from << " key " << c.key;
        EXPECT_TRUE(harness::Played("Select.wav", seBuffer1.index, false)) << c.from << " key " << c.key;
    }
    // Moving the cursor changes nothing.
    EXPECT_EQ(optionsState.dirty, 0);
}

// Where setting i's value picture lands, and its picture for value v.
struct ValuePlace {
    int x, y;
    SheetRect (*picture)(int);
};
const ValuePlace valuePlaces[5] = {
    {optionsLayout::targetX, optionsLayout::targetY, optionSheetLayout::TargetValue},
    {optionsLayout::soundX, optionsLayout::soundY, optionSheetLayout::SoundValue},
    {optionsLayout::difficultyX, optionsLayout::difficultyY, optionSheetLayout::DifficultyValue},
    {optionsLayout::sampleValueX, optionsLayout::backgroundY, optionSheetLayout::BackgroundValue},
    {optionsLayout::sampleValueX, optionsLayout::panelShapeY, optionSheetLayout::PanelShapeValue},
};

TEST_F(OptionsScreen, EachSettingWrapsBothWaysAndShowsItsValuePicture) {
    for (int i = 0; i < 5; ++i) {
        CursorTo(i);
        OptionField(i) = 0;
        Step(vkLeft);
        EXPECT_EQ(OptionField(i), optionMax[i]) << i;
        EXPECT_TRUE(ShowsPicture(valuePlaces[i].x, valuePlaces[i].y, valuePlaces[i].picture(optionMax[i]))) << i;
        Step(vkRight);
        EXPECT_EQ(OptionField(i), 0) << i;
        EXPECT_TRUE(ShowsPicture(valuePlaces[i].x, valuePlaces[i].y, valuePlaces[i].picture(0))) << i;
        // Every value in turn, by the decide key, wrapping at the top.
        for (int v = 1; v <= optionMax[i] + 1; ++v) {
            Step('X');
            const int expect = v > optionMax[i] ? 0 : v;
            EXPECT_EQ(OptionField(i), expect) << i;
            EXPECT_TRUE(ShowsPicture(valuePlaces[i].x, valuePlaces[i].y, valuePlaces[i].picture(expect))) << i << " " << v;
        }
    }
    EXPECT_EQ(optionsState.dirty, 1);
}

TEST_F(OptionsScreen, ValuePicturesOfOneSettingAreAllDifferent) {
    for (int i = 0; i < 5; ++i) {
        for (int v = 0; v <= optionMax[i]; ++v) {
            for (int w = v + 1; w <= optionMax[i]; ++w) {
                const SheetRect a = valuePlaces[i].picture(v), b = valuePlaces[i].picture(w);
                int differing = 0;
                for (int y = 0; y < a.Height(); ++y)
                    for (int x = 0; x < a.Width(); ++x)
                        differing += backdropSurface->pixels[(a.top + y) * backdropSurface->width + a.left + x] !=
                                     backdropSurface->pixels[(b.top + y) * backdropSurface->width + b.left + x];
                EXPECT_GT(differing, 40) << i << ": " << v << " " << w;
            }
        }
    }
}

TEST_F(OptionsScreen, HeldRightStepsAtOnceThenAfterThirtyThenEveryTen) {
    CursorTo(3);
    harness::ClearSoundLog();
    harness::Hold(vkRight);
    std::vector<uint32_t> stepFrames;
    const uint32_t start = harness::Frames();
    int8_t last = options.backgroundPattern;
    for (int i = 0; i < 62; ++i) {
        harness::RunFrames(1);
        if (options.backgroundPattern != last) {
            stepFrames.push_back(harness::Frames() - start);
            last = options.backgroundPattern;
        }
    }
    harness::Release(vkRight);
    EXPECT_EQ(stepFrames, (std::vector<uint32_t>{1, 31, 41, 51, 61}));
    EXPECT_EQ(options.backgroundPattern, 1);  // five steps round four patterns
    EXPECT_EQ(SelectPlays(), 5);
}

TEST_F(OptionsScreen, HeldDownRepeatsAndWrapsRoundAllEightEntries) {
    harness::Hold(vkDown);
    std::vector<int8_t> seen;
    int8_t last = optionsState.optionsCursor;
    for (int i = 0; i < 112; ++i) {
        harness::RunFrames(1);
        if (optionsState.optionsCursor != last) seen.push_back(last = optionsState.optionsCursor);
    }
    harness::Release(vkDown);
    // At once, at 30, then every 10 frames: 1, 2, ..., 5, 0, 1, ...
    EXPECT_EQ(seen, (std::vector<int8_t>{1, 2, 3, 4, 5, 0, 1, 2, 3, 4}));
    // The counter folds back below 100 and keeps its rhythm.
    EXPECT_LT(optionsState.optionsVerticalHold, 100);
}

TEST_F(OptionsScreen, BothUpAndDownHeldAdvanceTheCounterByTwo) {
    harness::Hold(vkUp);
    harness::Hold(vkDown);
    harness::RunFrames(1);
    EXPECT_EQ(optionsState.optionsVerticalHold, 2);
    harness::RunFrames(1);
    EXPECT_EQ(optionsState.optionsVerticalHold, 4);
}

TEST_F(OptionsScreen, HeldDecideStepsASettingOnlyOnce) {
    harness::Hold('X');
    harness::RunFrames(40);
    harness::Release('X');
    harness::RunFrames(2);
    EXPECT_EQ(options.targetSumOffset, 1);
    EXPECT_TRUE(harness::Played("Ok.wav", seBuffer2.index, false));
    Step('X');
    EXPECT_EQ(options.targetSumOffset, 2);
}

// Each visit is entered with X still held from the menu's decision; the
// first is left with Z, the second through END and its save question.
TEST(OptionsScreenEntry, DecideStillHeldFromTheMenuDoesNothingUntilLetGoOnEveryVisit) {
    ASSERT_TRUE(frontendSteps::BootToMenu());
    for (int visit = 0; visit < 3; ++visit) {
        SCOPED_TRACE(visit);
        gameMode = optionsMode;
        harness::Hold('X');
        ASSERT_TRUE(harness::RunUntil(InOptions));
        const int entered = options.targetSumOffset;
        harness::RunFrames(20);
        EXPECT_EQ(options.targetSumOffset, entered);
        EXPECT_EQ(optionsState.dirty, 0);
        harness::Release('X');
        harness::RunFrames(2);
        EXPECT_EQ(options.targetSumOffset, entered);
        Step('X');
        EXPECT_EQ(options.targetSumOffset, (entered + 1) % 4);
        if (visit == 0) {
            Step('Z');
        } else {
            CursorTo(endEntry);
            Step('X');
            Step('X');
        }
        ASSERT_TRUE(BackAtMenu());
    }
    EXPECT_EQ(OptionsBytes()[0], 2) << "two visits saved one step each";
}

TEST(OptionsScreenEntry, KeysDoNothingWhileTheWipeOpens) {
    ASSERT_TRUE(frontendSteps::BootToMenu());
    gameMode = optionsMode;
    harness::Tap('X');
    ASSERT_TRUE(harness::RunUntil([] { return currentScene == OptionsScene; }));
    EXPECT_NE(wipeState, 0);
    harness::Hold(vkRight);
    harness::Hold(vkDown);
    harness::RunFrames(10);
    EXPECT_NE(wipeState, 0);
    EXPECT_EQ(optionsState.optionsCursor, 0);
    EXPECT_EQ(options.targetSumOffset, 0);
}

// Opaque pixels of the frame's top-left 8x8 corner in phase p that show at
// (x, y) of the last frame.
int CornerMatches(int x, int y, int p) {
    const SheetRect cap = titleSheetLayout::CursorFrame(p);
    int matching = 0;
    for (int dy = 0; dy < 8; ++dy)
        for (int dx = 0; dx < 8; ++dx) {
            const uint8_t c = mainSheet->pixels[(cap.top + dy) * mainSheet->width + cap.left + dx];
            if (c != colorKey) matching += harness::PixelAt(x + dx, y + dy) == c ? 1 : 0;
        }
    return matching;
}

// Phase of the last drawn frame's cursor animation.
int DrawnPhase() { return static_cast<int>((optionsState.blink.now - optionsState.blink.cycleStart) / 100); }

TEST_F(OptionsScreen, CursorFrameSurroundsTheChosenEntry) {
    using namespace optionsLayout;
    harness::RunFrames(1);
    for (int entry = 0; entry < optionsEntryCount; ++entry) {
        CursorTo(entry);
        const FrameBox box = CursorBox(entry);
        EXPECT_GT(CornerMatches(box.left, box.top, DrawnPhase()), 40) << entry;
        // The stretched top edge and the lower row's right cap.
        EXPECT_GT(harness::DistinctIndices(box.left + 8, box.top, box.right - 8, box.top + 8), 1) << entry;
        EXPECT_GT(harness::DistinctIndices(box.right - 8, box.top + 52, box.right, box.top + 60), 1) << entry;
        // No frame where the previous entry was.
        const FrameBox other = CursorBox((entry + 7) % 8);
        EXPECT_LT(CornerMatches(other.left, other.top, 0) + CornerMatches(other.left, other.top, 1), 20) << entry;
    }
}

TEST_F(OptionsScreen, CursorFrameSwitchesPhaseEveryHundredMilliseconds) {
    const optionsLayout::FrameBox box = optionsLayout::CursorBox(0);
    bool seen[2] = {false, false};
    for (int i = 0; i < 30; ++i) {
        harness::RunFrames(1);
        const int p = DrawnPhase();
        ASSERT_TRUE(p == 0 || p == 1);
        seen[p] = true;
        EXPECT_GT(CornerMatches(box.left, box.top, p), 40);
    }
    EXPECT_TRUE(seen[0] && seen[1]);
}

}  // namespace
