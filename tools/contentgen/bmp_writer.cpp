#include "contentgen/bmp_writer.h"

#include <cstddef>

namespace {

void Put16(std::vector<uint8_t>& out, uint32_t v) {
    out.push_back(static_cast<uint8_t>(v));
    out.push_back(static_cast<uint8_t>(v >> 8));
}

void Put32(std::vector<uint8_t>& out, uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

}  // namespace

std::vector<uint8_t> EncodeBmp8(int width, int height, const std::vector<uint8_t>& pixels, const GamePalette& palette) {
    const uint32_t stride = (static_cast<uint32_t>(width) + 3u) & ~3u;
    const uint32_t imageSize = stride * static_cast<uint32_t>(height);
    const uint32_t headerSize = 14 + 40 + 256 * 4;
    std::vector<uint8_t> out;
    out.reserve(headerSize + imageSize);

    // BITMAPFILEHEADER
    out.push_back('B');
    out.push_back('M');
    Put32(out, headerSize + imageSize);
    Put16(out, 0);
    Put16(out, 0);
    Put32(out, headerSize);

    // BITMAPINFOHEADER: positive height means bottom-up rows.
    Put32(out, 40);
    Put32(out, static_cast<uint32_t>(width));
    Put32(out, static_cast<uint32_t>(height));
    Put16(out, 1);   // planes
    Put16(out, 8);   // bits per pixel
    Put32(out, 0);   // BI_RGB
    Put32(out, imageSize);
    Put32(out, 2835);  // 72 dpi
    Put32(out, 2835);
    Put32(out, 256);  // colours used
    Put32(out, 256);  // colours important

    for (const Rgb& c : palette) {
        out.push_back(c.b);
        out.push_back(c.g);
        out.push_back(c.r);
        out.push_back(0);
    }

    for (int y = height - 1; y >= 0; --y) {
        const uint8_t* row = pixels.data() + static_cast<size_t>(y) * static_cast<size_t>(width);
        out.insert(out.end(), row, row + width);
        for (uint32_t pad = static_cast<uint32_t>(width); pad < stride; ++pad) out.push_back(0);
    }
    return out;
}
