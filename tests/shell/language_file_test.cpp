#include "shell/language_file.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "app/start_language.h"
#include "harness/harness.h"

namespace {

std::string FilePath() { return harness::WorkDir() + "/Data/Language.txt"; }

std::string ReadText() {
    std::ifstream in(FilePath(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST(LanguageFile, KeepsTheChoiceAsTwoLettersAndALineEnd) {
    harness::StartFresh();
    Language out = Language::japanese;
    EXPECT_FALSE(ReadLanguageFile(out)) << "no file is no choice";
    ASSERT_TRUE(WriteLanguageFile(Language::english));
    EXPECT_EQ(ReadText(), "en\n");
    EXPECT_TRUE(ReadLanguageFile(out));
    EXPECT_EQ(out, Language::english);
    ASSERT_TRUE(WriteLanguageFile(Language::japanese));
    EXPECT_EQ(ReadText(), "ja\n");
    EXPECT_TRUE(ReadLanguageFile(out));
    EXPECT_EQ(out, Language::japanese);
}

TEST(LanguageFile, ReadsOnlyWhatItWroteGivingSpacesLeeway) {
    struct Case {
        std::string text;
        bool read;
        Language expected;
    };
    const Case cases[] = {
        {"en", true, Language::english},         {" en \r\n", true, Language::english},
        {"\nja\n\n", true, Language::japanese},  {"", false, Language::japanese},
        {"e", false, Language::japanese},        {"english\n", false, Language::japanese},
        {"en ja\n", false, Language::japanese},  {std::string("e\0n", 3), false, Language::japanese},
        {std::string(200, 'e'), false, Language::japanese},
    };
    for (const Case& c : cases) {
        harness::StartFresh();
        std::ofstream(FilePath(), std::ios::binary) << c.text;
        Language out = Language::japanese;
        EXPECT_EQ(ReadLanguageFile(out), c.read) << c.text;
        EXPECT_EQ(out, c.expected) << c.text;
    }
}

const char* EnglishDesktop(const char* name) { return std::string(name) == "LANG" ? "en_US.UTF-8" : nullptr; }
const char* JapaneseDesktop(const char* name) { return std::string(name) == "LC_ALL" ? "ja_JP.UTF-8" : nullptr; }

TEST(LanguageFile, ARunStartsInTheOptionsLanguageElseTheSavedChoiceElseTheDesktops) {
    constexpr Language ja = Language::japanese, en = Language::english;
    EXPECT_EQ(StartLanguage(false, ja, false, ja, EnglishDesktop), en);
    EXPECT_EQ(StartLanguage(false, ja, false, ja, JapaneseDesktop), ja);
    EXPECT_EQ(StartLanguage(false, ja, true, ja, EnglishDesktop), ja);
    EXPECT_EQ(StartLanguage(false, ja, true, en, JapaneseDesktop), en);
    EXPECT_EQ(StartLanguage(true, ja, true, en, EnglishDesktop), ja);
    EXPECT_EQ(StartLanguage(true, en, true, ja, JapaneseDesktop), en);
}

}  // namespace
