#include <gtest/gtest.h>

#include <cstdio>

#include "content/game_texts.h"
#include "gallery/item_names.h"
#include "gallery/item_notice.h"
#include "gallery/unlock_rules.h"
#include "harness/harness.h"
#include "platform/language.h"
#include "platform/text.h"
#include "shell/menu_input.h"

namespace {

// Every item's words fit the narrowest box they are written in, in either
// language: the gallery's lines (from x 30 inside the box to 19..619), the
// item page's name and line (19..619, centred) and the notice's names line.
TEST(ItemWords, EveryNameLineAndRuleFitsItsBoxInBothLanguages) {
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
    SetLanguage(Language::japanese);
}

}  // namespace
