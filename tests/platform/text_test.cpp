#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <initializer_list>
#include <vector>

#include "draw_canvas.h"
#include "platform/font_raster.h"
#include "platform/text.h"
#include "platform/utf8.h"

namespace {

using canvas::At;
using canvas::Box;
using canvas::BoxOf;
using canvas::ChangedBox;

const char* const endlessText = "ゲームオーバーになるまでプレイするモードです。\n高得点を狙え！！";

class TextDraw : public DrawCanvas {
protected:
    void SetUp() override {
        DrawCanvas::SetUp();
        CreateSharedTextObjects();
        SelectFont(smallFont);
        SetBkMode(bkTransparent);
        SetTextColor(MakeRgb(255, 255, 255));
    }
};

std::vector<uint8_t> Snapshot() { return {backBuffer.pixels, backBuffer.pixels + backBuffer.width * backBuffer.height}; }

TEST_F(TextDraw, InkIsTheExactPaletteIndexOfTheTextColour) {
    DrawTextInRect("あいう", textLeft, 100, 100, 400, 140);
    const Box ink = BoxOf(canvas::white);
    EXPECT_GT(ink.count, 60);
    EXPECT_EQ(ChangedBox().count, ink.count);  // nothing but text colour was written

    canvas::Clear();
    SetTextColor(MakeRgb(250, 5, 5));  // no exact entry: the nearest is red
    DrawTextInRect("あいう", textLeft, 100, 100, 400, 140);
    EXPECT_EQ(BoxOf(canvas::red).count, ink.count);
}

TEST_F(TextDraw, ColoursFollowAPaletteChange) {
    DrawTextInRect("口", textLeft, 10, 10, 100, 40);
    const int inkCount = BoxOf(canvas::white).count;
    ASSERT_GT(inkCount, 0);

    Rgb moved[256];
    std::copy(std::begin(displayPalette), std::end(displayPalette), std::begin(moved));
    moved[canvas::white] = canvas::EmptyColor();
    moved[9] = MakeRgb(255, 255, 255);
    SetDisplayPalette(moved);
    canvas::Clear();
    DrawTextInRect("口", textLeft, 10, 10, 100, 40);
    EXPECT_EQ(BoxOf(9).count, inkCount);
    EXPECT_EQ(BoxOf(canvas::white).count, 0);
}

TEST_F(TextDraw, EveryPixelStaysInsideTheClipRectangle) {
    DrawTextInRect(endlessText, textLeft, 100, 100, 180, 112);
    const Box changed = ChangedBox();
    ASSERT_FALSE(changed.Empty());
    EXPECT_GE(changed.left, 100);
    EXPECT_GE(changed.top, 100);
    EXPECT_LE(changed.right, 180);
    EXPECT_LE(changed.bottom, 112);
    // The first glyph starts at the left edge and reaches the bottom cut.
    EXPECT_LE(changed.left, 104);
    EXPECT_EQ(changed.bottom, 112);
}

TEST_F(TextDraw, TextRunningOffTheScreenIsCutAtItsEdges) {
    DrawTextInRect(endlessText, textLeft, 600, 470, 900, 600);
    DrawTextInRect("口口口", textRight, -300, -8, 20, 30);
    TextOut(-15, 200, "口口口");
    TextOut(630, 475, "口口口");
    const Box changed = ChangedBox();
    EXPECT_EQ(changed.left, 0);
    EXPECT_EQ(changed.right, 640);
    EXPECT_EQ(changed.top, 0);
    EXPECT_EQ(changed.bottom, 480);
}

TEST_F(TextDraw, CentredLineHasEqualMargins) {
    DrawTextInRect("口口口", textCenter, 100, 50, 500, 100);
    const Box ink = BoxOf(canvas::white);
    ASSERT_FALSE(ink.Empty());
    EXPECT_NEAR(ink.left - 100, 500 - ink.right, 2);

    // Exactly the left-aligned picture moved by half the spare width.
    canvas::Clear();
    DrawTextInRect("口口口", textLeft, 100, 50, 500, 100);
    const Box leftInk = BoxOf(canvas::white);
    EXPECT_EQ(ink.left - leftInk.left, (400 - TextWidth("口口口")) / 2);
    EXPECT_EQ(ink.top, leftInk.top);
}

TEST_F(TextDraw, EachLineIsCentredOnItsOwn) {
    DrawTextInRect("口\n口口口口口", textCenter, 0, 0, 640, 60);
    const Box first = BoxOf(canvas::white);
    int firstLeft = 640, firstRight = 0, secondLeft = 640, secondRight = 0;
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 640; ++x) {
            if (At(x, y) == canvas::white) firstLeft = std::min(firstLeft, x), firstRight = std::max(firstRight, x + 1);
            if (At(x, y + 20) == canvas::white) secondLeft = std::min(secondLeft, x), secondRight = std::max(secondRight, x + 1);
        }
    }
    ASSERT_FALSE(first.Empty());
    EXPECT_NEAR(firstLeft - 0, 640 - firstRight, 2);
    EXPECT_NEAR(secondLeft - 0, 640 - secondRight, 2);
    EXPECT_GT(secondRight - secondLeft, 4 * (firstRight - firstLeft));
}

TEST_F(TextDraw, RightAlignedTextEndsAtTheRightEdge) {
    DrawTextInRect("口口", textRight, 100, 50, 500, 100);
    const Box ink = BoxOf(canvas::white);
    ASSERT_FALSE(ink.Empty());
    EXPECT_LE(ink.right, 500);
    EXPECT_GE(ink.right, 497);

    canvas::Clear();
    DrawTextInRect("口口", textLeft, 100, 50, 500, 100);
    EXPECT_EQ(ink.left - BoxOf(canvas::white).left, 400 - TextWidth("口口"));
}

TEST_F(TextDraw, NewlineStartsTheNextLineOneLineHeightLower) {
    DrawTextInRect("口", textLeft, 50, 50, 600, 200);
    const Box one = BoxOf(canvas::white);
    canvas::Clear();
    DrawTextInRect("口\n口", textLeft, 50, 50, 600, 200);
    const Box two = BoxOf(canvas::white);
    EXPECT_EQ(two.left, one.left);
    EXPECT_EQ(two.right, one.right);  // below, not beside
    EXPECT_EQ(two.top, one.top);
    EXPECT_EQ(two.bottom, one.bottom + 20);
    EXPECT_EQ(two.count, 2 * one.count);

    canvas::Clear();
    SelectFont(bigFont);
    DrawTextInRect("口", textLeft, 50, 50, 600, 400);
    const Box big = BoxOf(canvas::white);
    canvas::Clear();
    DrawTextInRect("口\n口", textLeft, 50, 50, 600, 400);
    EXPECT_EQ(BoxOf(canvas::white).bottom, big.bottom + 70);
}

TEST_F(TextDraw, LinesAreNotWrapped) {
    // Far wider than the rectangle: one line, cut, nothing spills below.
    DrawTextInRect("口口口口口口口口口口口口口口口口口口口口", textLeft, 0, 0, 100, 100);
    const Box ink = BoxOf(canvas::white);
    EXPECT_LE(ink.bottom, 20);
    EXPECT_GT(ink.right, 95);
}

TEST_F(TextDraw, GlyphsSitInsideTheirLineCell) {
    // The font's cell is the requested height; ink of the full-width
    // glyphs stays inside it.
    DrawTextInRect("口あ漢", textLeft, 0, 100, 640, 200);
    Box ink = BoxOf(canvas::white);
    EXPECT_GE(ink.top, 100);
    EXPECT_LE(ink.bottom, 120);
    EXPECT_GE(ink.bottom - ink.top, 14);

    canvas::Clear();
    SelectFont(bigFont);
    DrawTextInRect("お", textCenter, 150, 190, 220, 260);
    ink = BoxOf(canvas::white);
    EXPECT_GE(ink.top, 190);
    EXPECT_LE(ink.bottom, 260);
    EXPECT_GE(ink.bottom - ink.top, 45);
    EXPECT_GE(ink.right - ink.left, 40);
}

TEST_F(TextDraw, OpaqueModeFillsTheTextCellsWhite) {
    BeginText();  // fresh defaults: black text, opaque white background
    SelectFont(smallFont);
    DrawTextInRect("口口", textLeft, 100, 100, 400, 200);
    const Box cell = BoxOf(canvas::white);
    EXPECT_EQ(cell.left, 100);
    EXPECT_EQ(cell.top, 100);
    EXPECT_EQ(cell.right, 100 + TextWidth("口口"));
    EXPECT_EQ(cell.bottom, 120);
    EXPECT_GT(BoxOf(canvas::black).count, 40);
    EXPECT_EQ(ChangedBox().count, cell.count + BoxOf(canvas::black).count);
}

TEST_F(TextDraw, TextOutPutsTheTopLeftAtThePoint) {
    TextOut(120, 80, "口あ");
    const std::vector<uint8_t> byTextOut = Snapshot();
    canvas::Clear();
    DrawTextInRect("口あ", textLeft, 120, 80, 640, 480);
    EXPECT_EQ(Snapshot(), byTextOut);
    EXPECT_GE(BoxOf(canvas::white).left, 120);
    EXPECT_LE(BoxOf(canvas::white).left, 124);
}

TEST_F(TextDraw, WidthIsTheSumOfAdvancesOfTheFirstLine) {
    const int one = TextWidth("口");
    EXPECT_GE(one, 20);
    EXPECT_LE(one, 22);
    EXPECT_EQ(TextWidth("口口口"), 3 * one);
    EXPECT_EQ(TextWidth("口口\n口口口口"), 2 * one);
    EXPECT_EQ(TextWidth(""), 0);
    EXPECT_LT(TextWidth("A"), one);  // half-width letters are narrower
}

TEST_F(TextDraw, UnknownCodePointLeavesAGapWithoutInk) {
    const char* unknown = "\xF4\x8F\xBF\xBD";  // U+10FFFD, in no face
    EXPECT_GT(TextWidth(unknown), 0);
    DrawTextInRect(unknown, textLeft, 0, 0, 640, 480);
    EXPECT_TRUE(ChangedBox().Empty());
}

TEST_F(TextDraw, InvalidBytesAreSkippedWithoutAdvance) {
    DrawTextInRect("口あ", textLeft, 100, 100, 640, 480);
    const std::vector<uint8_t> clean = Snapshot();
    canvas::Clear();
    DrawTextInRect("\xFF\x80口\xC0\xAF\xED\xA0\x80あ\xE3\x81", textLeft, 100, 100, 640, 480);
    EXPECT_EQ(Snapshot(), clean);
}

TEST_F(TextDraw, NoFontSelectedDrawsNothing) {
    BeginText();
    SetBkMode(bkTransparent);
    SetTextColor(MakeRgb(255, 255, 255));
    DrawTextInRect("口", textLeft, 0, 0, 640, 480);
    TextOut(0, 0, "口");
    EXPECT_TRUE(ChangedBox().Empty());
    EXPECT_EQ(TextWidth("口"), 0);
}

TEST_F(TextDraw, BoldWeightGivesHeavierStrokes) {
    SelectFont(CreateGameFont(20, 400, "ＭＳ 明朝"));
    DrawTextInRect("国語辞典", textLeft, 0, 0, 640, 480);
    const int normal = BoxOf(canvas::white).count;
    canvas::Clear();
    SelectFont(smallFont);
    DrawTextInRect("国語辞典", textLeft, 0, 0, 640, 480);
    EXPECT_GT(BoxOf(canvas::white).count, normal + normal / 5);
}

// The synthetic bold widens strokes sideways only; the dots of an ellipsis
// must stay dots, as tall as they are wide, not dashes.
TEST_F(TextDraw, BoldEllipsesDrawRoundDots) {
    for (const char* dots : {"…", "‥"}) {
        SCOPED_TRACE(dots);
        canvas::Clear();
        DrawTextInRect(dots, textLeft, 0, 0, 640, 480);
        const Box ink = BoxOf(canvas::white);
        ASSERT_GT(ink.count, 0);
        // Dots side by side: runs of inked columns, each a dot.
        int found = 0;
        for (int x = ink.left; x < ink.right;) {
            const auto inked = [&](int column) {
                for (int y = ink.top; y < ink.bottom; ++y)
                    if (At(column, y) == canvas::white) return true;
                return false;
            };
            if (!inked(x)) {
                ++x;
                continue;
            }
            const int left = x;
            while (x < ink.right && inked(x)) ++x;
            int top = ink.bottom, bottom = ink.top;
            for (int y = ink.top; y < ink.bottom; ++y)
                for (int c = left; c < x; ++c)
                    if (At(c, y) == canvas::white) {
                        top = std::min(top, y);
                        bottom = std::max(bottom, y + 1);
                    }
            EXPECT_LE(std::abs((x - left) - (bottom - top)), 1) << "dot " << found << " is " << x - left << " wide and "
                                                                << bottom - top << " tall";
            ++found;
        }
        EXPECT_EQ(found, std::strcmp(dots, "‥") == 0 ? 2 : 3);
    }
}

TEST_F(TextDraw, DrawingOutsideTheBracketsStillDraws) {
    EndText();
    DrawTextInRect("口", textLeft, 0, 0, 640, 480);
    EXPECT_GT(BoxOf(canvas::white).count, 0);
}

TEST(TextFonts, TheSameRequestGivesTheSameHandle) {
    const FontHandle a = CreateGameFont(24, 400, "ＭＳ 明朝");
    EXPECT_EQ(CreateGameFont(24, 400, "ＭＳ 明朝"), a);
    EXPECT_NE(CreateGameFont(24, 700, "ＭＳ 明朝"), a);
    EXPECT_NE(CreateGameFont(25, 400, "ＭＳ 明朝"), a);
    EXPECT_NE(CreateGameFont(24, 400, "HG創英角ｺﾞｼｯｸUB"), a);

    CreateSharedTextObjects();
    const FontHandle small = smallFont, big = bigFont;
    CreateSharedTextObjects();
    EXPECT_EQ(smallFont, small);
    EXPECT_EQ(bigFont, big);
    EXPECT_NE(small, big);
}

TEST(TextFonts, TheTableNeverGrowsPastItsSize) {
    ReleaseTextObjects();
    CreateSharedTextObjects();
    for (int height = 30; height < 60; ++height) {
        const FontHandle handle = CreateGameFont(height, 400, "ＭＳ 明朝");
        EXPECT_GE(handle, 0);
        EXPECT_LT(handle, 8);
    }
    // Once full, a new size gets the nearest one rather than none.
    EXPECT_EQ(CreateGameFont(21, 800, "anything"), smallFont);
    EXPECT_EQ(CreateGameFont(20, 800, "ＭＳ 明朝"), smallFont);
    ReleaseTextObjects();
    EXPECT_EQ(smallFont, -1);
    EXPECT_EQ(CreateGameFont(33, 400, "ＭＳ 明朝"), 0);  // room again
    ReleaseTextObjects();
}

TEST(TextFonts, RasterLineHeightIsTheCellHeight) {
    EXPECT_EQ(RasterLineHeight(OpenRasterFont(20, 800, "ＭＳ 明朝")), 20);
    EXPECT_EQ(RasterLineHeight(OpenRasterFont(70, 800, "HG創英角ｺﾞｼｯｸUB")), 70);
    EXPECT_EQ(RasterLineHeight(-1), 0);
    const GlyphImage* none = RasterGlyph(-1, 'A');
    ASSERT_NE(none, nullptr);
    EXPECT_EQ(none->mask, nullptr);
    ReleaseTextObjects();  // closes the faces opened here too
}

TEST(TextFonts, WithoutAnyInstalledFontTextDrawsNothing) {
    // Point fontconfig at a configuration that lists no fonts at all.
    const char* path = "/tmp/sumline-no-fonts.conf";
    std::ofstream(path) << "<?xml version=\"1.0\"?><fontconfig></fontconfig>\n";
    ReleaseTextObjects();
    setenv("FONTCONFIG_FILE", path, 1);
    EXPECT_EQ(OpenRasterFont(17, 400, "ＭＳ 明朝"), -1);
    const FontHandle lonely = CreateGameFont(19, 300, "ＭＳ 明朝");
    canvas::SetTestPalette();
    canvas::Clear();
    BeginText();
    SelectFont(lonely);
    SetTextColor(MakeRgb(255, 255, 255));
    DrawTextInRect("口", textLeft, 0, 0, 640, 480);
    TextOut(10, 10, "口");
    const int width = TextWidth("口");
    EndText();
    unsetenv("FONTCONFIG_FILE");
    std::remove(path);
    EXPECT_TRUE(ChangedBox().Empty());
    EXPECT_EQ(width, 0);
}

TEST(TextUtf8, DecodesOneToFourByteSequences) {
    uint32_t codepoint = 0;
    EXPECT_EQ(DecodeUtf8("A", codepoint), 1);
    EXPECT_EQ(codepoint, 0x41u);
    EXPECT_EQ(DecodeUtf8("\xC3\xA9", codepoint), 2);
    EXPECT_EQ(codepoint, 0xE9u);
    EXPECT_EQ(DecodeUtf8("口", codepoint), 3);
    EXPECT_EQ(codepoint, 0x53E3u);
    EXPECT_EQ(DecodeUtf8("！", codepoint), 3);
    EXPECT_EQ(codepoint, 0xFF01u);
    EXPECT_EQ(DecodeUtf8("\xF0\x9F\x98\x80", codepoint), 4);
    EXPECT_EQ(codepoint, 0x1F600u);
    EXPECT_EQ(DecodeUtf8("", codepoint), 0);
}

TEST(TextUtf8, MalformedBytesAreSkippedOneByOne) {
    uint32_t codepoint = 0;
    EXPECT_EQ(DecodeUtf8("\x80", codepoint), 1);  // stray continuation
    EXPECT_EQ(codepoint, invalidCodepoint);
    EXPECT_EQ(DecodeUtf8("\xFF", codepoint), 1);
    EXPECT_EQ(codepoint, invalidCodepoint);
    EXPECT_EQ(DecodeUtf8("\xE3\x81" "A", codepoint), 1);  // cut short by an ASCII byte
    EXPECT_EQ(codepoint, invalidCodepoint);
    EXPECT_EQ(DecodeUtf8("\xC0\xAF", codepoint), 2);  // overlong "/"
    EXPECT_EQ(codepoint, invalidCodepoint);
    EXPECT_EQ(DecodeUtf8("\xED\xA0\x80", codepoint), 3);  // surrogate
    EXPECT_EQ(codepoint, invalidCodepoint);
    EXPECT_EQ(DecodeUtf8("\xF4\x90\x80\x80", codepoint), 4);  // beyond U+10FFFF
    EXPECT_EQ(codepoint, invalidCodepoint);
}

TEST(TextUtf8, NeverReadsPastTheTerminator) {
    // A lead byte that promises three more bytes right before the end of an
    // exactly sized buffer: AddressSanitizer would catch a read past it.
    char* bytes = new char[2]{'\xF0', '\0'};
    uint32_t codepoint = 0;
    EXPECT_EQ(DecodeUtf8(bytes, codepoint), 1);
    EXPECT_EQ(codepoint, invalidCodepoint);
    EXPECT_EQ(DecodeUtf8(bytes + 1, codepoint), 0);
    delete[] bytes;

    char* cut = new char[3]{'\xE3', '\x81', '\0'};
    int steps = 0;
    for (const char* p = cut; *p != '\0'; ++steps) p += DecodeUtf8(p, codepoint);
    EXPECT_EQ(steps, 2);
    delete[] cut;
}

}  // namespace
