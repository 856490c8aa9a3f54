#include <gtest/gtest.h>

#include <vector>

#include "content/game_sheet.h"
#include "frontend/frontend_steps.h"
#include "frontend/main_menu.h"
#include "match/match_scene.h"
#include "match/match_setup.h"
#include "match/match_state.h"
#include "match/puzzle_rules.h"
#include "options/options_file.h"
#include "platform/keys.h"
#include "platform/sound.h"
#include "platform/surface.h"
#include "platform/wipe.h"
#include "puzzle/progress_file.h"
#include "puzzle/puzzle_file.h"
#include "puzzle/puzzle_test_util.h"
#include "ranking/name_entry.h"
#include "shell/farewell.h"
#include "shell/game_mode.h"
#include "shell/scene.h"

namespace {

using namespace puzzleTest;
using frontendSteps::At;

// Frames from the picker's start by which its opening wipe is over.
constexpr uint32_t pickerOpen = 60;

// Boots to the menu, stores the problems (and the progress), chooses PUZZLE
// and waits for the set-up; the keys of the plan then run the picker.
void ChoosePuzzle(const PuzzleFile* problems, const ClearFile* progress = nullptr) {
    ASSERT_TRUE(frontendSteps::BootToMenu());
    if (problems != nullptr) {
        ASSERT_TRUE(WritePuzzleFile(*problems));
    }
    if (progress != nullptr) WriteRaw("CLEAR.dat", std::vector<uint8_t>(progress->solved, progress->solved + 200));
    gameMode = puzzleMode;
    harness::Tap('X');
    ASSERT_TRUE(harness::RunUntil([] { return At(MatchSetupScene); }));
}

// What the picker showed on each frame.
struct PickerFrame {
    int index;
    bool leftArrow, rightArrow, solvedMark;
};
std::vector<PickerFrame> seen;

void RecordPickerFrame() {
    if (!At(MatchSetupScene) || wipeState != 0 || skipPicker != 0) return;
    using namespace gameSheetLayout;
    seen.push_back({puzzleIndex, PictureShown(arrowLeft, 210, 7), PictureShown(arrowRight, 400, 7),
                    PictureShown(winLabel, 426, 9)});
}

PuzzleFile FiveProblemsWithAGap() {
    PuzzleFile t = NoProblems();
    Present(t, 0, 1, 0);
    Present(t, 1, 2, 30);
    Present(t, 2, 0, 40);
    Present(t, 4, 5, 0);  // behind the absent fourth: out of reach
    BoardCell(t, 2, 2, 3) = 5;
    BoardCell(t, 2, 3, 3) = 4;
    t.targetSums[2] = 9;
    return t;
}

TEST(PuzzlePicker, BrowsesThePresentProblemsAndStartsTheChosenOne) {
    const PuzzleFile problems = FiveProblemsWithAGap();
    ClearFile progress{};
    progress.solved[1] = 1;
    ChoosePuzzle(&problems, &progress);
    seen.clear();
    virtualBackend::state.afterPresent = RecordPickerFrame;
    harness::ClearSoundLog();
    // Right held for 60 frames: one problem at once, one 30 frames later,
    // then nothing past the absent fourth; X starts the third.
    KeyPlan().Press(pickerOpen, vkRight, 60).Press(pickerOpen + 80, 'X').Schedule();
    harness::Pass();
    virtualBackend::state.afterPresent = nullptr;

    ASSERT_FALSE(seen.empty());
    int firstAt[3] = {-1, -1, -1};
    for (size_t f = 0; f < seen.size(); ++f) {
        const PickerFrame& s = seen[f];
        ASSERT_LE(s.index, 2);
        if (firstAt[s.index] < 0) firstAt[s.index] = static_cast<int>(f);
        // A frame on which the choice moves still shows the one before.
        if (f > 0 && seen[f - 1].index != s.index) continue;
        EXPECT_EQ(s.leftArrow, s.index > 0) << "frame " << f;
        EXPECT_EQ(s.rightArrow, s.index < 2) << "frame " << f;
        EXPECT_EQ(s.solvedMark, s.index == 1) << "frame " << f;
    }
    ASSERT_GE(firstAt[1], 0);
    ASSERT_GE(firstAt[2], 0);
    EXPECT_EQ(firstAt[2] - firstAt[1], 30) << "the repeat waits 30 frames";
    int moves = 0;
    for (const auto& e : harness::SoundLog())
        moves += e.call == virtualBackend::SoundCall::play && harness::SoundName(e) == "Select.wav" ? 1 : 0;
    EXPECT_EQ(moves, 2);

    EXPECT_TRUE(At(MatchScene));
    EXPECT_EQ(puzzleIndex, 2);
    EXPECT_EQ(skipPicker, 1);
    EXPECT_EQ(clockMinutes, 0);
    EXPECT_EQ(clockSeconds, 40);
    EXPECT_EQ(TargetTotal(), 9);
    EXPECT_EQ(Cell(0, 2, 3), 5);
    EXPECT_EQ(Cell(0, 3, 3), 4);
    EXPECT_TRUE(harness::Played("Ok.wav", 2, false));
}

TEST(PuzzlePicker, WithoutProblemsNothingStartsAndEscapeLeaves) {
    ChoosePuzzle(nullptr);  // no Data\PZL.dat at all
    KeyPlan().Press(pickerOpen, 'X').Press(pickerOpen + 20, 'C').Press(pickerOpen + 40, vkEscape).Schedule();
    harness::Pass();
    EXPECT_EQ(matchStarted, 0) << "a problem of 0:00 never starts";
    EXPECT_EQ(skipPicker, 0);
    ASSERT_TRUE(harness::RunUntil([] { return At(MainMenuScene); }));
    EXPECT_EQ(matchStarted, 0);
    EXPECT_TRUE(harness::Played("Opening.wav", 0, true));
}

void CloseTheWindow() {
    if (harness::Frames() % 100 == 0) virtualBackend::state.windowCloseRequested = true;
}

// The picker waits for the player as long as he likes: closing the window
// there says goodbye like anywhere else.
TEST(PuzzlePicker, ClosingTheWindowLeavesForTheFarewell) {
    PuzzleFile problems = NoProblems();
    Present(problems, 0);
    ChoosePuzzle(&problems);
    virtualBackend::state.afterPresent = CloseTheWindow;
    harness::Pass();
    virtualBackend::state.afterPresent = nullptr;
    EXPECT_TRUE(At(ExitScene));
    EXPECT_EQ(matchStarted, 0);
    EXPECT_TRUE(harness::RunUntil([] { return !harness::Pass(); }, 100000)) << "the game ends";
}

// Waits for a solved problem's CLEAR! and answers it with the decide key.
void PassTheClearBanner() {
    ASSERT_TRUE(harness::RunUntil([] { return matchEnd == 1 && resultPhase == 2; }, 400000));
    harness::Tap('X', 2);
}

// Problems with an empty board and the goal to clear it are solved on the
// first step of play.
TEST(PuzzleSeries, ASolveMovesOnAndTheSeriesEndsAfterTheLastPresentProblem) {
    PuzzleFile problems = NoProblems();
    Present(problems, 0, 1, 0);
    Present(problems, 1, 0, 50);
    ChoosePuzzle(&problems);
    KeyPlan().Press(pickerOpen, 'X').Schedule();
    harness::Pass();
    ASSERT_TRUE(At(MatchScene));
    PassTheClearBanner();
    ASSERT_TRUE(harness::RunUntil([] { return At(MatchSetupScene); }, 400000));
    EXPECT_EQ(puzzleIndex, 1);
    EXPECT_EQ(skipPicker, 1);
    std::vector<uint8_t> progress = ReadRaw("CLEAR.dat");
    ASSERT_EQ(progress.size(), 200u);
    EXPECT_EQ(progress[0], 1);
    EXPECT_GE(progress[100], 55) << "seconds left of 60";

    harness::ClearSoundLog();
    harness::Pass();
    ASSERT_TRUE(At(MatchScene));
    PassTheClearBanner();
    ASSERT_TRUE(harness::RunUntil([] { return At(MainMenuScene); }, 400000));
    EXPECT_EQ(puzzleIndex, 2);
    EXPECT_TRUE(harness::Played("Opening.wav", 0, true));
    progress = ReadRaw("CLEAR.dat");
    EXPECT_EQ(progress[1], 1);
    EXPECT_EQ(progress[2], 0);
}

TEST(PuzzleSeries, TheHundredthProblemEndsTheSeries) {
    PuzzleFile problems = NoProblems();
    for (int i = 0; i < puzzleCount; ++i) Present(problems, i);
    ChoosePuzzle(&problems);
    puzzleIndex = 99;
    skipPicker = 1;
    harness::Pass();
    ASSERT_TRUE(At(MatchScene));
    PassTheClearBanner();
    ASSERT_TRUE(harness::RunUntil([] { return At(MainMenuScene); }, 400000));
    EXPECT_EQ(ReadRaw("CLEAR.dat")[99], 1);
}

// 0:10 on the clock and a board that no move is made on: 0:00 is still
// play, the tick after it loses; the question then offers the problem again,
// with its swaps read afresh.
TEST(PuzzleSeries, TimeRunsOutOneTickAfterNoughtAndARetryStartsAfresh) {
    PuzzleFile problems = NoProblems();
    Present(problems, 0, 0, 10);
    BoardCell(problems, 0, 2, 0) = 1;
    problems.swapLimits[0] = 3;
    ChoosePuzzle(&problems);
    KeyPlan().Press(pickerOpen, 'X').Schedule();
    harness::Pass();
    ASSERT_TRUE(At(MatchScene));
    PuzzleSwapAllowance() = 1;  // swaps used in this match
    ASSERT_TRUE(harness::RunUntil([] { return clockMinutes == 0 && clockSeconds == 0; }, 400000));
    harness::RunMs(900);
    EXPECT_EQ(matchState, 0) << "0:00 is still play";
    ASSERT_TRUE(harness::RunUntil([] { return matchState != 0; }, 400000));
    EXPECT_EQ(matchEnd, 0) << "lost";
    ASSERT_TRUE(harness::RunUntil([] { return matchState == 2 && entryPhase == 2 && boxGrowth == 10; }, 400000));
    harness::Tap('X', 2);
    ASSERT_TRUE(harness::RunUntil([] { return At(MatchSetupScene); }, 400000));
    EXPECT_EQ(puzzleIndex, 0);
    EXPECT_EQ(skipPicker, 1);
    harness::Pass();
    ASSERT_TRUE(At(MatchScene));
    EXPECT_EQ(PuzzleSwapAllowance(), 3);
    EXPECT_EQ(clockSeconds, 10);
    EXPECT_EQ(Cell(0, 2, 0), 1);
}

}  // namespace
