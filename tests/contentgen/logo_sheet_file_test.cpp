#include <gtest/gtest.h>

#include <cstring>

#include "content/logo_sheet.h"
#include "content/palette_layout.h"
#include "contentgen/content_file.h"

namespace {

using contentFile::Bitmap;
using contentFile::PixelOf;
using paletteLayout::transparent;

int OpaqueCount(const Bitmap& b, const SheetRect& r) {
    int count = 0;
    for (int y = r.top; y < r.bottom; ++y) {
        for (int x = r.left; x < r.right; ++x) count += PixelOf(b, x, y) != transparent ? 1 : 0;
    }
    return count;
}

TEST(LogoSheetFile, Is270By204WithTheTitleSheetsPalette) {
    Bitmap logo, title;
    ASSERT_TRUE(contentFile::DecodeBitmap(contentFile::Read("Back/Logo.bmp"), logo));
    ASSERT_TRUE(contentFile::DecodeBitmap(contentFile::Read("Back/Title.bmp"), title));
    EXPECT_EQ(logo.width, logoSheetLayout::width);
    EXPECT_EQ(logo.height, logoSheetLayout::height);
    // Every load installs its palette for the whole display: they must agree.
    EXPECT_EQ(std::memcmp(logo.palette, title.palette, sizeof logo.palette), 0);
}

TEST(LogoSheetFile, PlatesAreSolidAndLogoAndEmblemAreDrawn) {
    Bitmap b;
    ASSERT_TRUE(contentFile::DecodeBitmap(contentFile::Read("Back/Logo.bmp"), b));
    const SheetRect start = logoSheetLayout::startPlate, end = logoSheetLayout::endPlate;
    EXPECT_GT(OpaqueCount(b, start), start.Width() * start.Height() * 97 / 100);
    EXPECT_GT(OpaqueCount(b, end), end.Width() * end.Height() * 97 / 100);
    EXPECT_GT(OpaqueCount(b, logoSheetLayout::bouncingLogo), 220 * 100 / 5);
    // The emblem is a round coin: its centre is drawn, its corners are not.
    const SheetRect e = logoSheetLayout::emblem;
    EXPECT_NE(PixelOf(b, (e.left + e.right) / 2, (e.top + e.bottom) / 2), transparent);
    EXPECT_EQ(PixelOf(b, e.left, e.top), transparent);
    EXPECT_EQ(PixelOf(b, e.right - 1, e.bottom - 1), transparent);
    // The coin spins at (150,20)-(184,53) of the logo: the logo leaves that
    // place empty so the turning coin shows the screen behind it.
    EXPECT_EQ(OpaqueCount(b, SheetRect{150, 20, 184, 53}), 0);
    // Nothing strays between the emblem and the sheet's right edge.
    EXPECT_EQ(OpaqueCount(b, SheetRect{256, 0, 270, 100}), 0);
}

}  // namespace
