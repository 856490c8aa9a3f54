#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "content/game_texts.h"
#include "gallery/item_names.h"
#include "gallery/item_notice.h"
#include "gallery/unlock_rules.h"
#include "frontend/frontend_steps.h"
#include "frontend/title_scene.h"
#include "gallery/gallery_scene.h"
#include "gallery/gallery_test_util.h"
#include "harness/harness.h"
#include "harness/language_frames.h"
#include "platform/blit.h"
#include "platform/language.h"
#include "platform/palette.h"
#include "platform/present.h"
#include "platform/surface.h"
#include "platform/text.h"
#include "platform/wipe.h"
#include "shell/game_mode.h"
#include "shell/menu_input.h"

namespace {

class ItemWords : public testing::Test {
protected:
    void TearDown() override { SetLanguage(Language::japanese); }
};

// Every item's words fit the narrowest box they are written in, in either
// language: the gallery's lines (from x 30 inside the box to 19..619), the
// item page's name and line (19..619, centred) and the notice's names line.
TEST_F(ItemWords, EveryNameLineAndRuleFitsItsBoxInBothLanguages) {
    harness::Boot();
    constexpr int galleryWidth = 580;
    constexpr int pageWidth = 600;
    for (Language language : {Language::japanese, Language::english}) {
        SCOPED_TRACE(LanguageCode(language));
        SetLanguage(language);
        BeginPanelText(smallFont);
        for (int i = 0; i < itemCount; ++i) {
            SCOPED_TRACE(i);
            const ItemName item = ItemNameOf(i);
            char line[192];
            std::snprintf(line, sizeof line, Tr(TextName::GalleryItemTitle), i + 1, item.name);
            EXPECT_LE(TextWidth(line), galleryWidth) << line;
            EXPECT_LE(TextWidth(item.description), galleryWidth - 20) << item.description;
            std::snprintf(line, sizeof line, Tr(TextName::SetupItemName), item.name);
            EXPECT_LE(TextWidth(line), pageWidth) << line;
            // One name alone always fits the notice: it is never cut.
            NewItems one;
            one.count = 1;
            one.items[0] = static_cast<int8_t>(i);
            ComposeNoticeNames(one, line, static_cast<int>(sizeof line));
            EXPECT_STRNE(line, "");
            EXPECT_LE(TextWidth(line), noticeNamesWidth) << line;
            if (i == 0) continue;  // held from the start: no rule
            std::snprintf(line, sizeof line, Tr(TextName::GalleryUnlockRule), UnlockHint(i));
            EXPECT_LE(TextWidth(line), galleryWidth) << line;
        }
        EndText();
    }
}

NewItems Won(int count, int first) {
    NewItems items;
    items.count = static_cast<int8_t>(count);
    for (int k = 0; k < count; ++k) items.items[k] = static_cast<int8_t>(first + k);
    return items;
}

// In English the notice lists the names parted by commas, and what does
// not fit is counted: "Apple, Cherries and 10 more".
TEST_F(ItemWords, TheEnglishNoticeListsTheNamesAndCountsTheRest) {
    harness::Boot();
    SetLanguage(Language::english);
    BeginPanelText(smallFont);
    struct Case {
        NewItems items;
        const char* expected;  // null: as many as fit, then the count
    };
    const Case cases[] = {
        {Won(1, 3), "Grapes"},
        {Won(3, 0), "Apple, Cherries, Lemon"},
        {Won(30, 0), nullptr},
    };
    for (const Case& c : cases) {
        char line[noticeNamesBytes];
        ComposeNoticeNames(c.items, line, noticeNamesBytes);
        EXPECT_LE(TextWidth(line), noticeNamesWidth) << line;
        if (c.expected != nullptr) {
            EXPECT_STREQ(line, c.expected);
            continue;
        }
        // The names kept, in order, and the rest counted: all thirty told.
        const std::string shown = line;
        const size_t and_ = shown.rfind(" and ");
        ASSERT_NE(and_, std::string::npos) << shown;
        int more = 0;
        ASSERT_EQ(std::sscanf(shown.c_str() + and_, " and %d more", &more), 1) << shown;
        int names = 1;
        for (char ch : shown.substr(0, and_)) names += ch == ',' ? 1 : 0;
        EXPECT_EQ(names + more, 30) << shown;
        std::string expected;
        for (int k = 0; k < names; ++k) expected += std::string(k == 0 ? "" : ", ") + ItemNameOf(k).name;
        EXPECT_EQ(shown.substr(0, and_), expected);
    }
    EndText();
}

using languageFrames::FramePath;
using languageFrames::RegionPixels;

using galleryTest::LineShown;

// From boot into the gallery, with the first and third items held, the
// cursor on the second.
bool EnterGallery(Language language) {
    harness::Boot();
    SetLanguage(language);
    if (!harness::RunUntil([] { return currentScene == TitleScene && wipeState == 0; })) return false;
    if (!frontendSteps::TitleToMenu()) return false;
    galleryTest::WriteRaw("ITEM.dat", galleryTest::FileWith({0, 2}));
    gameMode = galleryMode;
    harness::Tap('X');
    if (!harness::RunUntil([] { return currentScene == GalleryScene && wipeState == 0; })) return false;
    harness::RunFrames(12);
    galleryCursor = 1;
    harness::RunFrames(1);
    return true;
}

// The gallery's box, then a notice of three items won over it, in English.
TEST_F(ItemWords, TheGalleryAndTheNoticeSpeakEnglish) {
    ASSERT_TRUE(EnterGallery(Language::japanese));
    const std::vector<uint8_t> japanese = RegionPixels({30, 355, 590, 440});
    ASSERT_TRUE(EnterGallery(Language::english));
    EXPECT_TRUE(harness::SaveFramePng(FramePath("gallery")));
    EXPECT_NE(RegionPixels({30, 355, 590, 440}), japanese);
    EXPECT_TRUE(LineShown("Item 2: Cherries", 30, 355));
    EXPECT_TRUE(LineShown(Tr(TextName::ItemLineCherries), 30, 385));
    EXPECT_TRUE(LineShown("Unlock: score 1,000 points in endless", 30, 415));
    galleryCursor = 2;  // held: no rule
    harness::RunFrames(1);
    EXPECT_TRUE(LineShown("Item 3: Lemon", 30, 355));
    EXPECT_TRUE(LineShown("", 30, 415));

    // The notice, drawn as a screen that won the items draws it.
    StartItemNotice(Won(3, 3));
    constexpr int bottom = 180;
    DrawItemNotice(bottom);
    Present();
    EXPECT_TRUE(harness::SaveFramePng(FramePath("item-notice")));
    const int width = NoticeWidth(3), left = 319 - width / 2, top = bottom - NoticeHeight(3);
    const int namesTop = bottom - noticeNamesHeight - 3;
    struct Words {
        const char* text;
        int top;
    };
    for (const Words& w : {Words{"You got new items!", top + 7}, Words{"Grapes, Watermelon, Strawberry", namesTop}}) {
        SCOPED_TRACE(w.text);
        ColorFill(&backBuffer, left + 6, w.top, left + width - 6, w.top + 20, NearestPaletteIndex(blueBrush));
        BeginPanelText(smallFont);
        DrawTextInRect(w.text, textCenter, left, w.top, left + width, w.top + 20);
        EndText();
        EXPECT_EQ(RegionPixels({left + 6, w.top, left + width - 6, w.top + 20}),
                  [&] {
                      std::vector<uint8_t> drawn;
                      for (int y = w.top; y < w.top + 20; ++y)
                          for (int x = left + 6; x < left + width - 6; ++x)
                              drawn.push_back(backBuffer.pixels[y * screenWidth + x]);
                      return drawn;
                  }());
    }
    ResetItemNotice();
}

}  // namespace
