#include "platform/bitmap_loader.h"

#include <cstring>
#include <random>

#include "platform/palette.h"
#include "platform/temp_work_dir.h"

namespace {

struct BmpShape {
    int width = 3;
    int height = 2;
    bool topDown = false;
    uint32_t infoSize = 40;
    uint32_t colorsUsed = 0;  // 0: all 256
};

Rgb PaletteEntry(int i) { return MakeRgb(i, 255 - i, (i * 7) & 0xFF); }

// Pixel (x, y) of the test pictures, y counted from the top.
uint8_t PicturePixel(int x, int y) { return static_cast<uint8_t>(10 * y + x + 1); }

std::vector<uint8_t> BuildBmp(const BmpShape& shape) {
    const int colors = shape.colorsUsed == 0 ? 256 : static_cast<int>(shape.colorsUsed);
    const int stride = (shape.width + 3) / 4 * 4;
    const uint32_t pixelOffset = 14 + shape.infoSize + 4 * colors;
    std::vector<uint8_t> out = {'B', 'M'};
    PutLe32(out, pixelOffset + stride * shape.height);
    PutLe32(out, 0);
    PutLe32(out, pixelOffset);
    PutLe32(out, shape.infoSize);
    PutLe32(out, static_cast<uint32_t>(shape.width));
    PutLe32(out, static_cast<uint32_t>(shape.topDown ? -shape.height : shape.height));
    PutLe16(out, 1);
    PutLe16(out, 8);
    PutLe32(out, 0);  // BI_RGB
    PutLe32(out, static_cast<uint32_t>(stride * shape.height));
    PutLe32(out, 2835);
    PutLe32(out, 2835);
    PutLe32(out, shape.colorsUsed);
    PutLe32(out, 0);
    out.resize(14 + shape.infoSize, 0);
    for (int i = 0; i < colors; ++i) {
        const Rgb c = PaletteEntry(i);
        out.insert(out.end(), {c.b, c.g, c.r, 0});
    }
    for (int row = 0; row < shape.height; ++row) {
        const int y = shape.topDown ? row : shape.height - 1 - row;
        for (int x = 0; x < stride; ++x) out.push_back(x < shape.width ? PicturePixel(x, y) : 0xEE);
    }
    return out;
}

class BitmapLoaderTest : public TempWorkDir {
protected:
    void SetUp() override {
        TempWorkDir::SetUp();
        for (Rgb& entry : startPalette) entry = MakeRgb(1, 2, 3);
        SetDisplayPalette(startPalette);
        surface.width = 8;
        surface.height = 6;
        surface.pixels = pixels;
        std::memset(pixels, 0xAA, sizeof pixels);
    }

    bool Load(const std::vector<uint8_t>& bytes) {
        return LoadBitmapFromMemory(&surface, bytes.data(), static_cast<long>(bytes.size()));
    }

    // Surface and palette exactly as SetUp left them.
    void ExpectUntouched() {
        for (size_t i = 0; i < sizeof pixels; ++i) ASSERT_EQ(pixels[i], 0xAA) << "pixel " << i;
        for (int i = 0; i < 256; ++i) ASSERT_EQ(displayPalette[i], startPalette[i]) << "entry " << i;
    }

    Rgb startPalette[256];
    uint8_t pixels[8 * 6];
    Surface surface;
};

TEST_F(BitmapLoaderTest, InstallsTheFullPalette) {
    const uint32_t before = paletteVersion;
    ASSERT_TRUE(Load(BuildBmp({})));
    EXPECT_NE(paletteVersion, before);
    for (int i = 0; i < 256; ++i) EXPECT_EQ(displayPalette[i], PaletteEntry(i)) << i;
}

TEST_F(BitmapLoaderTest, ShortPaletteLeavesTheRestBlack) {
    BmpShape shape;
    shape.colorsUsed = 20;
    ASSERT_TRUE(Load(BuildBmp(shape)));
    for (int i = 0; i < 20; ++i) EXPECT_EQ(displayPalette[i], PaletteEntry(i)) << i;
    for (int i = 20; i < 256; ++i) EXPECT_EQ(displayPalette[i], MakeRgb(0, 0, 0)) << i;
}

TEST_F(BitmapLoaderTest, PlacesBottomUpPixelsAtTheTopLeft) {
    ASSERT_TRUE(Load(BuildBmp({})));
    for (int y = 0; y < 6; ++y) {
        for (int x = 0; x < 8; ++x) {
            const uint8_t expected = (x < 3 && y < 2) ? PicturePixel(x, y) : 0xAA;
            EXPECT_EQ(pixels[y * 8 + x], expected) << x << "," << y;
        }
    }
}

TEST_F(BitmapLoaderTest, TopDownAndLargerHeadersGiveTheSamePicture) {
    ASSERT_TRUE(Load(BuildBmp({})));
    uint8_t reference[sizeof pixels];
    std::memcpy(reference, pixels, sizeof pixels);
    for (uint32_t infoSize : {40u, 108u, 124u}) {
        for (bool topDown : {false, true}) {
            std::memset(pixels, 0xAA, sizeof pixels);
            BmpShape shape;
            shape.topDown = topDown;
            shape.infoSize = infoSize;
            ASSERT_TRUE(Load(BuildBmp(shape))) << infoSize << " " << topDown;
            EXPECT_EQ(std::memcmp(pixels, reference, sizeof pixels), 0) << infoSize << " " << topDown;
        }
    }
}

TEST_F(BitmapLoaderTest, CutsWhatFallsOutsideTheSurface) {
    for (bool topDown : {false, true}) {
        BmpShape shape;
        shape.width = 13;
        shape.height = 9;
        shape.topDown = topDown;
        ASSERT_TRUE(Load(BuildBmp(shape)));
        for (int y = 0; y < 6; ++y) {
            for (int x = 0; x < 8; ++x) EXPECT_EQ(pixels[y * 8 + x], PicturePixel(x, y)) << x << "," << y;
        }
    }
}

TEST_F(BitmapLoaderTest, TruncatedPixelDataChangesNothing) {
    std::vector<uint8_t> bytes = BuildBmp({});
    bytes.pop_back();
    EXPECT_FALSE(Load(bytes));
    ExpectUntouched();
}

TEST_F(BitmapLoaderTest, MalformedHeadersChangeNothing) {
    struct Damage {
        const char* what;
        size_t offset;
        uint32_t value;
        int bytes;
    };
    const Damage damages[] = {
        {"not BM", 0, 'X', 1},
        {"pixel offset past the end", 10, 0x7FFFFFF0, 4},
        {"pixel offset inside the header", 10, 20, 4},
        {"core header", 14, 12, 4},
        {"header larger than the file", 14, 100000, 4},
        {"zero width", 18, 0, 4},
        {"negative width", 18, 0xFFFFFFFD, 4},
        {"huge width", 18, 0x7FFFFFFF, 4},
        {"zero height", 22, 0, 4},
        {"huge height", 22, 0x7FFFFFFF, 4},
        {"most negative height", 22, 0x80000000, 4},
        {"rows longer than the file", 18, 4000, 4},
        {"two planes", 26, 2, 2},
        {"24 bits", 28, 24, 2},
        {"bit fields", 30, 3, 4},
        {"jpeg", 30, 4, 4},
        {"300 colours", 46, 300, 4},
        {"colour count past the file", 46, 0xFFFFFFFF, 4},
    };
    for (const Damage& damage : damages) {
        std::vector<uint8_t> bytes = BuildBmp({});
        for (int i = 0; i < damage.bytes; ++i) bytes[damage.offset + i] = static_cast<uint8_t>(damage.value >> (8 * i));
        EXPECT_FALSE(Load(bytes)) << damage.what;
        ExpectUntouched();
    }
    EXPECT_FALSE(Load(std::vector<uint8_t>(40, 'B')));
    EXPECT_FALSE(LoadBitmapFromMemory(&surface, nullptr, 100));
    ExpectUntouched();
}

TEST_F(BitmapLoaderTest, TopDownRle8IsRefused) {
    std::vector<uint8_t> bytes = BuildBmp({});
    bytes[30] = 1;      // BI_RLE8
    bytes[22] = 0xFE;   // height -2
    std::memset(&bytes[23], 0xFF, 3);
    EXPECT_FALSE(Load(bytes));
    ExpectUntouched();
}

// 4x3 picture: bottom row a run of 5s, then end of line; middle row an
// absolute run 1 2 3 (padded); then a delta of 1 right into the top row
// where a run of two 9s follows; end of bitmap.
std::vector<uint8_t> BuildRle8(bool withEnd) {
    BmpShape shape;
    shape.width = 4;
    shape.height = 3;
    std::vector<uint8_t> bytes = BuildBmp(shape);
    const uint32_t offset = 14 + 40 + 1024;
    bytes.resize(offset);
    bytes[30] = 1;
    bytes.insert(bytes.end(), {4, 5, 0, 0, 0, 3, 1, 2, 3, 0, 0, 0, 0, 2, 1, 0, 2, 9});
    if (withEnd) bytes.insert(bytes.end(), {0, 1});
    return bytes;
}

TEST_F(BitmapLoaderTest, DecodesRle8) {
    ASSERT_TRUE(Load(BuildRle8(true)));
    const uint8_t expected[3][4] = {{0, 9, 9, 0}, {1, 2, 3, 0}, {5, 5, 5, 5}};
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 4; ++x) EXPECT_EQ(pixels[y * 8 + x], expected[y][x]) << x << "," << y;
        for (int x = 4; x < 8; ++x) EXPECT_EQ(pixels[y * 8 + x], 0xAA);
    }
    EXPECT_EQ(displayPalette[9], PaletteEntry(9));
}

TEST_F(BitmapLoaderTest, Rle8WithoutItsEndIsRefused) {
    EXPECT_FALSE(Load(BuildRle8(false)));
    ExpectUntouched();
}

TEST_F(BitmapLoaderTest, RandomDamageNeverCrashesAndNeverHalfLoads) {
    std::mt19937 random(12345);
    const std::vector<uint8_t> good = BuildBmp({13, 9, false, 40, 0});
    const std::vector<uint8_t> goodRle = BuildRle8(true);
    int loaded = 0;
    for (int round = 0; round < 3000; ++round) {
        std::vector<uint8_t> bytes = (round & 1) ? good : goodRle;
        const int edits = 1 + static_cast<int>(random() % 6);
        for (int e = 0; e < edits; ++e) {
            // Mostly the headers, where the dangerous numbers live.
            const size_t span = (random() % 4 == 0) ? bytes.size() : 14 + 40;
            bytes[random() % span] = static_cast<uint8_t>(random());
        }
        if (random() % 8 == 0) bytes.resize(random() % bytes.size());
        std::memset(pixels, 0xAA, sizeof pixels);
        SetDisplayPalette(startPalette);
        const uint32_t before = paletteVersion;
        if (Load(bytes)) {
            ++loaded;
            EXPECT_NE(paletteVersion, before);
        } else {
            EXPECT_EQ(paletteVersion, before);
            ExpectUntouched();
        }
    }
    EXPECT_GT(loaded, 300);  // the damage must not only ever hit the magic bytes
}

TEST_F(BitmapLoaderTest, LoadsFromAGamePathIgnoringCase) {
    PutFile("back/title.BMP", BuildBmp({}));
    LoadBitmapToSurface(&surface, "Back\\Title.bmp");
    EXPECT_EQ(pixels[0], PicturePixel(0, 0));
    EXPECT_EQ(pixels[8 + 2], PicturePixel(2, 1));
    EXPECT_EQ(displayPalette[200], PaletteEntry(200));
}

TEST_F(BitmapLoaderTest, MissingFileOrNoSurfaceChangesNothing) {
    LoadBitmapToSurface(&surface, "Back\\Missing.bmp");
    ExpectUntouched();
    PutFile("Back/Title.bmp", BuildBmp({}));
    LoadBitmapToSurface(nullptr, "Back\\Title.bmp");
    ExpectUntouched();
}

}  // namespace
