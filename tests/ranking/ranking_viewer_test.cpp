#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "content/rank_sheet.h"
#include "content/title_sheet.h"
#include "frontend/main_menu.h"
#include "platform/sound.h"
#include "ranking/viewer_steps.h"

namespace {

using namespace viewerSteps;
using rankingTest::MakeEmptyTable;

// Six results, best first, whose other columns tie in pairs.
struct SixEntry {
    int8_t name[4];
    int32_t level, chain, hours, minutes, seconds;
    int8_t grade;
};
const SixEntry sixEntries[6] = {
    {{1, 0, 0, 0}, 5, 3, 0, 10, 0, 4},    // "BAAA"
    {{0, 0, 0, 1}, 9, 3, 1, 0, 0, 2},     // "AAAB"
    {{0, 0, 0, 0}, 5, 7, 0, 10, 0, 4},    // "AAAA"
    {{0, 0, 0, 1}, 2, 1, 0, 10, 5, 11},   // "AAAB"
    {{25, 25, 25, 25}, 9, 7, 0, 9, 59, 2},  // "ZZZZ"
    {{0, 0, 0, 0}, 1, 2, 0, 0, 30, 0},    // "AAAA"
};

RankingFile SixTable() {
    RankingFile t;
    MakeEmptyTable(t);
    for (int i = 0; i < 6; ++i) {
        const SixEntry& e = sixEntries[i];
        t.score[i] = 600 - 100 * i;
        std::memcpy(t.name[i], e.name, 4);
        t.level[i] = e.level;
        t.maxChain[i] = e.chain;
        t.time[i][0] = e.hours;
        t.time[i][1] = e.minutes;
        t.time[i][2] = e.seconds;
        t.grade[i] = e.grade;
        t.difficulty[i] = static_cast<int8_t>(i % 3);
    }
    return t;
}

// n results with scores falling from the top.
RankingFile TableOf(int n) {
    RankingFile t;
    rankingTest::MakeFullTable(t);
    for (int i = n; i < rankingEntries; ++i) t.score[i] = -1;
    return t;
}

std::vector<int> ShownOrder() {
    const RankingViewerState& v = Viewer();
    return std::vector<int>(v.viewerOrder, v.viewerOrder + v.entryCount);
}

TEST(RankingViewer, OpensFromTheMenuSortedByScoreAtTheTop) {
    ASSERT_TRUE(OpenViewerWith(SixTable()));
    EXPECT_EQ(Viewer().sortColumn, scoreColumn);
    EXPECT_EQ(Viewer().entryCount, 6);
    EXPECT_EQ(Viewer().scrollY, 0);
    EXPECT_EQ(ShownOrder(), (std::vector<int>{0, 1, 2, 3, 4, 5}));
    ASSERT_NE(itemSheet, nullptr);
    ASSERT_NE(backdropSurface, nullptr);
    EXPECT_EQ(backdropSurface->width, rankingCanvasWidth);
    EXPECT_EQ(backdropSurface->height, rankingCanvasHeight);
    // "BAAA" on place 1 with the crown, "AAAB" on place 2.
    EXPECT_TRUE(PlaceShown(1, 0));
    EXPECT_TRUE(PictureShown(itemSheet, rankSheetLayout::firstPlaceSuffix, 72, LineTop(0) + 21));
    for (int k = 0; k < 4; ++k) EXPECT_TRUE(LetterShown(sixEntries[0].name[k], k, 0)) << k;
    EXPECT_TRUE(PlaceShown(2, 1));
    EXPECT_TRUE(PictureShown(itemSheet, rankSheetLayout::placeSuffix, 72, LineTop(1) + 21));
    EXPECT_TRUE(LetterShown(1, 3, 1));
    // Score 600 in the last three of the eight positions from x 289.
    EXPECT_TRUE(PictureShown(itemSheet, rankSheetLayout::Digit(6), 289 + 18 * 6, LineTop(0) + 3));
    EXPECT_TRUE(PictureShown(itemSheet, rankSheetLayout::Digit(0), 289 + 18 * 8, LineTop(0) + 3));
    // The header box: the score heading, the normal order, six lines.
    EXPECT_TRUE(PictureShown(itemSheet, rankSheetLayout::scoreHeading, 206, 5));
    EXPECT_TRUE(PictureShown(itemSheet, rankSheetLayout::orderNormalLabel, 300, 5));
    EXPECT_TRUE(StretchedShown(itemSheet, rankSheetLayout::Digit(6), 415, 5, 445, 29));
    // The back button and the three columns in view.
    EXPECT_TRUE(PictureShown(mainSheet, titleSheetLayout::backTile, 20, 35));
    EXPECT_TRUE(PictureShown(itemSheet, rankSheetLayout::nameHeading, 135, 55));
    EXPECT_TRUE(PictureShown(itemSheet, rankSheetLayout::levelHeading, 485, 55));
}

TEST(RankingViewer, StripesTakeTheColourOfTheirDifficulty) {
    ASSERT_TRUE(OpenViewerWith(SixTable()));
    for (int r = 0; r < 6; ++r) EXPECT_EQ(harness::PixelAt(228, LineTop(r) + 10), StripeColour(r % 3)) << r;
    EXPECT_NE(StripeColour(0), StripeColour(1));
    EXPECT_NE(StripeColour(1), StripeColour(2));
}

struct SortCase {
    const char* name;
    int column;
    std::vector<int> order;  // first choice; the second turns it around
};

const SortCase sortCases[] = {
    {"Name", nameColumn, {2, 5, 1, 3, 0, 4}},   // AAAA, AAAA, AAAB, AAAB, BAAA, ZZZZ
    {"Score", scoreColumn, {0, 1, 2, 3, 4, 5}},  // the stored order
    {"Level", levelColumn, {1, 4, 0, 2, 3, 5}},  // 9, 9, 5, 5, 2, 1
    {"Chain", chainColumn, {2, 4, 0, 1, 5, 3}},  // 7, 7, 3, 3, 2, 1
    {"Time", timeColumn, {1, 3, 0, 2, 4, 5}},   // 1:00:00, 10:05, 10:00, 10:00, 9:59, 0:30
    {"Grade", gradeColumn, {5, 1, 4, 0, 2, 3}},  // SSS, S, S, AA, AA, G
};

class RankingViewerSort : public ::testing::TestWithParam<SortCase> {};

TEST_P(RankingViewerSort, FirstChoiceIsStableAndTheSecondTurnsItAround) {
    const SortCase& c = GetParam();
    ASSERT_TRUE(OpenViewerWith(SixTable()));
    // The viewer opens on the score order: another column first.
    if (c.column == scoreColumn) {
        ASSERT_TRUE(Choose(nameColumn));
    }
    ASSERT_TRUE(Choose(c.column));
    EXPECT_EQ(Viewer().lastSort, c.column);
    EXPECT_EQ(Viewer().sortReversed, 0);
    EXPECT_EQ(ShownOrder(), c.order);
    const bool slid = c.column >= firstSlidColumn;
    if (!slid) {
        for (int r = 0; r < 6; ++r) EXPECT_TRUE(LetterShown(sixEntries[c.order[r]].name[0], 0, r)) << r;
    }
    for (int r = 0; r < 6; ++r) EXPECT_TRUE(PlaceShown(r + 1, r)) << r;
    const RankingColumnLayout& layout = rankingColumns[c.column];
    if (layout.secondHeading.Width() > 0) {
        EXPECT_TRUE(PictureShown(itemSheet, layout.heading, 178, 5));
        EXPECT_TRUE(PictureShown(itemSheet, layout.secondHeading, 226, 5));
    } else {
        EXPECT_TRUE(PictureShown(itemSheet, layout.heading, 206, 5));
    }
    EXPECT_TRUE(PictureShown(itemSheet, rankSheetLayout::orderNormalLabel, 300, 5));

    ASSERT_TRUE(Choose(c.column));
    EXPECT_EQ(Viewer().sortReversed, 1);
    const std::vector<int> reversed(c.order.rbegin(), c.order.rend());
    EXPECT_EQ(ShownOrder(), reversed);
    // Numbered from the count down: the crown now on the last line.
    for (int r = 0; r < 6; ++r) EXPECT_TRUE(PlaceShown(6 - r, r)) << r;
    if (!slid) {
        EXPECT_TRUE(LetterShown(sixEntries[reversed[0]].name[0], 0, 0));
    }
    EXPECT_TRUE(PictureShown(itemSheet, rankSheetLayout::orderReversedLabel, 300, 5));

    // A third time is the first order again.
    ASSERT_TRUE(Choose(c.column));
    EXPECT_EQ(Viewer().sortReversed, 0);
    EXPECT_EQ(ShownOrder(), c.order);
    EXPECT_TRUE(PlaceShown(1, 0));
}

INSTANTIATE_TEST_SUITE_P(EveryColumn, RankingViewerSort, ::testing::ValuesIn(sortCases), CaseName<SortCase>);

TEST(RankingViewer, ScoreChosenOnEntryListsFromTheLastPlaceUp) {
    ASSERT_TRUE(OpenViewerWith(TableOf(12)));
    Step('X');
    EXPECT_EQ(Viewer().sortReversed, 1);
    EXPECT_EQ(Viewer().viewerOrder[0], 11);
    EXPECT_EQ(Viewer().viewerOrder[11], 0);
    // 12, 11, ... 2 and the crown.
    EXPECT_TRUE(PlaceShown(12, 0));
    EXPECT_TRUE(PlaceShown(11, 1));
    EXPECT_TRUE(PlaceShown(3, 9));
    EXPECT_TRUE(PlaceShown(2, 10));
    EXPECT_TRUE(PlaceShown(1, 11));
    EXPECT_TRUE(PictureShown(itemSheet, rankSheetLayout::firstPlaceSuffix, 72, LineTop(11) + 21));
    EXPECT_TRUE(harness::Played("Ok.wav", seBuffer2.index, false));
}

struct ScrollCase {
    const char* name;
    int entries;
    int maxScroll;
};

class RankingViewerScroll : public ::testing::TestWithParam<ScrollCase> {};

TEST_P(RankingViewerScroll, StaysWithinTheList) {
    const ScrollCase& c = GetParam();
    ASSERT_TRUE(OpenViewerWith(TableOf(c.entries)));
    EXPECT_EQ(Viewer().maxScroll, c.maxScroll);
    EXPECT_FALSE(PictureShown(itemSheet, rankSheetLayout::scrollUpMark, 614, 90));
    EXPECT_EQ(PictureShown(itemSheet, rankSheetLayout::scrollDownMark, 614, 445), c.maxScroll > 0);
    // 15 pixels a frame while held, no further than the last line.
    harness::Hold(vkDown);
    harness::RunFrames(4);
    EXPECT_EQ(Viewer().scrollY, std::min(c.maxScroll, 4 * 15));
    harness::RunFrames(c.maxScroll / 15 + 4);
    harness::Release(vkDown);
    harness::RunFrames(1);
    EXPECT_EQ(Viewer().scrollY, c.maxScroll);
    EXPECT_EQ(PictureShown(itemSheet, rankSheetLayout::scrollUpMark, 614, 90), c.maxScroll > 0);
    EXPECT_FALSE(PictureShown(itemSheet, rankSheetLayout::scrollDownMark, 614, 445));
    // The last line at the foot of the screen, or where it stands.
    EXPECT_TRUE(PlaceShown(c.entries, c.entries - 1));
    EXPECT_EQ(LineTop(c.entries - 1), c.maxScroll > 0 ? 450 : 90 + 30 * (c.entries - 1));
    harness::Hold('Y');
    harness::RunFrames(c.maxScroll / 15 + 4);
    harness::Release('Y');
    harness::RunFrames(1);
    EXPECT_EQ(Viewer().scrollY, 0);
    EXPECT_TRUE(PlaceShown(1, 0));
}

const ScrollCase scrollCases[] = {
    {"OneEntry", 1, 0}, {"ThirteenEntries", 13, 0}, {"FourteenEntries", 14, 30},
    {"TwentyEntries", 20, 210}, {"AHundredEntries", 100, 2610},
};

INSTANTIATE_TEST_SUITE_P(ListLengths, RankingViewerScroll, ::testing::ValuesIn(scrollCases), CaseName<ScrollCase>);

TEST(RankingViewer, ScrollingWaitsForTheSlide) {
    ASSERT_TRUE(OpenViewerWith(TableOf(40)));
    ASSERT_TRUE(CursorTo(levelColumn));
    Step(vkRight);
    harness::Hold(vkDown);
    harness::RunFrames(3);
    EXPECT_NE(Viewer().headerSlide, 0);
    EXPECT_EQ(Viewer().scrollY, 0);
    ASSERT_TRUE(HeadingsStill());
    harness::Release(vkDown);
    harness::RunFrames(1);
    EXPECT_GT(Viewer().scrollY, 0);
}

}  // namespace
