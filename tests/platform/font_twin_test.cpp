#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <vector>

#include "draw_canvas.h"
#include "platform/font_match.h"
#include "platform/font_raster.h"
#include "platform/language.h"
#include "platform/text.h"
#include "platform/utf8.h"

// In English every font draws with its Latin twin: the same handle, the same
// height, the Latin face's letters; what the Latin face lacks (kana of a
// player's name) still comes from the Japanese face.
namespace {

class FontTwin : public DrawCanvas {
protected:
    void SetUp() override {
        DrawCanvas::SetUp();
        ReleaseTextObjects();
        CreateSharedTextObjects();
        SetBkMode(bkTransparent);
        SetTextColor(MakeRgb(255, 255, 255));
    }
    void TearDown() override {
        SetLanguage(Language::japanese);
        ReleaseTextObjects();
        DrawCanvas::TearDown();
    }
};

struct Widths {
    int japanese = 0;
    int english = 0;
};

Widths WidthsOf(FontHandle font, const char* text) {
    Widths w;
    SelectFont(font);
    SetLanguage(Language::japanese);
    w.japanese = TextWidth(text);
    SetLanguage(Language::english);
    w.english = TextWidth(text);
    SetLanguage(Language::japanese);
    return w;
}

// The advances of the text's glyphs in a raster font (opened for the test:
// fresh faces, measured as the game measures).
int AdvanceSum(int rasterFont, const char* text) {
    int sum = 0;
    uint32_t codepoint = 0;
    for (const char* p = text; int used = DecodeUtf8(p, codepoint); p += used) sum += RasterGlyph(rasterFont, codepoint)->advance;
    return sum;
}

TEST_F(FontTwin, EnglishMeasuresWithTheLatinFaceOfTheSameHeightAndWeight) {
    struct Case {
        FontHandle font;
        int height;
        const char* face;
    };
    const Case cases[] = {{smallFont, 20, "ＭＳ 明朝"}, {bigFont, 70, "HG創英角ｺﾞｼｯｸUB"}};
    for (const Case& c : cases) {
        const Widths w = WidthsOf(c.font, "Options");
        EXPECT_NE(w.english, w.japanese) << c.height;
        EXPECT_EQ(w.english, AdvanceSum(OpenRasterFont(c.height, 800, latinFace), "Options")) << c.height;
        EXPECT_EQ(w.japanese, AdvanceSum(OpenRasterFont(c.height, 800, c.face), "Options")) << c.height;
        // Kana are not in the Latin face: they keep the Japanese face's width.
        const Widths kana = WidthsOf(c.font, "あい");
        EXPECT_EQ(kana.english, kana.japanese) << c.height;
        EXPECT_GT(kana.english, 0) << c.height;
    }
}

std::vector<uint8_t> Drawn(Language language, const char* text) {
    canvas::Clear();
    SetLanguage(language);
    SelectFont(smallFont);
    SetTextColor(MakeRgb(255, 255, 255));
    SetBkMode(bkTransparent);
    DrawTextInRect(text, textLeft, 10, 10, 400, 40);
    SetLanguage(Language::japanese);
    return {backBuffer.pixels, backBuffer.pixels + backBuffer.width * backBuffer.height};
}

TEST_F(FontTwin, EnglishDrawsTheLatinLettersAndTheJapaneseFaceForKana) {
    EXPECT_NE(Drawn(Language::english, "Options"), Drawn(Language::japanese, "Options"));
    EXPECT_EQ(Drawn(Language::english, "あい"), Drawn(Language::japanese, "あい"));
    // The same line height in both: a second line starts at the same row.
    const std::vector<uint8_t> english = Drawn(Language::english, "\nx");
    const std::vector<uint8_t> japanese = Drawn(Language::japanese, "\nx");
    const auto firstInk = [](const std::vector<uint8_t>& p) {
        for (size_t i = 0; i < p.size(); ++i)
            if (p[i] == canvas::white) return static_cast<int>(i) / backBuffer.width;
        return -1;
    };
    EXPECT_GE(firstInk(english), 30);
    EXPECT_GE(firstInk(japanese), 30);
}

// The twin opens with its font: switching to English later reads no font
// file (here none could be found any more).
TEST_F(FontTwin, TheTwinIsReadyBeforeTheLanguageChanges) {
    SelectFont(smallFont);
    const int japanese = TextWidth("Options");
    const char* path = "/tmp/sumline-no-fonts-twin.conf";
    std::ofstream(path) << "<?xml version=\"1.0\"?><fontconfig></fontconfig>\n";
    setenv("FONTCONFIG_FILE", path, 1);
    SetLanguage(Language::english);
    const int english = TextWidth("Options");
    SetLanguage(Language::japanese);
    unsetenv("FONTCONFIG_FILE");
    std::remove(path);
    EXPECT_GT(japanese, 0);
    EXPECT_GT(english, 0);
    EXPECT_NE(english, japanese);
}

TEST_F(FontTwin, WithoutALatinFaceEnglishDrawsWithTheJapaneseFace) {
    // A configuration listing the Japanese faces alone.
    const char* path = "/tmp/sumline-japanese-fonts.conf";
    std::ofstream(path) << "<?xml version=\"1.0\"?><fontconfig>"
                           "<dir>/usr/share/fonts/opentype/ipafont-mincho</dir>"
                           "<dir>/usr/share/fonts/opentype/ipafont-gothic</dir>"
                           "<cachedir>/tmp/sumline-japanese-fonts-cache</cachedir></fontconfig>\n";
    ReleaseTextObjects();
    setenv("FONTCONFIG_FILE", path, 1);
    EXPECT_EQ(OpenRasterFont(20, 800, latinFace), -1);
    CreateSharedTextObjects();
    const Widths w = WidthsOf(smallFont, "Options");
    ReleaseTextObjects();
    unsetenv("FONTCONFIG_FILE");
    std::remove(path);
    EXPECT_GT(w.japanese, 0);
    EXPECT_EQ(w.english, w.japanese);
}

}  // namespace
