#include <gtest/gtest.h>

#include <vector>

#include "content/rank_sheet.h"
#include "content/title_sheet.h"
#include "frontend/main_menu.h"
#include "harness/probes.h"
#include "platform/sound.h"
#include "ranking/viewer_steps.h"

namespace {

using namespace viewerSteps;

// Either phase of the cursor's left arrow with its top-left at (x, y).
bool LeftArrowAt(int x, int y) {
    return PictureShown(mainSheet, titleSheetLayout::BracketLeft(0), x, y) ||
           PictureShown(mainSheet, titleSheetLayout::BracketLeft(1), x, y);
}

bool RightArrowAt(int x, int y) {
    return PictureShown(mainSheet, titleSheetLayout::BracketRight(0), x, y) ||
           PictureShown(mainSheet, titleSheetLayout::BracketRight(1), x, y);
}

class RankingViewerKeys : public ::testing::Test {
protected:
    void SetUp() override {
        RankingFile t;
        rankingTest::MakeFullTable(t);
        ASSERT_TRUE(OpenViewerWith(t));
    }
    static bool BackInTheMenu() {
        return harness::RunUntil([] { return currentScene == MainMenuScene && wipeState == 0; });
    }
    // Escape to the menu, and the ranking tile decided again.
    static bool LeaveAndComeBack() {
        Step(vkEscape);
        if (!BackInTheMenu()) return false;
        harness::Tap('X');
        return UntilViewerOpen();
    }
};

TEST_F(RankingViewerKeys, TheCursorStandsAroundTheChosenHeading) {
    EXPECT_TRUE(LeftArrowAt(290, 47));
    EXPECT_TRUE(RightArrowAt(377, 47));
    Step(vkLeft);
    EXPECT_EQ(Viewer().sortColumn, nameColumn);
    EXPECT_TRUE(LeftArrowAt(113, 47));
    EXPECT_TRUE(RightArrowAt(211, 47));
    EXPECT_FALSE(LeftArrowAt(290, 47));
    Step('G');
    EXPECT_EQ(Viewer().sortColumn, backButtonColumn);
    EXPECT_TRUE(LeftArrowAt(5, 35));
    EXPECT_TRUE(RightArrowAt(100, 35));
    EXPECT_TRUE(harness::Played("Select.wav", seBuffer1.index, false));
}

TEST_F(RankingViewerKeys, RightToTheFourthColumnSlidesTheHeadingsOverFourteenFrames) {
    Step(vkRight);
    EXPECT_EQ(Viewer().sortColumn, levelColumn);
    harness::Tap('H');
    std::vector<int> shifts;
    for (int n = 0; n < 15; ++n) {
        harness::RunFrames(1);
        shifts.push_back(Viewer().headerShift);
        if (Viewer().headerSlide != 0) {
            // Hidden while the headings move.
            EXPECT_FALSE(LeftArrowAt(565 - Viewer().headerShift, 47)) << n;
        }
    }
    const std::vector<int> expected{30, 60, 90, 120, 150, 180, 210, 240, 270, 300, 330, 360, 390, 400, 400};
    EXPECT_EQ(shifts, expected);
    EXPECT_EQ(Viewer().sortColumn, chainColumn);
    EXPECT_EQ(Viewer().headerSlide, 0);
    // The slid columns in view, the cursor back around the longest chain.
    EXPECT_TRUE(LeftArrowAt(565 - 400, 47));
    EXPECT_TRUE(RightArrowAt(676 - 400, 47));
    EXPECT_TRUE(PictureShown(itemSheet, rankSheetLayout::timeHeading, 720 - 400, 55));
    EXPECT_TRUE(PictureShown(itemSheet, rankSheetLayout::gradeHeading, 870 - 400, 55));
    // The place numbers do not move; the lines do: the grade of place 1
    // (grade 0, "SSS") now at 885 - 400.
    EXPECT_TRUE(PlaceShown(1, 0));
    EXPECT_TRUE(PictureShown(itemSheet, rankSheetLayout::Letter(rankSheetLayout::sCode), 860 - 400, LineTop(0) + 3));
}

struct MoveCase {
    const char* name;
    int from;
    int key;
    int to;
    int shiftAfter;
};

const MoveCase moveCases[] = {
    {"RightFromTheLastColumnGoesToTheBackButtonAndSlidesBack", gradeColumn, vkRight, backButtonColumn, 0},
    {"LeftFromTheBackButtonGoesToTheLastColumn", backButtonColumn, vkLeft, gradeColumn, 400},
    {"LeftFromTheFourthColumnSlidesBack", chainColumn, vkLeft, levelColumn, 0},
    {"RightFromTheBackButtonGoesToTheFirstColumn", backButtonColumn, vkRight, nameColumn, 0},
    {"LeftFromTheFirstColumnGoesToTheBackButton", nameColumn, vkLeft, backButtonColumn, 0},
    {"ZFromASlidColumnGoesToTheBackButtonAndSlidesBack", timeColumn, 'Z', backButtonColumn, 0},
    {"ZFromAnUnslidColumnGoesToTheBackButton", levelColumn, 'Z', backButtonColumn, 0},
};

class RankingViewerMoves : public RankingViewerKeys, public ::testing::WithParamInterface<MoveCase> {};

TEST_P(RankingViewerMoves, CursorAndSlide) {
    const MoveCase& c = GetParam();
    ASSERT_TRUE(CursorTo(c.from));
    Step(c.key);
    EXPECT_EQ(Viewer().sortColumn, c.to);
    ASSERT_TRUE(HeadingsStill());
    EXPECT_EQ(Viewer().headerShift, c.shiftAfter);
    EXPECT_TRUE(InViewer());
    if (c.to == backButtonColumn) {
        EXPECT_TRUE(LeftArrowAt(5, 35));
    } else {
        EXPECT_TRUE(LeftArrowAt(rankingColumns[c.to].cursorLeft - c.shiftAfter, 47));
    }
}

INSTANTIATE_TEST_SUITE_P(Keys, RankingViewerMoves, ::testing::ValuesIn(moveCases),
                         CaseName<MoveCase>);

TEST_F(RankingViewerKeys, HeldRightRepeatsAfterThirtyFramesThenEveryTen) {
    Step(vkLeft);  // to the name column, clear of the slides for a while
    Step(vkLeft);  // the back button
    harness::Hold(vkRight);
    harness::RunFrames(1);
    EXPECT_EQ(Viewer().sortColumn, nameColumn);
    harness::RunFrames(29);
    EXPECT_EQ(Viewer().sortColumn, nameColumn);
    harness::RunFrames(1);
    EXPECT_EQ(Viewer().sortColumn, scoreColumn);
    harness::RunFrames(10);
    EXPECT_EQ(Viewer().sortColumn, levelColumn);
    harness::Release(vkRight);
    harness::RunFrames(1);
}

struct LeaveCase {
    const char* name;
    std::vector<int> keys;
};

const LeaveCase leaveCases[] = {
    {"XOnTheBackButton", {'Z', 'X'}},
    {"ZOnTheBackButton", {'Z', 'Z'}},
    {"EscapeOnAColumn", {vkEscape}},
    {"EscapeOnTheBackButton", {'Z', vkEscape}},
};

class RankingViewerLeave : public RankingViewerKeys, public ::testing::WithParamInterface<LeaveCase> {};

TEST_P(RankingViewerLeave, ClosesToTheMenuWithItsMusicPlaying) {
    for (const int vk : GetParam().keys) {
        ASSERT_TRUE(InViewer());
        Step(vk);
    }
    EXPECT_EQ(wipeState, 1);
    EXPECT_TRUE(harness::Played("Ok.wav", seBuffer2.index, false));
    harness::ClearSoundLog();
    ASSERT_TRUE(BackInTheMenu());
    EXPECT_EQ(gameMode, rankingMode);
    EXPECT_EQ(itemSheet, nullptr);
    EXPECT_EQ(backdropSurface, nullptr);
    for (const auto& e : harness::SoundLog())
        EXPECT_FALSE(e.call == virtualBackend::SoundCall::stop && e.slot == bgmBuffer.index);
}

INSTANTIATE_TEST_SUITE_P(Keys, RankingViewerLeave, ::testing::ValuesIn(leaveCases),
                         CaseName<LeaveCase>);

TEST_F(RankingViewerKeys, XOnAColumnNeedsItsKeyReleasedFirst) {
    harness::Hold('X');
    harness::RunFrames(3);
    EXPECT_EQ(Viewer().sortReversed, 1);
    harness::RunFrames(5);
    EXPECT_EQ(Viewer().sortReversed, 1);  // held: no second choice
    harness::Release('X');
    harness::RunFrames(1);
    Step('X');
    EXPECT_EQ(Viewer().sortReversed, 0);
}

TEST_F(RankingViewerKeys, AVisitLeftWithTheHeadingsSlidOpensTheNextOneUnslid) {
    ASSERT_TRUE(CursorTo(timeColumn));
    Step('X');
    harness::RunFrames(20);
    ASSERT_EQ(Viewer().headerShift, 400);
    ASSERT_TRUE(LeaveAndComeBack());
    EXPECT_EQ(Viewer().sortColumn, scoreColumn);
    EXPECT_EQ(Viewer().headerShift, 0);
    EXPECT_EQ(Viewer().headerSlide, 0);
    EXPECT_EQ(Viewer().sortReversed, 0);
    EXPECT_EQ(Viewer().scrollY, 0);
    EXPECT_TRUE(LeftArrowAt(290, 47));
    EXPECT_TRUE(PictureShown(itemSheet, rankSheetLayout::scoreHeading, 310, 55));
}

TEST_F(RankingViewerKeys, AVisitStartsAtTheTopInTheScoreOrder) {
    Step(vkLeft);
    Step('X');  // by name
    harness::Hold(vkDown);
    harness::RunFrames(10);
    harness::Release(vkDown);
    harness::RunFrames(1);
    ASSERT_GT(Viewer().scrollY, 0);
    const int sheets = LiveSheetCount();
    ASSERT_TRUE(LeaveAndComeBack());
    EXPECT_EQ(LiveSheetCount(), sheets);
    EXPECT_EQ(Viewer().scrollY, 0);
    EXPECT_EQ(Viewer().lastSort, scoreColumn);
    for (int r = 0; r < rankingEntries; ++r) ASSERT_EQ(Viewer().viewerOrder[r], r);
}

}  // namespace
