#include "platform/language.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

TEST(Language, TheDesktopLocaleChoosesTheFirstSetVariableJapaneseUnlessItSaysEnglish) {
    constexpr Language ja = Language::japanese, en = Language::english;
    struct Case {
        const char* lcAll;
        const char* lcMessages;
        const char* lang;
        Language expected;
    };
    const Case cases[] = {
        {nullptr, nullptr, nullptr, ja},
        {nullptr, nullptr, "ja_JP.UTF-8", ja},
        {nullptr, nullptr, "en_US.UTF-8", en},
        {nullptr, nullptr, "en", en},
        {nullptr, nullptr, "C.UTF-8", ja},
        {nullptr, nullptr, "de_DE.UTF-8", ja},
        {nullptr, "en_GB.UTF-8", "ja_JP.UTF-8", en},
        {nullptr, "ja_JP.UTF-8", "en_US.UTF-8", ja},
        {"ja_JP.UTF-8", "en_GB.UTF-8", "en_US.UTF-8", ja},
        {"en_US.UTF-8", "ja_JP.UTF-8", "ja_JP.UTF-8", en},
        // An empty variable says nothing; the next one decides.
        {"", "", "en_US.UTF-8", en},
        {"", "en_AU", nullptr, en},
        // A set variable naming another language decides for Japanese.
        {"fr_FR.UTF-8", nullptr, "en_US.UTF-8", ja},
        {"POSIX", nullptr, "en_US.UTF-8", ja},
        {nullptr, nullptr, "EN_US", ja},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(LanguageFromLocale(c.lcAll, c.lcMessages, c.lang), c.expected)
            << (c.lcAll ? c.lcAll : "-") << " " << (c.lcMessages ? c.lcMessages : "-") << " "
            << (c.lang ? c.lang : "-");
    }
}

TEST(Language, CodesNameExactlyTheTwoLanguages) {
    Language out = Language::english;
    EXPECT_TRUE(LanguageFromCode("ja", out));
    EXPECT_EQ(out, Language::japanese);
    EXPECT_TRUE(LanguageFromCode("en", out));
    EXPECT_EQ(out, Language::english);
    for (const char* bad : {"", "EN", "english", "en_US", "j", "jp", "enx"}) {
        out = Language::english;
        EXPECT_FALSE(LanguageFromCode(bad, out)) << bad;
        EXPECT_EQ(out, Language::english) << bad;
    }
    EXPECT_FALSE(LanguageFromCode(nullptr, out));
    EXPECT_STREQ(LanguageCode(Language::japanese), "ja");
    EXPECT_STREQ(LanguageCode(Language::english), "en");
    SetLanguage(static_cast<Language>(7));
    EXPECT_EQ(CurrentLanguage(), Language::japanese);
}

}  // namespace
