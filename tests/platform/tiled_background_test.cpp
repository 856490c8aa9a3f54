#include <gtest/gtest.h>

#include <cstring>

#include "content/title_sheet.h"
#include "platform/blit.h"
#include "platform/surface.h"
#include "platform/tiled_background.h"
#include "shell/menu_assets.h"

namespace {

// mainSheet with two flat tiles (5 and 6) at the tile places.
struct TileSheets {
    TileSheets() {
        CreateSheet(mainSheet, titleSheetLayout::width, titleSheetLayout::height);
        for (int t = 0; t < 2; ++t) {
            const SheetRect r = titleSheetLayout::BackgroundTile(t);
            ColorFill(mainSheet, r.left, r.top, r.right, r.bottom, static_cast<uint8_t>(5 + t));
        }
        // A marker pixel in tile 0's corner shows the scale.
        const SheetRect r0 = titleSheetLayout::BackgroundTile(0);
        mainSheet->pixels[r0.top * mainSheet->width + r0.left] = 9;
        CreateSheet(tileSurface, 640, 480);
        tileToggle = 0;
        scrollOffsetX = 0;
        scrollOffsetY = 0;
    }
    ~TileSheets() {
        EmptySlot(mainSheet);
        EmptySlot(tileSurface);
    }
};

uint8_t Tile(int x, int y) { return tileSurface->pixels[y * 640 + x]; }
uint8_t Back(int x, int y) { return backBuffer.pixels[y * 640 + x]; }

TEST(TiledBackground, BuildsAlternateBetweenTheTwoTiles) {
    TileSheets s;
    BuildTiledBackground();
    EXPECT_EQ(Tile(10, 10), 5);
    EXPECT_EQ(tileToggle, 1);
    BuildTiledBackground();
    EXPECT_EQ(Tile(10, 10), 6);
    EXPECT_EQ(tileToggle, 0);
}

TEST(TiledBackground, EachTileIsStretchedToEightyPixels) {
    TileSheets s;
    BuildTiledBackground();
    // The 1-pixel marker becomes 2x2 at every cell's corner.
    for (int cell = 0; cell < 8; ++cell) {
        EXPECT_EQ(Tile(80 * cell, 0), 9);
        EXPECT_EQ(Tile(80 * cell + 1, 1), 9);
        EXPECT_EQ(Tile(80 * cell + 2, 0), 5);
    }
    EXPECT_EQ(Tile(0, 400), 9);
}

TEST(TiledBackground, ScrollAtZeroIsOneUnscaledCopy) {
    TileSheets s;
    BuildTiledBackground();
    ScrollTiledBackground();
    EXPECT_EQ(0, std::memcmp(backBuffer.pixels, tileSurface->pixels, 640 * 480));
    EXPECT_EQ(scrollOffsetX, 639);
    EXPECT_EQ(scrollOffsetY, 479);
}

TEST(TiledBackground, ScrollWrapsThePictureAroundTheOffsets) {
    TileSheets s;
    BuildTiledBackground();
    tileSurface->pixels[0] = 77;
    scrollOffsetX = 100;
    scrollOffsetY = 50;
    ScrollTiledBackground();
    EXPECT_EQ(Back(100, 50), 77);
    // The picture's last column wraps to just left of the offset.
    tileSurface->pixels[639] = 78;
    tileSurface->pixels[479 * 640 + 639] = 79;
    scrollOffsetX = 100;
    scrollOffsetY = 50;
    ScrollTiledBackground();
    EXPECT_EQ(Back(99, 50), 78);
    EXPECT_EQ(Back(99, 49), 79);
}

TEST(TiledBackground, OffsetsReturnAfterAFullCycle) {
    TileSheets s;
    BuildTiledBackground();
    for (int i = 0; i < 480; ++i) ScrollTiledBackground();
    EXPECT_EQ(scrollOffsetY, 0);
    EXPECT_EQ(scrollOffsetX, 160);
    for (int i = 0; i < 160; ++i) ScrollTiledBackground();
    EXPECT_EQ(scrollOffsetX, 0);
}

}  // namespace
