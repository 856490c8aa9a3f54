#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <string>

#include "gallery/item_names.h"
#include "gallery/item_notice.h"
#include "harness/harness.h"
#include "platform/text.h"
#include "shell/menu_input.h"

namespace {

// Every item has its own name and a line, and both fit the narrowest place
// they are written in the small font: the item page's box and the gallery's
// first line with the number before the name.
TEST(ItemNames, EveryItemHasItsOwnNameAndALineThatFitTheirBoxes) {
    harness::Boot();
    std::set<std::string> names;
    BeginPanelText(smallFont);
    for (int i = 0; i < itemCount; ++i) {
        SCOPED_TRACE(i);
        const ItemName item = ItemNameOf(i);
        ASSERT_NE(item.name, nullptr);
        ASSERT_NE(item.description, nullptr);
        EXPECT_GT(std::string(item.name).size(), 0u);
        EXPECT_GT(std::string(item.description).size(), 0u);
        names.insert(item.name);
        char title[128];
        std::snprintf(title, sizeof title, "%d個目のアイテム「%s」", i + 1, item.name);
        EXPECT_LE(TextWidth(title), 580) << "the gallery's box";
        EXPECT_LE(TextWidth(item.description), 560) << "the item page's box";
    }
    EndText();
    EXPECT_EQ(names.size(), static_cast<size_t>(itemCount));
}

TEST(ItemNames, ANumberOutsideTheFiftyHasAnEmptyEntry) {
    for (int item : {-1, itemCount, 127}) {
        EXPECT_STREQ(ItemNameOf(item).name, "");
        EXPECT_STREQ(ItemNameOf(item).description, "");
    }
    EXPECT_STREQ(ItemNameOf(3).name, "ぶどう");
}

}  // namespace

namespace {

NewItems Won(int count, int first = 0) {
    NewItems items;
    items.count = static_cast<int8_t>(count);
    for (int k = 0; k < count; ++k) items.items[k] = static_cast<int8_t>(first + k);
    return items;
}

// The notice names what was won: every name while they fit in its line,
// then as many as fit and a count of the rest.
TEST(ItemNames, TheNoticeNamesTheItemsWonAndCountsThoseBeyondItsLine) {
    harness::Boot();
    struct Case {
        NewItems items;
        const char* expected;
    };
    const Case cases[] = {
        {Won(1, 3), "「ぶどう」"},
        {Won(3, 0), "「りんご」「さくらんぼ」「レモン」"},
        {Won(12, 0), "「りんご」「さくらんぼ」「レモン」「ぶどう」ほか8個"},
        {Won(0), ""},
    };
    BeginPanelText(smallFont);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected);
        char line[noticeNamesBytes];
        ComposeNoticeNames(c.items, line, noticeNamesBytes);
        EXPECT_STREQ(line, c.expected);
        EXPECT_LE(TextWidth(line), noticeNamesWidth);
    }
    EndText();
}

}  // namespace
