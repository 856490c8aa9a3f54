// The BMP loader: read from a game path onto the screen-sized surface and
// from memory onto a small one and onto none. Whatever the bytes, it takes
// or refuses them the same way each time; refused, surface and palette stay
// as they were; taken, the palette is the file's colour table and the pixels
// are those a second, plain decoder finds (rows of any uncompressed file, and
// RLE8 streams that stay inside the picture and end with their mark), with
// nothing drawn outside the area that fits. A well-formed file is taken.

#include <algorithm>
#include <cstring>
#include <vector>

#include "fuzz_support.h"
#include "platform/bitmap_loader.h"
#include "platform/palette.h"

namespace {

constexpr int64_t maxDimension = 16384;
// The plain RLE8 decoder draws the whole picture; larger ones are not compared.
constexpr int64_t maxComparedPixels = int64_t{1} << 20;

struct Header {
    int64_t infoSize = 0;
    int64_t width = 0;
    int64_t height = 0;  // as stored: negative for top-down
    uint16_t planes = 0;
    uint16_t bitCount = 0;
    uint32_t compression = 0;
    int64_t colors = 0;
    int64_t pixelOffset = 0;
};

bool ReadHeader(const uint8_t* data, size_t size, Header& h) {
    if (size < 54 || data[0] != 'B' || data[1] != 'M') return false;
    h.pixelOffset = Le32(data + 10);
    h.infoSize = Le32(data + 14);
    h.width = static_cast<int32_t>(Le32(data + 18));
    h.height = static_cast<int32_t>(Le32(data + 22));
    h.planes = Le16(data + 26);
    h.bitCount = Le16(data + 28);
    h.compression = Le32(data + 30);
    const uint32_t used = Le32(data + 46);
    h.colors = used == 0 ? 256 : used;
    return true;
}

int64_t Rows(const Header& h) { return h.height < 0 ? -h.height : h.height; }

// What any file the loader takes must look like.
bool Acceptable(const Header& h, size_t size) {
    const int64_t total = static_cast<int64_t>(size);
    return h.infoSize >= 40 && 14 + h.infoSize <= total && h.planes == 1 && h.bitCount == 8 &&
           (h.compression == 0 || (h.compression == 1 && h.height > 0)) && h.width >= 1 &&
           h.width <= maxDimension && Rows(h) >= 1 && Rows(h) <= maxDimension && h.colors <= 256 &&
           14 + h.infoSize + 4 * h.colors <= total && h.pixelOffset >= 54 && h.pixelOffset < total;
}

// A file nobody would call broken: pixels after the colour table, and for
// uncompressed rows all of them present.
bool WellFormed(const Header& h, size_t size) {
    if (!Acceptable(h, size) || h.pixelOffset < 14 + h.infoSize + 4 * h.colors) return false;
    const int64_t stride = (h.width + 3) / 4 * 4;
    return h.compression != 0 || h.pixelOffset + stride * Rows(h) <= static_cast<int64_t>(size);
}

void ExpectedPalette(const uint8_t* data, const Header& h, Rgb (&palette)[256]) {
    for (int64_t i = 0; i < 256; ++i) {
        const uint8_t* e = data + 14 + h.infoSize + 4 * i;
        palette[i] = i < h.colors ? Rgb{e[2], e[1], e[0]} : Rgb{};
    }
}

// RLE8 decoded to a whole picture, top row first, refusing any stream that
// draws outside the picture, runs out of bytes or lacks its end mark.
bool StrictRle8(const uint8_t* data, size_t size, const Header& h, std::vector<uint8_t>& picture) {
    const int64_t w = h.width;
    const int64_t rows = h.height;
    if (h.compression != 1 || w * rows > maxComparedPixels) return false;
    picture.assign(static_cast<size_t>(w * rows), 0);
    const int64_t end = static_cast<int64_t>(size);
    int64_t pos = h.pixelOffset;
    int64_t x = 0;
    int64_t row = 0;  // counted from the bottom
    auto draw = [&](int64_t count, auto valueAt) {
        if (row >= rows || x + count > w) return false;
        for (int64_t i = 0; i < count; ++i) picture[(rows - 1 - row) * w + x + i] = valueAt(i);
        x += count;
        return true;
    };
    for (;;) {
        if (pos + 2 > end) return false;
        const uint8_t first = data[pos];
        const uint8_t second = data[pos + 1];
        pos += 2;
        if (first > 0) {
            if (!draw(first, [&](int64_t) { return second; })) return false;
        } else if (second == 0) {
            x = 0;
            ++row;
        } else if (second == 1) {
            return true;
        } else if (second == 2) {
            if (pos + 2 > end) return false;
            x += data[pos];
            row += data[pos + 1];
            pos += 2;
            if (x > w || row >= rows) return false;
        } else {
            const int64_t padded = second + (second & 1);
            if (pos + padded > end) return false;
            const int64_t from = pos;
            if (!draw(second, [&](int64_t i) { return data[from + i]; })) return false;
            pos += padded;
        }
    }
}

// A well-formed header whose pixels the plain decoders can read whole.
bool MustBeTaken(const uint8_t* data, size_t size) {
    Header h;
    if (!ReadHeader(data, size, h) || !WellFormed(h, size)) return false;
    std::vector<uint8_t> picture;
    return h.compression == 0 || StrictRle8(data, size, h, picture);
}

Rgb sentinel[256];

// A surface filled with a known pattern, to see what a load leaves alone.
struct Canvas {
    int width;
    int height;
    std::vector<uint8_t> before;
    std::vector<uint8_t> pixels;
    Surface surface;

    Canvas(int w, int h) : width(w), height(h), before(static_cast<size_t>(w) * h), surface{w, h, nullptr} {
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) before[y * w + x] = static_cast<uint8_t>(x * 7 + y * 13 + 5);
    }
    Surface* Fresh() {
        pixels = before;
        surface.pixels = width > 0 ? pixels.data() : nullptr;
        return &surface;
    }
};

void ResetPalette() { SetDisplayPalette(sentinel); }

// One load's outcome checked against the header and the plain decoders.
void CheckLoad(const uint8_t* data, size_t size, bool taken, const Canvas& canvas) {
    Header h;
    if (!taken) {
        FUZZ_CHECK(std::equal(displayPalette, displayPalette + 256, sentinel));
        FUZZ_CHECK(canvas.pixels == canvas.before);
        FUZZ_CHECK(!MustBeTaken(data, size));
        return;
    }
    FUZZ_CHECK(ReadHeader(data, size, h) && Acceptable(h, size));
    const int64_t stride = (h.width + 3) / 4 * 4;
    FUZZ_CHECK(h.compression != 0 || h.pixelOffset + stride * Rows(h) <= static_cast<int64_t>(size));
    Rgb palette[256];
    ExpectedPalette(data, h, palette);
    FUZZ_CHECK(std::equal(palette, palette + 256, displayPalette));

    // The expected surface: the pattern, with the area that fits decoded.
    const int64_t copyWidth = std::min<int64_t>(h.width, canvas.width);
    const int64_t copyHeight = std::min<int64_t>(Rows(h), canvas.height);
    std::vector<uint8_t> expected = canvas.before;
    std::vector<uint8_t> picture;
    const bool compare = h.compression == 0 || StrictRle8(data, size, h, picture);
    for (int64_t y = 0; y < copyHeight; ++y) {
        const uint8_t* from = h.compression == 0 ? &data[h.pixelOffset + (h.height < 0 ? y : h.height - 1 - y) * stride]
                              : compare          ? &picture[y * h.width]
                                                 : &canvas.pixels[y * canvas.width];  // no claim on these
        std::memcpy(&expected[y * canvas.width], from, static_cast<size_t>(copyWidth));
    }
    FUZZ_CHECK(canvas.pixels == expected);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    EnterFuzzFolder(argc, argv);
    for (int i = 0; i < 256; ++i) sentinel[i] = MakeRgb(i, 255 - i, i ^ 0x55);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // Through the game path (letter case ignored) onto a screen-sized surface.
    PutFile("Back/Fuzz.bmp", data, size);
    static Canvas screen(640, 480);
    ResetPalette();
    uint32_t version = paletteVersion;
    LoadBitmapToSurface(screen.Fresh(), "back\\FUZZ.BMP");
    const bool taken = paletteVersion != version;
    CheckLoad(data, size, taken, screen);

    // From memory onto a small surface that cuts the picture.
    static Canvas small(37, 23);
    ResetPalette();
    version = paletteVersion;
    const bool takenSmall = LoadBitmapFromMemory(small.Fresh(), data, static_cast<long>(size));
    FUZZ_CHECK(takenSmall == taken);
    FUZZ_CHECK((paletteVersion != version) == taken);
    CheckLoad(data, size, takenSmall, small);

    // Onto a surface without pixels: the verdict still does not change.
    static Canvas none(0, 0);
    ResetPalette();
    FUZZ_CHECK(LoadBitmapFromMemory(none.Fresh(), data, static_cast<long>(size)) == taken);
    return 0;
}
