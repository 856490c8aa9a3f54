#include "platform/bitmap_loader.h"

#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "platform/file_read.h"
#include "platform/language_files.h"
#include "platform/load_report.h"
#include "platform/palette.h"
#include "platform/surface.h"

namespace {

// The game's largest picture is 640x480; anything near these limits is junk.
constexpr int64_t maxBitmapFileBytes = 8L << 20;
constexpr int64_t maxDimension = 16384;
// The file header and the info header's size field: enough to know how much
// more of the headers there is.
constexpr int64_t leadBytes = 18;

constexpr uint32_t biRgb = 0;
constexpr uint32_t biRle8 = 1;

uint16_t U16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }
uint32_t U32(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
           static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24;
}

struct BitmapInfo {
    int64_t width = 0;
    int64_t height = 0;  // always positive here
    bool topDown = false;
    uint32_t compression = 0;
    int64_t pixelOffset = 0;
    Rgb palette[256];
};

// Bytes from the start of the file to the end of the largest colour table
// the headers can have.
int64_t HeadersExtent(const uint8_t* lead) { return 14 + int64_t{U32(lead + 14)} + 4 * 256; }

// data holds the first size bytes of a file of fileSize bytes: at least the
// headers and colour table, or all there is.
ReadProblem ParseHeaders(const uint8_t* data, int64_t size, int64_t fileSize, BitmapInfo& info) {
    if (size < 14 + 40 || data[0] != 'B' || data[1] != 'M') return ReadProblem::damagedHeader;
    info.pixelOffset = U32(data + 10);
    const int64_t infoSize = U32(data + 14);
    // BITMAPINFOHEADER or one of its larger successors (V2..V5).
    if (infoSize < 40 || 14 + infoSize > size) return ReadProblem::damagedHeader;
    const uint8_t* h = data + 14;
    info.width = static_cast<int32_t>(U32(h + 4));
    const int64_t rawHeight = static_cast<int32_t>(U32(h + 8));
    const uint16_t planes = U16(h + 12);
    const uint16_t bitCount = U16(h + 14);
    info.compression = U32(h + 16);
    const uint32_t colorsUsed = U32(h + 32);
    if (planes != 1) return ReadProblem::damagedHeader;
    if (bitCount != 8) return ReadProblem::unsupported;
    if (info.compression != biRgb && info.compression != biRle8) return ReadProblem::unsupported;
    info.topDown = rawHeight < 0;
    info.height = info.topDown ? -rawHeight : rawHeight;
    if (info.width <= 0 || info.height <= 0) return ReadProblem::damagedHeader;
    if (info.width > maxDimension || info.height > maxDimension) return ReadProblem::tooLarge;
    // Compressed bitmaps are bottom-up by definition.
    if (info.compression == biRle8 && info.topDown) return ReadProblem::damagedHeader;

    const int64_t colors = colorsUsed == 0 ? 256 : colorsUsed;
    if (colors > 256) return ReadProblem::damagedHeader;
    const int64_t tableOffset = 14 + infoSize;
    if (tableOffset + 4 * colors > size) return ReadProblem::damagedHeader;
    for (int64_t i = 0; i < 256; ++i) {
        if (i < colors) {
            const uint8_t* e = data + tableOffset + 4 * i;  // blue, green, red, reserved
            info.palette[i] = MakeRgb(e[2], e[1], e[0]);
        } else {
            info.palette[i] = Rgb{};
        }
    }
    if (info.pixelOffset < 14 + 40 || info.pixelOffset >= fileSize) return ReadProblem::damagedHeader;
    return ReadProblem::none;
}

int64_t RgbStride(const BitmapInfo& info) { return (info.width + 3) / 4 * 4; }

// Bytes of pixel data to read: the rows the dimensions make, for an
// uncompressed picture; the rest of the file for a compressed one.
int64_t PixelBytesWanted(const BitmapInfo& info, int64_t fileSize) {
    return info.compression == biRgb ? RgbStride(info) * info.height : fileSize - info.pixelOffset;
}

// Uncompressed rows are checked as a whole first, so a short file changes
// nothing; then the part that fits is copied straight into the surface.
bool CopyRgbPixels(const uint8_t* data, int64_t size, const BitmapInfo& info, Surface& surface,
                   int64_t copyWidth, int64_t copyHeight) {
    const int64_t stride = RgbStride(info);
    if (stride * info.height > size) return false;
    for (int64_t y = 0; y < copyHeight; ++y) {
        const int64_t sourceRow = info.topDown ? y : info.height - 1 - y;
        std::memcpy(surface.pixels + y * surface.width, data + sourceRow * stride, static_cast<size_t>(copyWidth));
    }
    return true;
}

// Decodes RLE8 (data: the stream, from the pixel offset) into the visible part only; pixels the stream skips stay 0.
// A stream that ends before its end-of-bitmap mark is refused.
bool DecodeRle8(const uint8_t* data, int64_t size, const BitmapInfo& info, int64_t copyWidth,
                int64_t copyHeight, std::vector<uint8_t>& out) {
    out.assign(static_cast<size_t>(copyWidth * copyHeight), 0);
    auto put = [&](int64_t x, int64_t row, uint8_t value) {
        const int64_t y = info.height - 1 - row;  // rows run bottom-up
        if (x >= 0 && x < copyWidth && y >= 0 && y < copyHeight) out[y * copyWidth + x] = value;
    };
    int64_t pos = 0;
    int64_t x = 0;
    int64_t row = 0;
    while (pos + 2 <= size) {
        const uint8_t count = data[pos];
        const uint8_t value = data[pos + 1];
        pos += 2;
        if (count > 0) {
            for (int i = 0; i < count; ++i) put(x + i, row, value);
            x += count;
        } else if (value == 0) {
            x = 0;
            ++row;
        } else if (value == 1) {
            return true;
        } else if (value == 2) {
            if (pos + 2 > size) return false;
            x += data[pos];
            row += data[pos + 1];
            pos += 2;
        } else {
            if (pos + value > size) return false;
            for (int i = 0; i < value; ++i) put(x + i, row, data[pos + i]);
            x += value;
            pos += value + (value & 1);  // literal runs are padded to a word
        }
        // Past the top row nothing more can be drawn.
        if (row >= info.height) return true;
    }
    return false;
}

// Puts the pixels (size bytes from the pixel offset) into the surface and the
// colour table into the display palette; nothing changes when they are damaged.
ReadProblem ShowPicture(const BitmapInfo& info, const uint8_t* pixels, int64_t size, Surface& surface) {
    const bool hasPixels = surface.pixels != nullptr && surface.width > 0 && surface.height > 0;
    const int64_t copyWidth = hasPixels ? std::min<int64_t>(info.width, surface.width) : 0;
    const int64_t copyHeight = hasPixels ? std::min<int64_t>(info.height, surface.height) : 0;
    if (info.compression == biRgb) {
        if (!CopyRgbPixels(pixels, size, info, surface, copyWidth, copyHeight)) return ReadProblem::truncated;
    } else {
        std::vector<uint8_t> decoded;
        if (!DecodeRle8(pixels, size, info, copyWidth, copyHeight, decoded)) return ReadProblem::damagedData;
        for (int64_t y = 0; y < copyHeight; ++y) {
            std::memcpy(surface.pixels + y * surface.width, decoded.data() + y * copyWidth,
                        static_cast<size_t>(copyWidth));
        }
    }
    SetDisplayPalette(info.palette);
    return ReadProblem::none;
}

// Headers first, then only the pixel bytes the headers call for: the file
// size and the dimensions are checked before anything large is read.
ReadProblem LoadFromFile(int fd, int64_t fileSize, Surface& surface) {
    if (fileSize > maxBitmapFileBytes) return ReadProblem::tooLarge;
    if (fileSize < 14 + 40) return ReadProblem::damagedHeader;
    uint8_t lead[leadBytes];
    if (!ReadFileAt(fd, 0, lead, sizeof lead)) return ReadProblem::readError;
    std::vector<uint8_t> head(static_cast<size_t>(std::min(fileSize, HeadersExtent(lead))));
    if (!ReadFileAt(fd, 0, head.data(), head.size())) return ReadProblem::readError;
    BitmapInfo info;
    const ReadProblem problem = ParseHeaders(head.data(), static_cast<int64_t>(head.size()), fileSize, info);
    if (problem != ReadProblem::none) return problem;
    const int64_t wanted = PixelBytesWanted(info, fileSize);
    if (wanted > fileSize - info.pixelOffset) return ReadProblem::truncated;
    std::vector<uint8_t> pixels(static_cast<size_t>(wanted));
    if (!ReadFileAt(fd, info.pixelOffset, pixels.data(), pixels.size())) return ReadProblem::readError;
    return ShowPicture(info, pixels.data(), wanted, surface);
}

}  // namespace

bool LoadBitmapFromMemory(Surface* surface, const uint8_t* data, long size) {
    if (surface == nullptr || data == nullptr || size <= 0) return false;
    BitmapInfo info;
    if (ParseHeaders(data, size, size, info) != ReadProblem::none) return false;
    return ShowPicture(info, data + info.pixelOffset, size - info.pixelOffset, *surface) == ReadProblem::none;
}

namespace {

ReadProblem LoadFromGamePath(const char* gamePath, Surface& surface) {
    int64_t fileSize = 0;
    ReadProblem problem = ReadProblem::none;
    const int fd = OpenGameFileForReading(gamePath, fileSize, problem);
    if (fd >= 0) {
        problem = LoadFromFile(fd, fileSize, surface);
        close(fd);
    }
    return problem;
}

}  // namespace

namespace {

// The surfaces that hold a picture as loaded, and its game path: few sheets
// exist at once, so a small table, the oldest entry giving way when full.
constexpr int maxLoadedPictures = 8;
constexpr int maxPathBytes = 64;
struct LoadedPicture {
    const Surface* surface = nullptr;
    char path[maxPathBytes] = {};
};
LoadedPicture loadedPictures[maxLoadedPictures];
int nextLoadedPicture = 0;

void NoteLoadedPicture(const Surface* surface, const char* gamePath) {
    if (gamePath == nullptr || std::strlen(gamePath) >= maxPathBytes) return;
    ForgetLoadedPicture(surface);
    LoadedPicture* entry = nullptr;
    for (LoadedPicture& e : loadedPictures) {
        if (e.surface == nullptr) {
            entry = &e;
            break;
        }
    }
    if (entry == nullptr) {
        entry = &loadedPictures[nextLoadedPicture];
        nextLoadedPicture = (nextLoadedPicture + 1) % maxLoadedPictures;
    }
    entry->surface = surface;
    std::strcpy(entry->path, gamePath);
}

}  // namespace

void ForgetLoadedPicture(const Surface* surface) {
    if (surface == nullptr || surface == &backBuffer) return;
    for (LoadedPicture& e : loadedPictures) {
        if (e.surface == surface) e = LoadedPicture{};
    }
}

void ForgetLoadedPictures() {
    for (LoadedPicture& e : loadedPictures) e = LoadedPicture{};
    nextLoadedPicture = 0;
}

void ReloadPicturesInLanguage() {
    // A copy of the table: each load notes its picture again.
    LoadedPicture pictures[maxLoadedPictures];
    std::memcpy(pictures, loadedPictures, sizeof pictures);
    // Only the sheets in the slots: a surface of someone else's may be gone.
    Surface* const slots[] = {mainSheet, itemSheet, backdropSurface, tileSurface, logoSheet, spareSurface};
    for (const LoadedPicture& p : pictures) {
        for (Surface* sheet : slots) {
            if (sheet != nullptr && sheet == p.surface) LoadBitmapToSurface(sheet, p.path);
        }
    }
}

void LoadBitmapToSurface(Surface* surface, const char* gamePath) {
    if (surface == nullptr) return;
    NoteLoadedPicture(surface, gamePath);
    // The picture in the language in force; a twin that cannot be read is
    // named and the game's own picture shown instead (a failed load leaves
    // the surface as it was).
    std::string twin;
    if (LanguageTwinPath(gamePath, twin)) {
        const ReadProblem problem = LoadFromGamePath(twin.c_str(), *surface);
        if (problem == ReadProblem::none) return;
        ReportUnreadableFile(twin.c_str(), problem);
    }
    ReportUnreadableFile(gamePath, LoadFromGamePath(gamePath, *surface));
}
