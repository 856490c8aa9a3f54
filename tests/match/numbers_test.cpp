#include <gtest/gtest.h>

#include "match/hud.h"
#include "match/hud_test_util.h"

namespace {

using namespace hudTest;

TEST(Numbers, ZeroWithoutLeadingZerosDrawsNothing) {
    FreshMatch(endless);
    DrawNumber(0, 0, 35, 447, 12, 0, 0);
    EXPECT_FALSE(AnyGlyphIn(0, 440, 640, 470));
}

TEST(Numbers, FiguresAreRightAlignedInTheirPlaces) {
    FreshMatch(endless);
    DrawNumber(123, 0, 35, 447, 12, 0, 0);
    // Place i starts at x + 14i: the last three of twelve places.
    EXPECT_TRUE(GlyphAt(1, 0, 35 + 14 * 10, 447));
    EXPECT_TRUE(GlyphAt(2, 0, 35 + 14 * 11, 447));
    EXPECT_TRUE(GlyphAt(3, 0, 35 + 14 * 12, 447));
    EXPECT_FALSE(AnyGlyphIn(0, 440, 35 + 14 * 10, 470));
    EXPECT_EQ(CountIn(GlyphIndex(0, 0), 0, 440, 640, 470), 0);
}

TEST(Numbers, PlacesBeyondEightComeFromTheHundredMillions) {
    FreshMatch(endless);
    // 12 x 100000000 + 5 in twelve places: 001200000005.
    DrawNumber(5, 12, 35, 447, 12, 1, 0);
    EXPECT_TRUE(GlyphAt(1, 1, 35 + 14 * 3, 447));
    EXPECT_TRUE(GlyphAt(2, 1, 35 + 14 * 4, 447));
    for (int i = 5; i <= 11; ++i) EXPECT_TRUE(GlyphAt(0, 1, 35 + 14 * i, 447)) << i;
    EXPECT_TRUE(GlyphAt(5, 1, 35 + 14 * 12, 447));
    EXPECT_FALSE(AnyGlyphIn(0, 440, 35 + 14 * 3, 470));
}

TEST(Numbers, LeadingZerosWhenAsked) {
    FreshMatch(endless);
    DrawNumber(7, 0, 560, 202, 2, 0, 1);
    EXPECT_TRUE(GlyphAt(0, 0, 574, 202));
    EXPECT_TRUE(GlyphAt(7, 0, 588, 202));
    ClearBackBuffer();
    DrawNumber(0, 0, 560, 202, 2, 0, 1);
    EXPECT_TRUE(GlyphAt(0, 0, 574, 202));
    EXPECT_TRUE(GlyphAt(0, 0, 588, 202));
}

TEST(Numbers, NeutralColourTakesTheFirstGlyphColumn) {
    FreshMatch(endless);
    DrawNumber(4, 0, 100, 100, 1, -1, 0);
    EXPECT_TRUE(GlyphAt(4, -1, 114, 100));
}

TEST(Numbers, ProductShowsScoreTimesWeightRightAligned) {
    FreshMatch(endless);
    DrawProduct(202, 447, 0, 43, 14);
    EXPECT_TRUE(GlyphAt(4, 0, 202, 447));
    EXPECT_TRUE(GlyphAt(1, 0, 188, 447));
    // The sign 14 pixels left of the weight's first digit and 2 lower.
    EXPECT_TRUE(Filled(174, 449, 13, 15, TimesIndex(0)));
    EXPECT_NE(At(174, 448), TimesIndex(0));
    EXPECT_TRUE(GlyphAt(3, 0, 160, 447));
    EXPECT_TRUE(GlyphAt(4, 0, 146, 447));
    EXPECT_FALSE(AnyGlyphIn(0, 440, 146, 470));
}

TEST(Numbers, ProductOfZeroScoreShowsOneZero) {
    FreshMatch(versus);
    DrawProduct(577, 447, 1, 0, 4);
    EXPECT_TRUE(GlyphAt(4, 1, 577, 447));
    EXPECT_TRUE(Filled(563, 449, 13, 15, TimesIndex(1)));
    EXPECT_TRUE(GlyphAt(0, 1, 549, 447));
    EXPECT_FALSE(AnyGlyphIn(0, 440, 549, 470));
}

}  // namespace
