#include <gtest/gtest.h>

#include "content/item_sheet.h"
#include "platform/keys.h"
#include "setup/setup_steps.h"

namespace {

using namespace setupSteps;

struct Shown {
    const char* text;
    int format;
    int left, top, right, bottom;
    int inset = 3;  // columns left out at both sides (a panel's edge)
};

void ExpectShown(const std::vector<Shown>& texts) {
    for (const Shown& t : texts) {
        SCOPED_TRACE(t.text);
        EXPECT_TRUE(TextShown(t.text, t.format, t.left, t.top, t.right, t.bottom, t.inset));
    }
}

TEST(SetupTexts, AFreshSetupShowsTheFifteenPointBudget) {
    ASSERT_TRUE(BootToSetup());
    ExpectShown({
        {"1 Player", 1, 10, 12, 110, 32},
        {"15Point 振り分けてください", 1, 125, 12, 425, 32},
        {"残り", 0, 230, 65, 270, 85},
        {"15 P", 2, 265, 65, 315, 85},
        {"0", 1, 380, 80, 415, 100},
        {"0", 1, 380, 240, 415, 260},
        {"ON", 1, 376, 280, 411, 300},
        {"EXゲージの増加量", 0, 420, 80, 635, 100},
        {"アイテムの使用", 0, 420, 280, 635, 300},
        {"使用するアイテム", 1, 385, 317, 635, 337},
        {"パネルを消した時に起こる、EXゲージの増加量", 1, 0, 420, 639, 440, 22},
        {"(少ない) 0 … 1 … 2 … 3 … 4 … 5 (多い)", 1, 0, 445, 639, 465, 22},
    });
    EXPECT_TRUE(TitleShown(titleSheetLayout::rowMarker, 350, 78));
}

TEST(SetupTexts, ItemsOffShowsTheTenPointBudgetAndCoversTheLockedRows) {
    ASSERT_TRUE(BootToSetup());
    DecideOn(decideEntry);
    DecideOn(itemUseRow);
    harness::RunFrames(12);
    ExpectShown({
        {"2 Player", 1, 10, 12, 110, 32},
        {"10Point 振り分けてください", 1, 125, 12, 425, 32},
        {"10 P", 2, 265, 65, 315, 85},
        {"OFF", 1, 376, 280, 411, 300},
        {"カーソルの移動速度", 0, 420, 120, 635, 140},
        {"使用しません", 1, 0, 420, 639, 440, 22},
    });
    EXPECT_TRUE(TitleShown(titleSheetLayout::notUsedCoverA, 440, 70));
    EXPECT_TRUE(TitleShown(titleSheetLayout::notUsedCoverB, 520, 230));
    // Nothing of the covered rows' labels (EX and LOCK) shows beside their
    // covers, between the table's line and the panel's edge.
    const uint8_t white = NearestPaletteIndex(MakeRgb(255, 255, 255));
    for (int k : {0, 4}) {
        const int top = 80 + 40 * k;
        EXPECT_EQ(harness::CountIndex(white, 417, top, 440, top + 20), 0) << "left of row " << k;
        EXPECT_EQ(harness::CountIndex(white, 600, top, 635, top + 20), 0) << "right of row " << k;
    }
    // "OFF" keeps two clear columns before the table's line.
    EXPECT_EQ(harness::CountIndex(white, 411, 282, 413, 298), 0);
    EXPECT_GT(harness::CountIndex(white, 413, 282, 417, 298), 0) << "the line";
}

struct DescriptionCase {
    int cursor;
    const char* first;
    const char* second;  // null: the line stays empty
};

TEST(SetupTexts, TheDescriptionFollowsTheCursor) {
    ASSERT_TRUE(BootToSetup());
    const DescriptionCase cases[] = {
        {cancelEntry, "1つ前の画面に戻ります", nullptr},
        {decideEntry, "これでいいなら、ここを選んでください", nullptr},
        {paramLuck, "あらゆることに対しての、運の良さ", "(悪い) 0 … 1 … 2 … 3 … 4 … 5 (良い)"},
        {paramLock, "アイテムを使用した時に起こるEXゲージの凍結時間の長さ", "(遅い) 0 … 1 … 2 … 3 … 4 … 5 (速い)"},
        {itemUseRow, "(使用する) ON … OFF (使用しない)", nullptr},
        {itemsRow, "", nullptr},
    };
    for (const DescriptionCase& c : cases) {
        SCOPED_TRACE(c.cursor);
        S().setupCursor = static_cast<int8_t>(c.cursor);
        harness::RunFrames(1);
        EXPECT_TRUE(TextShown(c.first, 1, 0, 420, 639, 440, 22));
        EXPECT_TRUE(TextShown(c.second != nullptr ? c.second : "", 1, 0, 445, 639, 465, 22));
    }
    S().setupCursor = decideEntry;
    harness::RunFrames(1);
}

TEST(SetupTexts, TheConfirmationAsksAndWarnsOfLeftoverPoints) {
    ASSERT_TRUE(BootToSetup(FirstItems(8)));
    Raise(paramSpeed, 5);
    Raise(paramLuck, 5);
    ChooseItemsAt({3, 7});
    DecideOn(decideEntry);
    for (int k = 0; k < 5; ++k) Raise(k, 3);
    ASSERT_TRUE(ToConfirmation());
    harness::RunFrames(1);
    ExpectShown({
        {"これでいいですか？", 1, 0, 440, 639, 460, 22},
        {" 5ポイント余っています", 1, 10, 70, 310, 90},
        {"アイテム", 0, 50, 370, 140, 390},
        {"1 Player", 1, 10, 20, 100, 40},
        {"2 Player", 1, 330, 20, 420, 40},
    });
    EXPECT_EQ(harness::CountIndex(BlueIndex(), 340, 65, 620, 95), 0) << "player 2 spent everything";
    EXPECT_TRUE(pictureProbe::PictureShown(itemSheet, itemSheetLayout::Icon(3), 150, 364));
    EXPECT_TRUE(pictureProbe::PictureShown(itemSheet, itemSheetLayout::Icon(7), 190, 364));
    EXPECT_TRUE(TitleShown(titleSheetLayout::decideButton, 445, 10));
    EXPECT_TRUE(TitleShown(titleSheetLayout::BracketLeft(0), 430, 10) ||
                TitleShown(titleSheetLayout::BracketLeft(1), 430, 10));
}

}  // namespace
