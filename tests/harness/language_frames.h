#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "content/game_texts.h"

#include "harness/harness.h"
#include "platform/language.h"
#include "platform/text.h"

// One screen seen in each language: the pixels of its text region, kept to
// compare the English frame with the Japanese one, the frame saved to look
// at, and the width of a text in the font the screen draws it with.
namespace languageFrames {

struct Region {
    int left, top, right, bottom;
};

inline std::vector<uint8_t> RegionPixels(const Region& r) {
    std::vector<uint8_t> pixels;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) pixels.push_back(harness::PixelAt(x, y));
    return pixels;
}

// Where the English frame of a screen is saved (one file per screen).
inline std::string FramePath(const std::string& screen) {
    return ::testing::TempDir() + "sumline-english-" + screen + ".png";
}

// Pixels of a text line in the font, in the language the game speaks now.
inline int WidthIn(FontHandle font, const char* text) {
    SelectFont(font);
    return TextWidth(text);
}

// A text of the table and the width its box gives it; a figure for its %d
// (the widest the screen shows).
struct Fit {
    TextName name;
    int width;
    int figure = 0;
};

// A screen with boxes of words: how to reach it in a language, where its
// words are drawn, the font they are drawn in and what must fit.
struct BoxCase {
    const char* name;
    std::function<bool(Language)> reach;
    std::vector<Region> words;
    std::function<FontHandle()> font;
    std::vector<Fit> fits;
};

inline void PrintTo(const BoxCase& c, std::ostream* os) { *os << c.name; }

inline std::string CaseName(const ::testing::TestParamInfo<BoxCase>& p) { return p.param.name; }

// The screen reached in Japanese, then in English: every box of words holds
// other pixels in English, the English frame is saved, and each English
// text is narrower than its box.
inline void ExpectEnglishBoxes(const BoxCase& c) {
    ASSERT_TRUE(c.reach(Language::japanese));
    std::vector<std::vector<uint8_t>> japanese;
    for (const Region& r : c.words) japanese.push_back(RegionPixels(r));
    ASSERT_TRUE(c.reach(Language::english));
    ASSERT_EQ(CurrentLanguage(), Language::english);
    EXPECT_TRUE(harness::SaveFramePng(FramePath(c.name)));
    for (size_t k = 0; k < c.words.size(); ++k) EXPECT_NE(RegionPixels(c.words[k]), japanese[k]) << "box " << k;
    for (const Fit& f : c.fits) {
        char text[256];
        std::snprintf(text, sizeof text, Tr(f.name), f.figure);
        EXPECT_LE(WidthIn(c.font(), text), f.width) << TextNameSpelling(f.name) << ": " << text;
    }
}

}  // namespace languageFrames
