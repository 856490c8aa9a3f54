#include <gtest/gtest.h>

#include "content/title_sheet.h"
#include "contentgen/sheet_checks.h"
#include "frontend/frontend_steps.h"
#include "harness/picture_probe.h"
#include "platform/language.h"

// The front end in English shows the English sheet's pictures.
namespace {

using namespace frontendSteps;

int SheetDifferences(const Surface* sheet, const sheetChecks::Bitmap& file, const SheetRect& r) {
    int count = 0;
    for (int y = r.top; y < r.bottom; ++y) {
        for (int x = r.left; x < r.right; ++x) {
            count += sheet->pixels[y * sheet->width + x] != sheetChecks::PixelOf(file, x, y) ? 1 : 0;
        }
    }
    return count;
}

TEST(EnglishPictures, TheMenuInEnglishShowsTheEnglishModeTiles) {
    harness::Boot();
    SetLanguage(Language::english);
    ASSERT_TRUE(harness::RunUntil([] { return At(TitleScene) && wipeState == 0; }));
    harness::RunFrames(3);
    harness::SaveFramePng("/tmp/sumline-english-title.png");
    ASSERT_TRUE(TitleToMenu());
    harness::RunFrames(3);
    harness::SaveFramePng("/tmp/sumline-english-menu.png");
    const sheetChecks::Bitmap english = sheetChecks::Load("Back/en/Title.bmp");
    const sheetChecks::Bitmap japanese = sheetChecks::Load("Back/Title.bmp");
    ASSERT_NE(mainSheet, nullptr);
    for (int k = 0; k < 8; ++k) {
        const SheetRect tile = titleSheetLayout::ModeTile(k);
        EXPECT_EQ(SheetDifferences(mainSheet, english, tile), 0) << "tile " << k;
        EXPECT_GT(SheetDifferences(mainSheet, japanese, tile), 100) << "tile " << k;
    }
    // And the screen shows them: the English back tile and the second tile.
    EXPECT_TRUE(pictureProbe::PictureShown(mainSheet, titleSheetLayout::backTile, 43, 150));
    EXPECT_TRUE(pictureProbe::PictureShown(mainSheet, titleSheetLayout::ModeTile(1), 8, 310));
    SetLanguage(Language::japanese);
}

}  // namespace
