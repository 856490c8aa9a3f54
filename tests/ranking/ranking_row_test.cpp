#include <gtest/gtest.h>

#include "content/rank_sheet.h"
#include "harness/harness.h"
#include "platform/blit.h"
#include "platform/surface.h"
#include "ranking/name_entry.h"
#include "ranking/rank_pictures.h"
#include "ranking/ranking_file.h"
#include "ranking/ranking_row.h"
#include "ranking/ranking_test_util.h"

namespace {

using namespace rankingTest;

// A stand-in Rank sheet: every picture a block of its own index.
constexpr uint8_t DigitIndex(int d) { return static_cast<uint8_t>(200 + d); }
constexpr uint8_t LetterIndex(int c) { return static_cast<uint8_t>(160 + c); }
constexpr uint8_t colonIndex = 215;
constexpr uint8_t StripeIndex(int d, int k) { return static_cast<uint8_t>(230 + 3 * d + k); }
constexpr uint8_t scoreHeadingIndex = 216;
constexpr uint8_t gradeHeadingIndex = 217;
constexpr uint8_t chainHeadingIndex = 218;

void Paint(const SheetRect& r, uint8_t index) { ColorFill(itemSheet, r.left, r.top, r.right, r.bottom, index); }

class RankingRow : public ::testing::Test {
protected:
    void SetUp() override {
        harness::StartFresh();
        CreateSheet(itemSheet, rankSheetLayout::width, rankSheetLayout::height);
        ColorFill(itemSheet, 0, 0, rankSheetLayout::width, rankSheetLayout::height, colorKey);
        for (int c = 0; c <= 28; ++c) Paint(rankSheetLayout::Letter(c), LetterIndex(c));
        for (int d = 0; d <= 9; ++d) Paint(rankSheetLayout::Digit(d), DigitIndex(d));
        for (int d = 0; d < 3; ++d)
            for (int k = 0; k < 3; ++k)
                ColorFill(itemSheet, 270 + 6 * k, 78 + 25 * d, 276 + 6 * k, 101 + 25 * d, StripeIndex(d, k));
        Paint(rankSheetLayout::colon, colonIndex);
        Paint(rankSheetLayout::scoreHeading, scoreHeadingIndex);
        Paint(rankSheetLayout::gradeHeading, gradeHeadingIndex);
        Paint(rankSheetLayout::maxChainHeadingTop, chainHeadingIndex);
        CreateSheet(backdropSurface, 700, 100);
        MakeEmptyTable(rankingTable);
        SetEntry(rankingTable, 0, 0, 1234);
        Entry().level[0] = 7;
        Entry().maxChain[0] = 105;
        Entry().difficulty[0] = 2;
        Entry().grade[0] = 0;
        Entry().time[0][0] = 0;
        Entry().time[0][1] = 0;
        Entry().time[0][2] = 5;
    }
    static RankingFile& Entry() { return rankingTable; }
    static uint8_t Canvas(int x, int y) { return backdropSurface->pixels[y * 700 + x]; }
    // Digit d at position x (the picture's left edge) on the line.
    static bool DigitAt(int d, int x) { return Canvas(x, 63) == DigitIndex(d) && Canvas(x + 17, 86) == DigitIndex(d); }
    // No digit at the position: the stripe shows through.
    static bool Blank(int x) {
        const uint8_t v = Canvas(x + 5, 70);
        return v < DigitIndex(0) || v > DigitIndex(9);
    }
};

TEST_F(RankingRow, ScoreWithoutHighPartHasNoLeadingZeros) {
    DrawRankingRow(0);
    // 8 positions at x 59: positions k at 59 + 18k, "1234" in the last four.
    EXPECT_TRUE(Blank(59 + 18 * 4));
    EXPECT_TRUE(DigitAt(1, 59 + 18 * 5));
    EXPECT_TRUE(DigitAt(2, 59 + 18 * 6));
    EXPECT_TRUE(DigitAt(3, 59 + 18 * 7));
    EXPECT_TRUE(DigitAt(4, 59 + 18 * 8));
    EXPECT_TRUE(Blank(-13 + 18 * 4));
}

TEST_F(RankingRow, HighPartPadsTheLowPartWithZeros) {
    Entry().scoreHigh[0] = 1;
    Entry().score[0] = 5;
    DrawRankingRow(0);
    EXPECT_TRUE(DigitAt(1, -13 + 18 * 4));
    EXPECT_TRUE(Blank(-13 + 18 * 3));
    for (int k = 1; k <= 7; ++k) EXPECT_TRUE(DigitAt(0, 59 + 18 * k)) << k;
    EXPECT_TRUE(DigitAt(5, 59 + 18 * 8));
}

TEST_F(RankingRow, LevelAndChainAreRightAligned) {
    DrawRankingRow(0);
    EXPECT_TRUE(Blank(243 + 18 * 2));
    EXPECT_TRUE(DigitAt(7, 243 + 18 * 3));
    EXPECT_TRUE(DigitAt(1, 333 + 18));
    EXPECT_TRUE(DigitAt(0, 333 + 36));
    EXPECT_TRUE(DigitAt(5, 333 + 54));
}

TEST_F(RankingRow, TimeUnderAMinuteShowsASingleZeroMinute) {
    DrawRankingRow(0);
    EXPECT_TRUE(Blank(470 + 18));
    EXPECT_TRUE(DigitAt(0, 488 + 18));
    EXPECT_NE(Canvas(478, 63), colonIndex);  // no hours colon
    EXPECT_EQ(Canvas(528, 63), colonIndex);
    EXPECT_TRUE(DigitAt(0, 520 + 18));
    EXPECT_TRUE(DigitAt(5, 520 + 36));
}

TEST_F(RankingRow, TimeWithHoursPadsTheMinutes) {
    Entry().time[0][0] = 3;
    Entry().time[0][1] = 4;
    Entry().time[0][2] = 59;
    DrawRankingRow(0);
    EXPECT_TRUE(Blank(420 + 18));
    EXPECT_TRUE(DigitAt(3, 420 + 36));
    EXPECT_EQ(Canvas(478, 63), colonIndex);
    EXPECT_TRUE(DigitAt(0, 470 + 18));
    EXPECT_TRUE(DigitAt(4, 470 + 36));
    EXPECT_TRUE(DigitAt(5, 520 + 18));
    EXPECT_TRUE(DigitAt(9, 520 + 36));
}

TEST_F(RankingRow, MinutesWithoutHoursHaveNoLeadingZero) {
    Entry().time[0][1] = 8;
    DrawRankingRow(0);
    EXPECT_TRUE(Blank(470 + 18));
    EXPECT_TRUE(DigitAt(8, 470 + 36));
}

TEST_F(RankingRow, GradeMarksByGrade) {
    const int s = rankSheetLayout::sCode;
    DrawRankingRow(0);
    EXPECT_EQ(Canvas(611, 64), LetterIndex(s));
    EXPECT_EQ(Canvas(636, 64), LetterIndex(s));
    EXPECT_EQ(Canvas(661, 64), LetterIndex(s));
    Entry().grade[0] = 1;
    DrawRankingRow(0);
    EXPECT_EQ(Canvas(624, 64), LetterIndex(s));
    EXPECT_EQ(Canvas(649, 64), LetterIndex(s));
    EXPECT_NE(Canvas(611, 64), LetterIndex(s));
    Entry().grade[0] = 4;
    DrawRankingRow(0);
    EXPECT_EQ(Canvas(624, 64), LetterIndex(0));
    EXPECT_EQ(Canvas(649, 64), LetterIndex(0));
    Entry().grade[0] = 11;
    DrawRankingRow(0);
    EXPECT_EQ(Canvas(636, 64), LetterIndex(6));  // "G"
    EXPECT_NE(Canvas(624, 64), LetterIndex(0));
}

TEST_F(RankingRow, StripeInTheDifficultysColoursWithHeadings) {
    DrawRankingRow(0);
    EXPECT_EQ(Canvas(0, 60), StripeIndex(2, 0));
    EXPECT_EQ(Canvas(5, 89), StripeIndex(2, 0));
    EXPECT_EQ(Canvas(6, 60), StripeIndex(2, 1));
    EXPECT_EQ(Canvas(400, 89), StripeIndex(2, 1));
    EXPECT_EQ(Canvas(693, 75), StripeIndex(2, 1));
    EXPECT_EQ(Canvas(694, 60), StripeIndex(2, 2));
    EXPECT_EQ(Canvas(699, 89), StripeIndex(2, 2));
    EXPECT_EQ(Canvas(400, 59), colorKey);
    EXPECT_EQ(Canvas(80, 19), scoreHeadingIndex);
    EXPECT_EQ(Canvas(620, 19), gradeHeadingIndex);
    EXPECT_EQ(Canvas(335, 0), chainHeadingIndex);
    Entry().difficulty[0] = 0;
    DrawRankingRow(0);
    EXPECT_EQ(Canvas(400, 60), StripeIndex(0, 1));
}

TEST(RankDigits, LeadingPositionsShowZerosOnlyWhenAsked) {
    harness::StartFresh();
    CreateSheet(itemSheet, rankSheetLayout::width, rankSheetLayout::height);
    ColorFill(itemSheet, 0, 0, rankSheetLayout::width, rankSheetLayout::height, colorKey);
    for (int d = 0; d <= 9; ++d) ColorFill(itemSheet, 180 - 20 * d, 153, 198 - 20 * d, 177, DigitIndex(d));
    CreateSheet(backdropSurface, 1000, 200);
    ColorFill(backdropSurface, 0, 0, 1000, 200, colorKey);
    DrawRankDigits(0, 3, 0, 0, 0);  // nothing at all
    DrawRankDigits(40, 4, 100, 0, 1);
    DrawRankDigits(-5, 2, 300, 0, 0);
    auto at = [](int x, int y) { return backdropSurface->pixels[y * 1000 + x]; };
    for (int k = 1; k <= 3; ++k) EXPECT_EQ(at(18 * k + 2, 95), colorKey);
    EXPECT_EQ(at(118 + 2, 95), DigitIndex(0));
    EXPECT_EQ(at(136 + 2, 95), DigitIndex(0));
    EXPECT_EQ(at(154 + 2, 95), DigitIndex(4));
    EXPECT_EQ(at(172 + 2, 95), DigitIndex(0));
    EXPECT_EQ(at(318 + 2, 95), colorKey);
    EXPECT_EQ(at(336 + 2, 95), colorKey);
}

}  // namespace
