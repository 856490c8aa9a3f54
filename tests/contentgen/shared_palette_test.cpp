#include <gtest/gtest.h>

#include "content/game_palette.h"
#include "contentgen/sheet_checks.h"

namespace {

// The generator writes the palette the game starts with (content/game_palette.h)
// into every picture, so a screen looks the same whether or not its pictures loaded.
TEST(SharedPalette, EveryPictureCarriesTheGamesOwnPalette) {
    for (const char* path : {"Back/Title.bmp", "Back/Logo.bmp", "Back/Game.bmp", "Back/Item.bmp", "Back/Rank.bmp",
                             "Back/screen1.bmp", "Back/screen2.bmp", "Back/screen3.bmp", "Back/screen4.bmp"}) {
        const sheetChecks::Bitmap b = sheetChecks::Load(path);
        for (int i = 0; i < 256; ++i) {
            const Rgb written = MakeRgb(b.palette[i][0], b.palette[i][1], b.palette[i][2]);
            ASSERT_EQ(written, gamePaletteColours[static_cast<size_t>(i)]) << path << " entry " << i;
        }
    }
}

}  // namespace
