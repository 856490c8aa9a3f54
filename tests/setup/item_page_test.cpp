#include <gtest/gtest.h>

#include <vector>

#include "content/item_sheet.h"
#include "platform/keys.h"
#include "platform/sound.h"
#include "setup/setup_steps.h"

namespace {

using namespace setupSteps;

void PickAt(int cursor) {
    S().itemCursor = static_cast<int8_t>(cursor);
    Step('X');
}

TEST(SetupItems, ThreePicksLeaveTheFirstAndTheThirdAndBackEmptiesTheSecondFirst) {
    ASSERT_TRUE(BootToSetup(galleryTest::FileWith({0, 4, 9, 20})));
    OpenItemPage();
    ASSERT_EQ(S().setupPage, 1);
    ASSERT_EQ(S().availableCount, 4);
    PickAt(1);
    PickAt(2);
    PickAt(3);
    EXPECT_EQ(itemSlots[0][0], 4);
    EXPECT_EQ(itemSlots[0][1], 20);
    PickAt(1);
    EXPECT_EQ(itemSlots[0][0], 4) << "the first slot's item again changes nothing";
    EXPECT_EQ(itemSlots[0][1], 20);
    harness::ClearSoundLog();
    Step('Z');
    EXPECT_TRUE(harness::Played("Ok.wav", seBuffer2.index, false));
    EXPECT_EQ(itemSlots[0][0], 4);
    EXPECT_EQ(itemSlots[0][1], -1);
    S().itemCursor = cancelEntry;
    Step('X');
    EXPECT_EQ(itemSlots[0][0], -1);
    EXPECT_EQ(S().setupPage, 1);
    Step('Z');
    EXPECT_EQ(S().setupPage, 0) << "with both slots empty, back leaves the page";
    EXPECT_EQ(S().setupCursor, itemsRow);
}

TEST(SetupItems, TheDecideButtonReturnsToTheParameterPage) {
    ASSERT_TRUE(BootToSetup(FirstItems(3)));
    OpenItemPage();
    PickAt(2);
    S().itemCursor = decideEntry;
    Step('X');
    EXPECT_EQ(S().setupPage, 0);
    EXPECT_EQ(S().setupCursor, itemsRow);
    EXPECT_EQ(S().itemCursor, 0);
    EXPECT_EQ(itemSlots[0][0], 2);
}

struct GridMove {
    int unlocked;
    int cursor, scrollTop, row;  // before
    int key;
    int toCursor, toScrollTop, toRow;
};

TEST(SetupItems, TheCursorWalksTheGridScrollingByWholeRows) {
    const GridMove cases[] = {
        // Down from the bottom shown row scrolls; Up from the top one too.
        {40, 28, 0, 4, vkDown, 35, 7, 4},
        {40, 35, 7, 4, vkUp, 28, 7, 3},
        {40, 7, 7, 0, vkUp, 0, 0, 0},
        {40, 3, 0, 0, vkUp, decideEntry, 0, 0},
        {40, decideEntry, 0, 0, vkDown, 0, 0, 0},
        {40, 35, 7, 4, vkDown, 35, 7, 4},
        {36, 28, 0, 4, vkDown, 35, 7, 4},
        {35, 28, 0, 4, vkDown, 28, 0, 4},
        {50, 42, 14, 4, vkDown, 49, 21, 4},
        {50, 43, 14, 4, vkDown, 43, 14, 4},
        // Right wraps within a row of 7, and from the last item to its row's first.
        {40, 6, 0, 0, vkRight, 0, 0, 0},
        {40, 13, 0, 1, vkRight, 7, 0, 1},
        {40, 39, 7, 4, vkRight, 35, 7, 4},
        {40, 4, 0, 0, vkRight, 5, 0, 0},
        // Left from the first column goes to the row's end or its last item.
        {40, 7, 0, 1, vkLeft, 13, 0, 1},
        {40, 35, 7, 4, vkLeft, 39, 7, 4},
        {40, 5, 0, 0, vkLeft, 4, 0, 0},
        {3, 0, 0, 0, vkLeft, 2, 0, 0},
        {40, decideEntry, 0, 0, vkLeft, cancelEntry, 0, 0},
        {40, cancelEntry, 0, 0, vkRight, decideEntry, 0, 0},
    };
    for (const GridMove& c : cases) {
        SCOPED_TRACE(testing::Message() << c.unlocked << " items, from " << c.cursor << " key " << c.key);
        ASSERT_TRUE(BootToSetup(FirstItems(c.unlocked)));
        DecideOn(decideEntry);  // player 2 steers with the arrows only
        OpenItemPage();
        S().itemCursor = static_cast<int8_t>(c.cursor);
        S().itemScrollTop = static_cast<int8_t>(c.scrollTop);
        S().itemCursorRow = static_cast<int8_t>(c.row);
        Step(c.key);
        EXPECT_EQ(S().itemCursor, c.toCursor);
        EXPECT_EQ(S().itemScrollTop, c.toScrollTop);
        EXPECT_EQ(S().itemCursorRow, c.toRow);
    }
}

int CellX(int j) { return 28 + 42 * (j % 7); }
int CellY(int j) { return 110 + 42 * (j / 7); }

bool IconAt(int item, int j) { return pictureProbe::PictureShown(itemSheet, itemSheetLayout::Icon(item), CellX(j), CellY(j)); }

// With every item unlocked the grid scrolls to rows 3..7, the last of them
// holding item 49 alone: the cells after it stay empty.
TEST(SetupItems, TheGridStopsAtTheLastUnlockedItem) {
    ASSERT_TRUE(BootToSetup(FirstItems(50)));
    OpenItemPage();
    for (int i = 0; i < 8; ++i) Step(vkDown);
    ASSERT_EQ(S().itemCursor, 49);
    ASSERT_EQ(S().itemScrollTop, 21);
    ASSERT_EQ(S().itemCursorRow, 4);
    Step('X');
    ASSERT_EQ(itemSlots[0][0], 49);
    S().itemCursor = decideEntry;  // the frame off the icons
    harness::RunFrames(1);
    for (int j = 0; j < 29; ++j) EXPECT_TRUE(IconAt(21 + j, j)) << j;
    for (int j = 29; j < 35; ++j) {
        EXPECT_EQ(harness::CountIndex(BlueIndex(), CellX(j), CellY(j), CellX(j) + 32, CellY(j) + 32), 32 * 32) << j;
    }
    EXPECT_TRUE(TitleShown(titleSheetLayout::scrollUpArrow, 151, 75));
    EXPECT_FALSE(TitleShown(titleSheetLayout::scrollDownArrow, 151, 320));
}

TEST(SetupItems, TheGridShowsTheUnlockedItemsInOrderWithTheirArrows) {
    ASSERT_TRUE(BootToSetup(galleryTest::FileWith({0, 3, 7, 8, 11, 30, 31, 32, 33, 34, 35, 36, 37, 38, 39, 40, 41,
                                                   42, 43, 44, 45, 46, 47, 48, 49, 1, 2, 4, 5, 6, 9, 10, 12, 13, 14,
                                                   15})));
    OpenItemPage();
    ASSERT_EQ(S().availableCount, 36);
    S().itemCursor = decideEntry;  // the frame off the icons
    harness::RunFrames(1);
    const int expected[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15};
    for (int j = 0; j < 16; ++j) EXPECT_TRUE(IconAt(expected[j], j)) << j;
    EXPECT_TRUE(IconAt(30, 16));
    EXPECT_TRUE(TitleShown(titleSheetLayout::scrollDownArrow, 151, 320));
    EXPECT_FALSE(TitleShown(titleSheetLayout::scrollUpArrow, 151, 75));
    EXPECT_TRUE(TextShown("決定", 1, 40, 70, 100, 90, 0));
    EXPECT_TRUE(TextShown("ｷｬﾝｾﾙ", 1, 120, 70, 180, 90, 0));
}

TEST(SetupItems, WithoutTheFileOnlyTheFirstItemIsThere) {
    ASSERT_TRUE(BootToSetup());
    OpenItemPage();
    EXPECT_EQ(S().availableCount, 1);
    EXPECT_EQ(S().availableItems[0], 0);
    EXPECT_EQ(S().availableItems[1], -1);
    PickAt(0);
    EXPECT_EQ(itemSlots[0][0], 0);
}

}  // namespace

namespace {

// The box under the grid names the item under the cursor with its line, and
// always says that items leave the match as it is.
TEST(SetupItems, TheBoxNamesTheItemUnderTheCursorAndSaysItemsChangeNothing) {
    ASSERT_TRUE(BootToSetup(galleryTest::FileWith({0, 4, 20})));
    OpenItemPage();
    struct Case {
        int8_t cursor;
        const char* name;  // none on the buttons
        const char* description;
    };
    const Case cases[] = {
        {0, "「りんご」", "はじめから持っている、最初のひとつ"},
        {1, "「すいか」", "三つ続けて割れば、あまい三連鎖"},
        {2, "「凧」", "十万点の風にのって、高く上がる"},
        {decideEntry, nullptr, nullptr},
        {cancelEntry, nullptr, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.cursor);
        S().itemCursor = c.cursor;
        harness::RunFrames(2);
        EXPECT_TRUE(TextShown(c.name != nullptr ? c.name : "", textCenter, 25, 362, 613, 382));
        EXPECT_TRUE(TextShown(c.description != nullptr ? c.description : "", textCenter, 25, 390, 613, 410));
        EXPECT_TRUE(TextShown("アイテムは対戦の結果に影響しません", textCenter, 25, 436, 613, 456));
    }
}

}  // namespace
