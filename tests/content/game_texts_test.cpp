#include "content/game_texts.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The printf conversions of a text in order ("%d %s"), "%%" left out: what
// the caller hands over must suit both languages' texts alike.
std::string Conversions(const char* text) {
    std::string found;
    for (const char* p = text; *p != '\0'; ++p) {
        if (*p != '%') continue;
        ++p;
        if (*p == '%') continue;
        std::string one = "%";
        while (*p != '\0' && std::string("-+ #0123456789.*lhz").find(*p) != std::string::npos) one += *p++;
        if (*p == '\0') return found + one + "(cut)";
        one += *p;
        found += one + " ";
    }
    return found;
}

TEST(GameTexts, EveryNameHasItsWordsInBothLanguagesAskingForTheSameValues) {
    for (int i = 0; i < textNameCount; ++i) {
        const TextName name = static_cast<TextName>(i);
        const std::string spelling = TextNameSpelling(name);
        const char* ja = TextIn(Language::japanese, name);
        const char* en = TextIn(Language::english, name);
        ASSERT_NE(ja, nullptr) << spelling;
        ASSERT_NE(en, nullptr) << spelling;
        EXPECT_FALSE(spelling.empty()) << i;
        EXPECT_NE(ja[0], '\0') << spelling << " has no Japanese";
        EXPECT_NE(en[0], '\0') << spelling << " has no English";
        EXPECT_EQ(Conversions(ja), Conversions(en)) << spelling;
    }
}

TEST(GameTexts, FollowsTheLanguageInForceAndKeepsOutOfRangeNamesInside) {
    if (textNameCount == 0) GTEST_SKIP() << "no texts yet";
    const TextName first = static_cast<TextName>(0);
    SetLanguage(Language::english);
    EXPECT_STREQ(Tr(first), TextIn(Language::english, first));
    SetLanguage(Language::japanese);
    EXPECT_STREQ(Tr(first), TextIn(Language::japanese, first));
    // A bad name (a damaged count added to a run's first) reads as nothing.
    EXPECT_STREQ(Tr(static_cast<TextName>(-1)), "");
    EXPECT_STREQ(Tr(TextName::count), "");
    EXPECT_STREQ(TextNameSpelling(static_cast<TextName>(textNameCount + 5)), "");
}

}  // namespace
