#include <gtest/gtest.h>

#include "content/option_sheet.h"
#include "content/title_sheet.h"
#include "contentgen/sheet_checks.h"
#include "frontend/frontend_steps.h"
#include "harness/picture_probe.h"
#include "options/options_screen.h"
#include "shell/game_mode.h"
#include "shell/menu_input.h"
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

// The title open, after a boot in whatever language the test has set.
bool BootToTitleAgain() { return harness::RunUntil([] { return At(TitleScene) && wipeState == 0; }); }

TEST(EnglishPictures, TheMenuInEnglishShowsTheEnglishModeTiles) {
    harness::Boot();
    SetLanguage(Language::english);
    ASSERT_TRUE(BootToTitleAgain());
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

TEST(EnglishPictures, TheOptionsScreenInEnglishShowsTheEnglishLabels) {
    harness::Boot();
    SetLanguage(Language::english);
    ASSERT_TRUE(BootToTitleAgain());
    ASSERT_TRUE(TitleToMenu());
    gameMode = optionsMode;
    harness::Tap('X');
    ASSERT_TRUE(harness::RunUntil([] { return currentScene == OptionsScene && wipeState == 0; }));
    harness::RunFrames(3);
    harness::SaveFramePng("/tmp/sumline-english-options.png");
    const sheetChecks::Bitmap english = sheetChecks::Load("Back/en/Option.bmp");
    const sheetChecks::Bitmap japanese = sheetChecks::Load("Back/Option.bmp");
    ASSERT_NE(backdropSurface, nullptr);
    for (int i = 0; i < optionSheetLayout::settingCount; ++i) {
        const SheetRect label = optionSheetLayout::Label(i);
        EXPECT_EQ(SheetDifferences(backdropSurface, english, label), 0) << "label " << i;
        EXPECT_GT(SheetDifferences(backdropSurface, japanese, label), 100) << "label " << i;
    }
    SetLanguage(Language::japanese);
}

}  // namespace
