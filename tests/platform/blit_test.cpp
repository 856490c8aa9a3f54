#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "harness/probes.h"
#include "platform/blit.h"
#include "platform/surface.h"

namespace {

// A source sheet whose pixel (x,y) holds a recognisable value.
struct Sheets {
    Surface* source = nullptr;
    Sheets(int w, int h) {
        CreateSheet(source, w, h);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) source->pixels[y * w + x] = static_cast<uint8_t>(1 + (x + 7 * y) % 200);
        std::memset(backBuffer.pixels, 250, 640 * 480);
    }
    ~Sheets() { EmptySlot(source); }
    uint8_t Src(int x, int y) const { return source->pixels[y * source->width + x]; }
};

uint8_t Back(int x, int y) { return backBuffer.pixels[y * 640 + x]; }

TEST(BlitClipped, NegativeXCutsTheLeftColumns) {
    Sheets s(40, 10);
    BlitClipped(&backBuffer, -30, 5, s.source, opaqueCopy, 0, 0, 40, 10);
    // Source column 30 lands at x = 0; nothing of columns 0..29 is drawn.
    EXPECT_EQ(Back(0, 5), s.Src(30, 0));
    EXPECT_EQ(Back(9, 14), s.Src(39, 9));
    EXPECT_EQ(Back(10, 5), 250);
}

TEST(BlitClipped, NegativeYCutsTheTopRows) {
    Sheets s(10, 40);
    BlitClipped(&backBuffer, 100, -25, s.source, opaqueCopy, 0, 0, 10, 40);
    EXPECT_EQ(Back(100, 0), s.Src(0, 25));
    EXPECT_EQ(Back(100, 14), s.Src(0, 39));
    EXPECT_EQ(Back(100, 15), 250);
}

TEST(BlitClipped, CutAtRightAndBottomScreenEdges) {
    Sheets s(50, 50);
    BlitClipped(&backBuffer, 620, 460, s.source, opaqueCopy, 0, 0, 50, 50);
    EXPECT_EQ(Back(639, 479), s.Src(19, 19));
    EXPECT_EQ(Back(619, 459), 250);
}

TEST(BlitClipped, WhollyOutsideDrawsNothing) {
    Sheets s(20, 20);
    std::vector<uint8_t> before(backBuffer.pixels, backBuffer.pixels + 640 * 480);
    BlitClipped(&backBuffer, 640, 10, s.source, opaqueCopy, 0, 0, 20, 20);
    BlitClipped(&backBuffer, -20, 10, s.source, opaqueCopy, 0, 0, 20, 20);
    BlitClipped(&backBuffer, 10, 480, s.source, opaqueCopy, 0, 0, 20, 20);
    BlitClipped(&backBuffer, 10, -2000000000, s.source, opaqueCopy, 0, 0, 20, 20);
    EXPECT_EQ(0, std::memcmp(before.data(), backBuffer.pixels, before.size()));
}

TEST(BlitClipped, ColourKeyPixelsAreLeftOutOnlyWhenAsked) {
    Sheets s(4, 1);
    s.source->pixels[1] = colorKey;
    BlitClipped(&backBuffer, 0, 0, s.source, keyedCopy, 0, 0, 4, 1);
    EXPECT_EQ(Back(1, 0), 250);
    EXPECT_EQ(Back(2, 0), s.Src(2, 0));
    BlitClipped(&backBuffer, 0, 0, s.source, opaqueCopy, 0, 0, 4, 1);
    EXPECT_EQ(Back(1, 0), colorKey);
}

TEST(BlitClipped, SourceRectangleOutsideTheSheetIsClippedToIt) {
    Sheets s(10, 10);
    // A damaged rectangle reaching past the sheet copies only what exists.
    BlitClipped(&backBuffer, 0, 0, s.source, opaqueCopy, -5, -5, 100, 100);
    EXPECT_EQ(Back(5, 5), s.Src(0, 0));
    EXPECT_EQ(Back(14, 14), s.Src(9, 9));
    EXPECT_EQ(Back(15, 15), 250);
    EXPECT_EQ(Back(4, 4), 250);
}

TEST(Blit, StaysInsideASmallDestination) {
    Sheets s(30, 30);
    Surface* small = nullptr;
    CreateSheet(small, 8, 8);
    Blit(small, 4, 4, s.source, opaqueCopy, 0, 0, 30, 30);
    EXPECT_EQ(small->pixels[4 * 8 + 4], s.Src(0, 0));
    EXPECT_EQ(small->pixels[7 * 8 + 7], s.Src(3, 3));
    EXPECT_EQ(small->pixels[0], 0);
    EmptySlot(small);
}

TEST(BlitStretched, DoublesEachPixel) {
    Sheets s(2, 2);
    BlitStretched(&backBuffer, s.source, keyedStretch, 10, 10, 14, 14, 0, 0, 2, 2);
    EXPECT_EQ(Back(10, 10), s.Src(0, 0));
    EXPECT_EQ(Back(11, 11), s.Src(0, 0));
    EXPECT_EQ(Back(12, 10), s.Src(1, 0));
    EXPECT_EQ(Back(13, 13), s.Src(1, 1));
    EXPECT_EQ(Back(14, 14), 250);
}

TEST(BlitStretched, EmptyOrReversedRectanglesDrawNothing) {
    Sheets s(8, 8);
    BlitStretched(&backBuffer, s.source, keyedStretch, 10, 10, 10, 20, 0, 0, 8, 8);
    BlitStretched(&backBuffer, s.source, keyedStretch, 20, 10, 10, 20, 0, 0, 8, 8);
    BlitStretched(&backBuffer, s.source, keyedStretch, 10, 10, 20, 20, 0, 0, 0, 8);
    EXPECT_EQ(Back(10, 10), 250);
    EXPECT_EQ(Back(15, 15), 250);
}

TEST(BlitStretched, ClippedToDestinationAndSource) {
    Sheets s(8, 8);
    BlitStretched(&backBuffer, s.source, opaqueCopy, -100, -100, 700, 700, -8, -8, 16, 16);
    // Source pixels outside the sheet are skipped, not read.
    EXPECT_EQ(Back(0, 0), 250);
    const int inside = 8 * 800 / 24 - 100;  // last x before source column 0
    EXPECT_EQ(Back(inside + 1, inside + 1), s.Src(0, 0));
}

TEST(ColorFill, ClippedToTheSurface) {
    Surface* small = nullptr;
    CreateSheet(small, 4, 4);
    ColorFill(small, -10, 2, 100, 100, 9);
    EXPECT_EQ(small->pixels[0], 0);
    EXPECT_EQ(small->pixels[2 * 4 + 0], 9);
    EXPECT_EQ(small->pixels[3 * 4 + 3], 9);
    EmptySlot(small);
}

TEST(Sheets, EmptyingAndCreatingAgainDoesNotAccumulate) {
    const int before = LiveSheetCount();
    Surface* slot = nullptr;
    for (int i = 0; i < 5; ++i) CreateSheet(slot, 100, 100);
    EXPECT_EQ(LiveSheetCount(), before + 1);
    EmptySlot(slot);
    EXPECT_EQ(LiveSheetCount(), before);
    EXPECT_EQ(slot, nullptr);
}

TEST(Sheets, AbsurdSizesAreClamped) {
    Surface* slot = nullptr;
    CreateSheet(slot, -5, 1 << 30);
    EXPECT_EQ(slot->width, 1);
    EXPECT_EQ(slot->height, 4096);
    EmptySlot(slot);
}

}  // namespace
