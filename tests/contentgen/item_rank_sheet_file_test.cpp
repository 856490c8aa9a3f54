#include <gtest/gtest.h>

#include <vector>

#include "content/item_sheet.h"
#include "content/rank_sheet.h"
#include "contentgen/sheet_checks.h"

namespace {

using namespace sheetChecks;

const Bitmap& Items() {
    static const Bitmap sheet = Load("Back/Item.bmp");
    return sheet;
}

const Bitmap& Ranks() {
    static const Bitmap sheet = Load("Back/Rank.bmp");
    return sheet;
}

TEST(ItemSheetFile, Is372By220WithTheSharedPalette) {
    EXPECT_EQ(Items().width, itemSheetLayout::width);
    EXPECT_EQ(Items().height, itemSheetLayout::height);
    EXPECT_TRUE(SamePalette(Items(), Load("Back/Title.bmp")));
}

TEST(ItemSheetFile, FiftyDistinctIconsInTheirCells) {
    const Bitmap& b = Items();
    for (int k = 0; k < itemSheetLayout::itemCount; ++k) {
        const SheetRect r = itemSheetLayout::Icon(k);
        EXPECT_GT(OpaqueCount(b, r), 200) << k;
        // Icons keep to their cell: the two-pixel gutters stay clear.
        EXPECT_EQ(OpaqueCount(b, Rect(r.right, r.top, r.right + 2, r.bottom)), 0) << k;
        EXPECT_EQ(OpaqueCount(b, Rect(r.left, r.bottom, r.right, r.bottom + 2)), 0) << k;
        for (int j = k + 1; j < itemSheetLayout::itemCount; ++j) EXPECT_GT(Differing(b, r, itemSheetLayout::Icon(j)), 150) << k << " " << j;
    }
}

TEST(ItemSheetFile, PlaceholderAttacksAndTitleAreDrawn) {
    const Bitmap& b = Items();
    EXPECT_GT(OpaqueCount(b, itemSheetLayout::lockedIcon), 800);
    EXPECT_GT(OpaqueCount(b, itemSheetLayout::deleteAttackPicture), 900);
    EXPECT_GT(OpaqueCount(b, itemSheetLayout::maxdeleteAttackPicture), 900);
    EXPECT_GT(Differing(b, itemSheetLayout::deleteAttackPicture, itemSheetLayout::maxdeleteAttackPicture), 400);
    // The placeholder is grey: it must not pass for an unlocked item.
    EXPECT_LT(ToneOf(b, itemSheetLayout::lockedIcon).chroma, 20);
    EXPECT_GT(OpaqueCount(b, itemSheetLayout::galleryTitle), 280 * 50 / 6);
    // Frame: opaque caps and a middle piece that stretches sideways.
    EXPECT_EQ(OpaqueCount(b, Rect(itemSheetLayout::titleFrameMiddle.left, itemSheetLayout::titleFrameMiddle.top + 2,
                                  itemSheetLayout::titleFrameMiddle.right, itemSheetLayout::titleFrameMiddle.bottom - 2)),
              5 * 46);
    EXPECT_TRUE(RowsUniform(b, itemSheetLayout::titleFrameMiddle));
    EXPECT_GT(OpaqueCount(b, itemSheetLayout::titleFrameLeft), 400);
    EXPECT_GT(OpaqueCount(b, itemSheetLayout::titleFrameRight), 400);
}

TEST(RankSheetFile, Is288By177WithTheSharedPalette) {
    EXPECT_EQ(Ranks().width, rankSheetLayout::width);
    EXPECT_EQ(Ranks().height, rankSheetLayout::height);
    EXPECT_TRUE(SamePalette(Ranks(), Load("Back/Title.bmp")));
}

TEST(RankSheetFile, LettersAndDigitsAreDrawnAndTellApart) {
    const Bitmap& b = Ranks();
    std::vector<SheetRect> letters;
    for (int code = 0; code <= 28; ++code) letters.push_back(rankSheetLayout::Letter(code));
    letters.push_back(rankSheetLayout::blankLetter);
    for (size_t i = 0; i < letters.size(); ++i) {
        EXPECT_GT(OpaqueCount(b, letters[i]), 25) << i;
        for (size_t j = i + 1; j < letters.size(); ++j) EXPECT_GT(Differing(b, letters[i], letters[j]), 20) << i << " " << j;
    }
    for (int d = 0; d < 10; ++d) {
        EXPECT_GT(OpaqueCount(b, rankSheetLayout::Digit(d)), 60) << d;
        for (int e = d + 1; e < 10; ++e) EXPECT_GT(Differing(b, rankSheetLayout::Digit(d), rankSheetLayout::Digit(e)), 25) << d << " " << e;
    }
}

TEST(RankSheetFile, HeadingsMarksAndLabelsAreDrawn) {
    const Bitmap& b = Ranks();
    using namespace rankSheetLayout;
    for (const SheetRect& r : {scoreHeading, levelHeading, timeHeading, nameHeading, gradeHeading, maxChainHeadingTop,
                               maxChainHeadingBottom, orderNormalLabel, orderReversedLabel}) {
        EXPECT_GT(OpaqueCount(b, r), r.Width() * r.Height() * 8 / 10) << r.left << "," << r.top;
    }
    EXPECT_GT(Differing(b, orderNormalLabel, orderReversedLabel), 100);
    for (const SheetRect& r : {scrollUpMark, scrollDownMark, firstPlaceMark, colon}) EXPECT_GT(OpaqueCount(b, r), 40);
    EXPECT_GT(OpaqueCount(b, firstPlaceSuffix), 10);
    EXPECT_GT(OpaqueCount(b, placeSuffix), 10);
    EXPECT_NE(PixelOf(b, firstPlaceSuffix.left + 3, firstPlaceSuffix.top + 3), PixelOf(b, placeSuffix.left + 3, placeSuffix.top + 3));
}

// A line shows rows 0..14 of a stripe over rows 8..22, and its middle
// column is stretched across the screen.
TEST(RankSheetFile, StripesJoinTheirTwoHalvesAndStretch) {
    const Bitmap& b = Ranks();
    for (int d = 0; d < 3; ++d) {
        const SheetRect upper = rankSheetLayout::StripeUpper(d, 1), lower = rankSheetLayout::StripeLower(d, 1);
        EXPECT_TRUE(RowsUniform(b, upper)) << d;
        EXPECT_TRUE(RowsUniform(b, lower)) << d;
        // The rows both halves share are plain body, so the seam is invisible.
        EXPECT_TRUE(ColumnsUniform(b, Rect(upper.left - 6, lower.top, upper.right + 6, upper.bottom))) << d;
        for (int k = 0; k < 3; ++k) {
            EXPECT_EQ(OpaqueCount(b, Rect(rankSheetLayout::StripeUpper(d, k).left, lower.top, rankSheetLayout::StripeUpper(d, k).right, upper.bottom)),
                      6 * (upper.bottom - lower.top)) << d << " " << k;
        }
    }
    // Three difficulties, three colours.
    const int body = rankSheetLayout::StripeLower(0, 1).top + 2;
    const uint8_t a = PixelOf(b, 279, body), c = PixelOf(b, 279, body + 25), e = PixelOf(b, 279, body + 50);
    EXPECT_NE(a, c);
    EXPECT_NE(c, e);
    EXPECT_NE(a, e);
}

}  // namespace
