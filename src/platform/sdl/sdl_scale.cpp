#include <cstring>

#include "platform/sdl/sdl_scale.h"

namespace backend {

void BuildScaleMaps(ScaleMaps& maps, int windowWidth, int windowHeight) {
    int width = 0;
    int height = 0;
    if (windowWidth > 0 && windowHeight > 0) {
        if (static_cast<int64_t>(windowWidth) * 3 >= static_cast<int64_t>(windowHeight) * 4) {
            height = windowHeight;  // wider than 4:3: bars left and right
            width = static_cast<int>(static_cast<int64_t>(height) * 4 / 3);
        } else {
            width = windowWidth;  // taller: bars above and below
            height = static_cast<int>(static_cast<int64_t>(width) * 3 / 4);
        }
        if (width > maxPictureWidth) {
            width = maxPictureWidth;
            height = width * 3 / 4;
        }
    }
    maps.width = width;
    maps.height = height;
    maps.left = (windowWidth - width) / 2;
    maps.top = (windowHeight - height) / 2;
    for (int x = 0; x < width; ++x) {
        maps.sourceX[x] = static_cast<uint16_t>(static_cast<int64_t>(x) * screenWidth / width);
    }
    // Picture row r shows source row r * 480 / height; the first picture row
    // of source row y is therefore the ceiling of y * height / 480.
    for (int y = 0; y <= screenHeight; ++y) {
        maps.rowStart[y] = static_cast<int>((static_cast<int64_t>(y) * height + screenHeight - 1) / screenHeight);
    }
}

void BuildColorTable(uint32_t (&table)[256], const Rgb (&palette)[256], const SDL_PixelFormat* format) {
    for (int i = 0; i < 256; ++i) table[i] = SDL_MapRGB(format, palette[i].r, palette[i].g, palette[i].b);
}

namespace {

template <typename Pixel>
void ScaleRow(Pixel* out, const ScaleMaps& maps, const uint32_t (&table)[256], const uint8_t* source) {
    const uint16_t* sourceX = maps.sourceX;
    for (int x = 0; x < maps.width; ++x) out[x] = static_cast<Pixel>(table[source[sourceX[x]]]);
}

void ScaleRow24(uint8_t* out, const ScaleMaps& maps, const uint32_t (&table)[256], const uint8_t* source) {
    for (int x = 0; x < maps.width; ++x) {
        const uint32_t value = table[source[maps.sourceX[x]]];
#if SDL_BYTEORDER == SDL_LIL_ENDIAN
        out[0] = static_cast<uint8_t>(value);
        out[1] = static_cast<uint8_t>(value >> 8);
        out[2] = static_cast<uint8_t>(value >> 16);
#else
        out[0] = static_cast<uint8_t>(value >> 16);
        out[1] = static_cast<uint8_t>(value >> 8);
        out[2] = static_cast<uint8_t>(value);
#endif
        out += 3;
    }
}

}  // namespace

void DrawSourceRow(const ScaleMaps& maps, const uint32_t (&table)[256], const uint8_t* sourceRow, int y,
                   SDL_Surface* target) {
    const int first = maps.rowStart[y];
    const int end = maps.rowStart[y + 1];
    if (first >= end || maps.width <= 0) return;
    const int bytesPerPixel = target->format->BytesPerPixel;
    uint8_t* row = static_cast<uint8_t*>(target->pixels) + static_cast<ptrdiff_t>(maps.top + first) * target->pitch +
                   static_cast<ptrdiff_t>(maps.left) * bytesPerPixel;
    switch (bytesPerPixel) {
        case 4: ScaleRow(reinterpret_cast<uint32_t*>(row), maps, table, sourceRow); break;
        case 3: ScaleRow24(row, maps, table, sourceRow); break;
        case 2: ScaleRow(reinterpret_cast<uint16_t*>(row), maps, table, sourceRow); break;
        default: ScaleRow(row, maps, table, sourceRow); break;
    }
    // Rows that repeat a source row are copies of the first.
    const size_t rowBytes = static_cast<size_t>(maps.width) * bytesPerPixel;
    for (int r = first + 1; r < end; ++r) {
        std::memcpy(row + static_cast<ptrdiff_t>(r - first) * target->pitch, row, rowBytes);
    }
}

}  // namespace backend
