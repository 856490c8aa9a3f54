#include <gtest/gtest.h>

#include "content/palette_layout.h"
#include "content/title_sheet.h"
#include "contentgen/content_file.h"

namespace {

using contentFile::Bitmap;
using contentFile::PixelOf;
using paletteLayout::transparent;

Bitmap LoadTitleSheet() {
    Bitmap sheet;
    EXPECT_TRUE(contentFile::DecodeBitmap(contentFile::Read("Back/Title.bmp"), sheet));
    return sheet;
}

void ExpectColour(const Bitmap& b, int index, int r, int g, int bl) {
    EXPECT_EQ(b.palette[index][0], r) << "entry " << index;
    EXPECT_EQ(b.palette[index][1], g) << "entry " << index;
    EXPECT_EQ(b.palette[index][2], bl) << "entry " << index;
}

int OpaqueCount(const Bitmap& b, const SheetRect& r) {
    int count = 0;
    for (int y = r.top; y < r.bottom; ++y) {
        for (int x = r.left; x < r.right; ++x) count += PixelOf(b, x, y) != transparent ? 1 : 0;
    }
    return count;
}

TEST(TitleSheetFile, HeadersDescribeA384By418EightBitPicture) {
    const std::vector<uint8_t> bytes = contentFile::Read("Back/Title.bmp");
    ASSERT_GE(bytes.size(), 1078u);
    EXPECT_EQ(bytes[0], 'B');
    EXPECT_EQ(bytes[1], 'M');
    EXPECT_EQ(contentFile::U32(bytes, 2), bytes.size());
    EXPECT_EQ(contentFile::U32(bytes, 10), 1078u);  // pixels right after the full colour table
    EXPECT_EQ(contentFile::U32(bytes, 14), 40u);
    EXPECT_EQ(contentFile::U32(bytes, 18), 384u);
    EXPECT_EQ(contentFile::U32(bytes, 22), 418u);  // positive: bottom-up
    EXPECT_EQ(contentFile::U16(bytes, 26), 1u);
    EXPECT_EQ(contentFile::U16(bytes, 28), 8u);
    EXPECT_EQ(contentFile::U32(bytes, 30), 0u);
    EXPECT_EQ(contentFile::U32(bytes, 46), 256u);
    EXPECT_EQ(bytes.size(), 1078u + 384u * 418u);
}

TEST(TitleSheetFile, FixedPaletteEntriesHoldTheirColours) {
    const Bitmap b = LoadTitleSheet();
    ExpectColour(b, paletteLayout::black, 0, 0, 0);
    ExpectColour(b, paletteLayout::white, 255, 255, 255);
    ExpectColour(b, paletteLayout::pink, 255, 128, 128);
    ExpectColour(b, paletteLayout::blue, 0, 0, 255);
    ExpectColour(b, paletteLayout::red, 255, 0, 0);
    ExpectColour(b, paletteLayout::magenta, 255, 128, 255);
    for (int c = 0; c < 3; ++c) EXPECT_GE(b.palette[paletteLayout::logoBackground][c], 200) << "logo background is light";
}

TEST(TitleSheetFile, NoOtherEntryHasTheKeyColour) {
    const Bitmap b = LoadTitleSheet();
    for (int i = 0; i < 256; ++i) {
        if (i == transparent) continue;
        const bool same = b.palette[i][0] == b.palette[transparent][0] && b.palette[i][1] == b.palette[transparent][1] &&
                          b.palette[i][2] == b.palette[transparent][2];
        EXPECT_FALSE(same) << "entry " << i;
    }
}

int Brightness(const Bitmap& b, int index) {
    return 299 * b.palette[index][0] + 587 * b.palette[index][1] + 114 * b.palette[index][2];
}

TEST(TitleSheetFile, PaletteRampsRunFromDarkToLight) {
    // Every sheet shades by stepping along a ramp, so each step must be lighter.
    const Bitmap b = LoadTitleSheet();
    using namespace paletteLayout;
    for (int ramp = 0; ramp < hueRampCount; ++ramp) {
        for (int s = 1; s < hueRampLength; ++s) {
            EXPECT_GT(Brightness(b, HueShade(ramp, s)), Brightness(b, HueShade(ramp, s - 1))) << "ramp " << ramp << " shade " << s;
        }
    }
    for (int s = 1; s < greyRampLength; ++s) EXPECT_GT(Brightness(b, GreyShade(s)), Brightness(b, GreyShade(s - 1)));
    for (int s = 1; s < steelRampLength; ++s) EXPECT_GT(Brightness(b, SteelShade(s)), Brightness(b, SteelShade(s - 1)));
    EXPECT_LT(SteelShade(steelRampLength - 1), logoBackground);
    EXPECT_EQ(b.palette[CubeIndex(4, 2, 0)][0], 255);
    EXPECT_EQ(b.palette[CubeIndex(4, 2, 0)][1], 128);
    EXPECT_EQ(b.palette[CubeIndex(4, 2, 0)][2], 0);
}

TEST(TitleSheetFile, EveryModeTileHasItsOwnPicture) {
    const Bitmap b = LoadTitleSheet();
    for (int i = 0; i < 8; ++i) {
        for (int j = i + 1; j < 8; ++j) {
            const SheetRect p = titleSheetLayout::ModeTile(i), q = titleSheetLayout::ModeTile(j);
            int differing = 0;
            for (int y = 0; y < p.Height(); ++y) {
                for (int x = 0; x < p.Width(); ++x) differing += PixelOf(b, p.left + x, p.top + y) != PixelOf(b, q.left + x, q.top + y) ? 1 : 0;
            }
            EXPECT_GT(differing, p.Width() * p.Height() / 2) << "tiles " << i << " and " << j;
        }
    }
}

TEST(TitleSheetFile, CursorFramesAreHollowWithASolidBorder) {
    const Bitmap b = LoadTitleSheet();
    const int border = titleSheetLayout::frameBorder;
    for (int f = 0; f < 2; ++f) {
        const SheetRect r = titleSheetLayout::CursorFrame(f);
        for (int y = r.top + border; y < r.bottom - border; ++y) {
            for (int x = r.left + border; x < r.right - border; ++x) ASSERT_EQ(PixelOf(b, x, y), transparent) << x << "," << y;
        }
        // The edge pieces the scenes stretch are opaque across the whole border.
        for (int d = 0; d < border; ++d) {
            for (int along = border; along < 40 - border; ++along) {
                EXPECT_NE(PixelOf(b, r.left + along, r.top + d), transparent) << "top, phase " << f;
                EXPECT_NE(PixelOf(b, r.left + along, r.bottom - 1 - d), transparent) << "bottom, phase " << f;
                EXPECT_NE(PixelOf(b, r.left + d, r.top + along), transparent) << "left, phase " << f;
                EXPECT_NE(PixelOf(b, r.right - 1 - d, r.top + along), transparent) << "right, phase " << f;
            }
        }
    }
}

TEST(TitleSheetFile, CursorFrameEdgesDoNotChangeAlongTheirLength) {
    // Scenes stretch an 8-pixel slice of each edge over any length.
    const Bitmap b = LoadTitleSheet();
    for (int f = 0; f < 2; ++f) {
        const SheetRect r = titleSheetLayout::CursorFrame(f);
        for (int d = 0; d < titleSheetLayout::frameBorder; ++d) {
            for (int along = 8; along < 32; ++along) {
                EXPECT_EQ(PixelOf(b, r.left + along, r.top + d), PixelOf(b, r.left + 8, r.top + d));
                EXPECT_EQ(PixelOf(b, r.left + d, r.top + along), PixelOf(b, r.left + d, r.top + 8));
            }
        }
    }
}

TEST(TitleSheetFile, CursorFramePhasesLookDifferent) {
    const Bitmap b = LoadTitleSheet();
    const SheetRect a = titleSheetLayout::CursorFrame(0), c = titleSheetLayout::CursorFrame(1);
    int differing = 0;
    for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 40; ++x) differing += PixelOf(b, a.left + x, a.top + y) != PixelOf(b, c.left + x, c.top + y) ? 1 : 0;
    }
    EXPECT_GT(differing, 400);
}

TEST(TitleSheetFile, BracketsAreMirrorImagesTopToBottomAndSideToSide) {
    // The name entry draws the upper and lower halves apart; the right
    // bracket is the left one turned round.
    const Bitmap b = LoadTitleSheet();
    for (int f = 0; f < 2; ++f) {
        const SheetRect left = titleSheetLayout::BracketLeft(f), right = titleSheetLayout::BracketRight(f);
        ASSERT_EQ(left.Width(), right.Width());
        int opaque = 0;
        for (int y = 0; y < left.Height(); ++y) {
            for (int x = 0; x < left.Width(); ++x) {
                const uint8_t p = PixelOf(b, left.left + x, left.top + y);
                EXPECT_EQ(p, PixelOf(b, left.left + x, left.bottom - 1 - y)) << "phase " << f << " at " << x << "," << y;
                EXPECT_EQ(p, PixelOf(b, right.right - 1 - x, right.top + y)) << "phase " << f << " at " << x << "," << y;
                opaque += p != transparent ? 1 : 0;
            }
        }
        EXPECT_GT(opaque, 150);
    }
}

TEST(TitleSheetFile, PicturesFillTheirRectanglesAndGapsStayTransparent) {
    const Bitmap b = LoadTitleSheet();
    for (int k = 0; k < 8; ++k) {
        const SheetRect r = titleSheetLayout::ModeTile(k);
        EXPECT_GT(OpaqueCount(b, r), r.Width() * r.Height() * 95 / 100) << "tile " << k;
    }
    for (const SheetRect& r : {titleSheetLayout::backTile, titleSheetLayout::decideButton, titleSheetLayout::notUsedCoverA, titleSheetLayout::notUsedCoverB}) {
        EXPECT_GT(OpaqueCount(b, r), r.Width() * r.Height() * 95 / 100);
    }
    for (const SheetRect& r : {titleSheetLayout::rowMarker, titleSheetLayout::scrollUpArrow, titleSheetLayout::scrollDownArrow}) {
        EXPECT_GT(OpaqueCount(b, r), 100);
    }
    EXPECT_GT(OpaqueCount(b, titleSheetLayout::titleLogo), 384 * 90 / 4);
    // Between the tile columns and right of them nothing is drawn.
    EXPECT_EQ(OpaqueCount(b, SheetRect{150, 92, 152, 418}), 0);
    EXPECT_EQ(OpaqueCount(b, SheetRect{302, 92, 304, 418}), 0);
}

TEST(TitleSheetFile, BackgroundTilesAreOpaqueAndDistinct) {
    const Bitmap b = LoadTitleSheet();
    const SheetRect t0 = titleSheetLayout::BackgroundTile(0), t1 = titleSheetLayout::BackgroundTile(1);
    EXPECT_EQ(OpaqueCount(b, t0), 1600);
    EXPECT_EQ(OpaqueCount(b, t1), 1600);
    int differing = 0;
    for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 40; ++x) differing += PixelOf(b, t0.left + x, t0.top + y) != PixelOf(b, t1.left + x, t1.top + y) ? 1 : 0;
    }
    EXPECT_GT(differing, 800);
    // Pale, so black credit text and menu lettering read over them.
    for (const SheetRect& t : {t0, t1}) {
        for (int y = t.top; y < t.bottom; ++y) {
            for (int x = t.left; x < t.right; ++x) {
                const uint8_t* c = b.palette[PixelOf(b, x, y)];
                EXPECT_GT(c[0] + c[1] + c[2], 3 * 190) << x << "," << y;
            }
        }
    }
}

}  // namespace
