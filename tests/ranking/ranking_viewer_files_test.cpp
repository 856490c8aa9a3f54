#include <gtest/gtest.h>

#include <vector>

#include "content/rank_sheet.h"
#include "ranking/viewer_steps.h"

namespace {

using namespace viewerSteps;
using rankingTest::PutInt;

// Byte offsets of the file's arrays.
constexpr size_t scoreHighAt = 400, levelAt = 800, chainAt = 1200, nameAt = 1600, timeAt = 2000, gradeAt = 3200,
                 difficultyAt = 3300;

// A whole file of n results, scores falling from 9000, every other field sound.
std::vector<uint8_t> FileOf(int n) {
    std::vector<uint8_t> b(3400, 0);
    for (int i = 0; i < rankingEntries; ++i) {
        PutInt(b, 4 * i, i < n ? 9000 - 10 * i : -1);
        PutInt(b, levelAt + 4 * i, 3);
        PutInt(b, chainAt + 4 * i, 2);
        PutInt(b, timeAt + 12 * i + 4, 1);
    }
    return b;
}

bool CanvasEmptyFrom(int top) {
    for (int y = top; y < rankingCanvasHeight; ++y)
        for (int x = 0; x < rankingCanvasWidth; ++x)
            if (backdropSurface->pixels[y * rankingCanvasWidth + x] != colorKey) return false;
    return true;
}

bool HeaderBoxShown() { return PictureShown(itemSheet, rankSheetLayout::orderNormalLabel, 300, 5); }

TEST(RankingViewerFiles, NoFileShowsAnEmptyListWithoutTheHeaderBox) {
    ASSERT_TRUE(OpenViewerWithBytes({}, false));
    EXPECT_EQ(Viewer().entryCount, 0);
    EXPECT_EQ(Viewer().maxScroll, 0);
    EXPECT_TRUE(CanvasEmptyFrom(90));
    EXPECT_FALSE(HeaderBoxShown());
    EXPECT_EQ(backdropSurface->pixels[10 * rankingCanvasWidth + 300], colorKey);
    // The headings and the back button are still there to leave by.
    EXPECT_TRUE(PictureShown(itemSheet, rankSheetLayout::scoreHeading, 310, 55));
    Step('Z');
    Step('X');
    EXPECT_EQ(wipeState, 1);
}

TEST(RankingViewerFiles, OneResultHasItsLineButNoHeaderBox) {
    ASSERT_TRUE(OpenViewerWithBytes(FileOf(1)));
    EXPECT_EQ(Viewer().entryCount, 1);
    EXPECT_TRUE(PlaceShown(1, 0));
    EXPECT_FALSE(CanvasEmptyFrom(90));
    EXPECT_TRUE(CanvasEmptyFrom(120));
    EXPECT_FALSE(HeaderBoxShown());
}

TEST(RankingViewerFiles, TwoResultsBringTheHeaderBox) {
    ASSERT_TRUE(OpenViewerWithBytes(FileOf(2)));
    EXPECT_TRUE(HeaderBoxShown());
    EXPECT_TRUE(StretchedShown(itemSheet, rankSheetLayout::Digit(2), 415, 5, 445, 29));
}

struct ShortCase {
    const char* name;
    size_t bytes;
    int entries;
};

// Read as far as the file goes: whole scores only; what is missing is empty.
const ShortCase shortCases[] = {
    {"Empty", 0, 0},
    {"TenScoresAndAHalf", 42, 10},
    {"ScoresOnly", 400, 30},
    {"CutInTheNames", 1700, 30},
    {"CutInTheGrades", 3250, 30},
};

class RankingViewerShortFile : public ::testing::TestWithParam<ShortCase> {};

TEST_P(RankingViewerShortFile, ShowsTheResultsItHolds) {
    const ShortCase& c = GetParam();
    std::vector<uint8_t> bytes = FileOf(30);
    bytes.resize(c.bytes);
    ASSERT_TRUE(OpenViewerWithBytes(bytes));
    EXPECT_EQ(Viewer().entryCount, c.entries);
    EXPECT_EQ(Viewer().maxScroll, c.entries > 13 ? (c.entries - 13) * 30 : 0);
    if (c.entries > 0) {
        EXPECT_TRUE(PlaceShown(1, 0));
        // A level the file does not reach reads as the lowest, 1.
        const int level = c.bytes >= levelAt + 4 ? 3 : 1;
        EXPECT_TRUE(PictureShown(itemSheet, rankSheetLayout::Digit(level), 473 + 54, LineTop(0) + 3));
    }
    EXPECT_TRUE(CanvasEmptyFrom(90 + 30 * c.entries));
}

INSTANTIATE_TEST_SUITE_P(Cuts, RankingViewerShortFile, ::testing::ValuesIn(shortCases),
                         CaseName<ShortCase>);

// Names, grades and difficulties beyond the pictures of "Back\Rank.bmp" are
// brought to the nearest one they can show.
TEST(RankingViewerFiles, DamagedFieldsShowAsTheNearestPictures) {
    std::vector<uint8_t> bytes = FileOf(3);
    const int8_t names[3][4] = {{100, -100, 40, 39}, {-1, 26, 127, -128}, {0, 0, 0, 0}};
    for (int i = 0; i < 3; ++i)
        for (int k = 0; k < 4; ++k) bytes[nameAt + 4 * i + k] = static_cast<uint8_t>(names[i][k]);
    bytes[gradeAt + 0] = 120;
    bytes[gradeAt + 1] = static_cast<uint8_t>(-7);
    bytes[gradeAt + 2] = 12;
    bytes[difficultyAt + 0] = 9;
    bytes[difficultyAt + 1] = static_cast<uint8_t>(-3);
    bytes[difficultyAt + 2] = 3;
    PutInt(bytes, levelAt, 123456);
    PutInt(bytes, chainAt, -40);
    PutInt(bytes, scoreHighAt, 2000000);
    ASSERT_TRUE(OpenViewerWithBytes(bytes));
    ASSERT_EQ(Viewer().entryCount, 3);
    // 100 and 40 beyond the blank, -100 and -1 below "A", 127 the blank, -128 "A".
    const int shownCodes[3][4] = {{39, 0, 39, 39}, {0, 26, 39, 0}, {0, 0, 0, 0}};
    for (int r = 0; r < 3; ++r)
        for (int k = 0; k < 4; ++k) EXPECT_TRUE(LetterShown(shownCodes[r][k], k, r)) << r << " " << k;
    // Difficulty 9 and 3 as the hardest, -3 as the easiest.
    EXPECT_EQ(harness::PixelAt(228, LineTop(0) + 10), StripeColour(2));
    EXPECT_EQ(harness::PixelAt(228, LineTop(1) + 10), StripeColour(0));
    EXPECT_EQ(harness::PixelAt(228, LineTop(2) + 10), StripeColour(2));
    // The score's high part at its most, 9999, and the level at 999.
    for (int k = 1; k <= 4; ++k)
        EXPECT_TRUE(PictureShown(itemSheet, rankSheetLayout::Digit(9), 217 + 18 * k, LineTop(0) + 3)) << k;
    for (int k = 1; k <= 3; ++k)
        EXPECT_TRUE(PictureShown(itemSheet, rankSheetLayout::Digit(9), 473 + 18 * k, LineTop(0) + 3)) << k;
    // Grades 120 and 12 as "G", -7 as "SSS", with the columns slid.
    ASSERT_TRUE(CursorTo(gradeColumn));
    const int s = rankSheetLayout::sCode, g = 6;
    EXPECT_TRUE(PictureShown(itemSheet, rankSheetLayout::Letter(g), 885 - 400, LineTop(0) + 3));
    for (int k = -1; k <= 1; ++k)
        EXPECT_TRUE(PictureShown(itemSheet, rankSheetLayout::Letter(s), 885 - 400 + 25 * k, LineTop(1) + 3)) << k;
    EXPECT_TRUE(PictureShown(itemSheet, rankSheetLayout::Letter(g), 885 - 400, LineTop(2) + 3));
    // A chain below zero as none: its three positions empty.
    for (int k = 1; k <= 3; ++k)
        EXPECT_FALSE(PictureShown(itemSheet, rankSheetLayout::Digit(0), 583 - 400 + 18 * k, LineTop(0) + 3)) << k;
}

// A file whose results stand out of order, or with gaps, is shown best first
// with every result counted.
TEST(RankingViewerFiles, ResultsOutOfOrderAreShownBestFirst) {
    std::vector<uint8_t> bytes = FileOf(0);
    PutInt(bytes, 4 * 0, 500);
    PutInt(bytes, 4 * 1, -1);
    PutInt(bytes, 4 * 2, 900);
    PutInt(bytes, 4 * 3, 700);
    bytes[nameAt + 4 * 2] = 7;  // "H" on the best
    ASSERT_TRUE(OpenViewerWithBytes(bytes));
    EXPECT_EQ(Viewer().entryCount, 3);
    EXPECT_EQ(Viewer().table.score[0], 900);
    EXPECT_TRUE(LetterShown(7, 0, 0));
    EXPECT_TRUE(PictureShown(itemSheet, rankSheetLayout::Digit(9), 289 + 18 * 6, LineTop(0) + 3));
}

}  // namespace
