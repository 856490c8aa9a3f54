#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "content/item_sheet.h"
#include "frontend/frontend_steps.h"
#include "gallery/gallery_scene.h"
#include "gallery/gallery_test_util.h"
#include "harness/picture_probe.h"
#include "platform/blit.h"
#include "platform/keys.h"
#include "platform/palette.h"
#include "platform/sound.h"
#include "platform/surface.h"
#include "platform/text.h"
#include "platform/wipe.h"
#include "shell/game_mode.h"
#include "shell/menu_input.h"

namespace {

using frontendSteps::At;

// From boot through the menu's ITEM tile into the open gallery, with the
// item file as given (none when empty).
bool EnterGallery(const std::vector<uint8_t>& itemFile = {}) {
    if (!frontendSteps::BootToMenu()) return false;
    if (!itemFile.empty()) galleryTest::WriteRaw("ITEM.dat", itemFile);
    gameMode = galleryMode;
    harness::Tap('X');
    if (!harness::RunUntil([] { return At(GalleryScene) && wipeState == 0; })) return false;
    harness::RunFrames(1);  // the open's last frame still shows its strips
    return true;
}

void Step(int vk) {
    harness::Tap(vk);
    harness::RunFrames(2);
}

int CellX(int i) { return 74 + 52 * (i % 10); }
int CellY(int i) { return 110 + 48 * (i / 10); }

// The picture in cell i, its outermost ring of pixels aside (the cursor's
// corners reach one pixel into the highlighted cell).
bool CellShows(int i, const SheetRect& r) {
    const SheetRect inner{static_cast<int16_t>(r.left + 1), static_cast<int16_t>(r.top + 1),
                          static_cast<int16_t>(r.right - 1), static_cast<int16_t>(r.bottom - 1)};
    return pictureProbe::PictureShown(itemSheet, inner, CellX(i) + 1, CellY(i) + 1);
}

using galleryTest::LineShown;

bool LineEmpty(int x, int y) { return LineShown("", x, y); }

struct MoveCase {
    int from;
    int key;
    int to;
};

TEST(Gallery, TheCursorWrapsWithinItsRowAndItsColumn) {
    ASSERT_TRUE(EnterGallery());
    const MoveCase cases[] = {
        {9, vkRight, 0}, {45, vkDown, 5}, {3, vkUp, 43},  {0, vkLeft, 9},  {40, 'G', 49}, {19, 'H', 10},
        {12, 'Y', 2},    {12, 'B', 22},   {49, vkDown, 9}, {4, vkRight, 5}, {27, vkLeft, 26},
    };
    for (const MoveCase& c : cases) {
        SCOPED_TRACE(c.from);
        galleryCursor = static_cast<int8_t>(c.from);
        harness::ClearSoundLog();
        Step(c.key);
        EXPECT_EQ(galleryCursor, c.to);
        EXPECT_TRUE(harness::Played("Select.wav", seBuffer1.index, false));
    }
}

// A held key acts at once, after 30 steps, then every 10.
TEST(Gallery, AHeldKeyRepeatsAfterThirtyStepsThenEveryTen) {
    for (int key : {vkRight, vkDown}) {
        SCOPED_TRACE(key);
        ASSERT_TRUE(EnterGallery());
        harness::Hold(key);
        std::vector<uint32_t> moves;
        int8_t last = galleryCursor;
        for (int i = 0; i < 62; ++i) {
            harness::RunFrames(1);
            if (galleryCursor != last) moves.push_back(harness::Frames());
            last = galleryCursor;
        }
        harness::Release(key);
        ASSERT_EQ(moves.size(), 5u);
        EXPECT_EQ(moves[1] - moves[0], 30u);
        EXPECT_EQ(moves[2] - moves[1], 10u);
        EXPECT_EQ(moves[3] - moves[2], 10u);
        EXPECT_EQ(moves[4] - moves[3], 10u);
        EXPECT_EQ(galleryCursor, key == vkRight ? 5 : 0) << "five steps, wrapping";
    }
}

struct GridCase {
    const char* name;
    std::vector<uint8_t> file;  // empty: no file
    std::vector<int> unlocked;
};

TEST(Gallery, UnlockedItemsShowTheirIconsAndTheOthersTheLock) {
    std::vector<uint8_t> damaged(itemCount, 2);
    damaged[10] = 255;
    damaged[20] = 1;
    const GridCase cases[] = {
        {"no Data\\ITEM.dat: the first item only", {}, {0}},
        {"some won", galleryTest::FileWith({0, 5, 17, 49}), {0, 5, 17, 49}},
        {"damaged: only a 1 unlocks", damaged, {0, 20}},
        {"short", {1, 1, 1}, {0, 1, 2}},
    };
    for (const GridCase& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(EnterGallery(c.file));
        for (int i = 0; i < itemCount; ++i) {
            const bool open = std::find(c.unlocked.begin(), c.unlocked.end(), i) != c.unlocked.end();
            EXPECT_TRUE(CellShows(i, open ? itemSheetLayout::Icon(i) : itemSheetLayout::lockedIcon)) << i;
        }
        EXPECT_TRUE(pictureProbe::PictureShown(itemSheet, itemSheetLayout::galleryTitle, 180, 20)) << "the title";
    }
}

// The box grows for ten steps after the screen has opened; only then is
// the item's number written.
TEST(Gallery, TheNumberIsWrittenOnlyOnceTheBoxHasGrown) {
    ASSERT_TRUE(frontendSteps::BootToMenu());
    gameMode = galleryMode;
    harness::Tap('X');
    ASSERT_TRUE(harness::RunUntil([] { return At(GalleryScene); }));
    ASSERT_TRUE(harness::RunUntil([] { return wipeState == 0; }));
    for (int step = 1; step <= 10; ++step) {
        harness::RunFrames(1);
        EXPECT_EQ(boxGrowth, step);
        EXPECT_FALSE(LineShown("1個目のアイテム「りんご」", 30, 355)) << step;
    }
    harness::RunFrames(1);
    EXPECT_TRUE(LineShown("1個目のアイテム「りんご」", 30, 355));
    EXPECT_TRUE(LineShown("はじめから持っている、最初のひとつ", 30, 385));
    EXPECT_TRUE(LineEmpty(30, 415)) << "item 1 is held: no hint";
}

// Every item's box names it and says a line about it; a locked one says
// how to win it too.
TEST(Gallery, TheBoxNamesTheItemAndALockedOneSaysHowToWinIt) {
    ASSERT_TRUE(EnterGallery(galleryTest::FileWith({0, 2})));
    harness::RunFrames(12);
    struct Case {
        int item;
        const char* title;
        const char* description;
        const char* hint;  // none for a held item
    };
    const Case cases[] = {
        {1, "2個目のアイテム「さくらんぼ」", "ふたつならんで、はじめての千点", "取得条件：ひとりであそぶで1000点を取る"},
        {2, "3個目のアイテム「レモン」", "はじめて解いたパズルは、すっぱい味", nullptr},
        {13, "14個目のアイテム「アイスクリーム」", "五連鎖で勝った熱を、ひんやりと",
         "取得条件：ふたりであそぶで5連鎖して勝つ"},
        {49, "50個目のアイテム「音符」", "すべてのアイテムがそろった歌", "取得条件：ほかのアイテムをすべて集める"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.item);
        galleryCursor = static_cast<int8_t>(c.item);
        harness::RunFrames(1);
        EXPECT_TRUE(LineShown(c.title, 30, 355));
        EXPECT_TRUE(LineShown(c.description, 30, 385));
        if (c.hint != nullptr) {
            EXPECT_TRUE(LineShown(c.hint, 30, 415));
        } else {
            EXPECT_TRUE(LineEmpty(30, 415));
        }
    }
}

TEST(Gallery, DecideCancelOrEscapeGoesBackToTheMenuWithTheCursorReset) {
    for (int key : {static_cast<int>('X'), static_cast<int>('Z'), vkEscape}) {
        SCOPED_TRACE(key);
        ASSERT_TRUE(EnterGallery());
        Step(vkRight);
        harness::ClearSoundLog();
        harness::Tap(key);
        harness::RunFrames(1);
        EXPECT_EQ(wipeState, 1);
        EXPECT_TRUE(harness::Played("Ok.wav", seBuffer2.index, false));
        ASSERT_TRUE(harness::RunUntil([] { return At(MainMenuScene); }));
        EXPECT_EQ(galleryCursor, 0);
        EXPECT_EQ(itemSheet, nullptr);
        EXPECT_EQ(boxGrowth, 0);
        EXPECT_EQ(gameMode, galleryMode) << "the menu's cursor stays on ITEM";
        ASSERT_TRUE(harness::RunUntil([] { return wipeState == 0; }));
        harness::RunFrames(60);
        EXPECT_TRUE(At(MainMenuScene));
    }
}

TEST(Gallery, TheDecideKeyStillHeldFromTheMenuDoesNotLeave) {
    ASSERT_TRUE(frontendSteps::BootToMenu());
    gameMode = galleryMode;
    harness::Hold('X');
    ASSERT_TRUE(harness::RunUntil([] { return At(GalleryScene) && wipeState == 0; }));
    harness::RunFrames(20);
    EXPECT_TRUE(At(GalleryScene));
    EXPECT_EQ(wipeState, 0);
    harness::Release('X');
    harness::RunFrames(2);
    Step('X');
    EXPECT_EQ(wipeState, 1);
}

}  // namespace
