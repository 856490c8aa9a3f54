#include "harness/png_writer.h"

#include <cstdio>
#include <vector>

#include "png/png_encoder.h"

bool WritePalettePng(const std::string& path, const uint8_t* pixels, int width, int height, const Rgb (&palette)[256]) {
    const std::vector<uint8_t> out = EncodePng8(width, height, pixels, palette);
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (f == nullptr) return false;
    const bool ok = std::fwrite(out.data(), 1, out.size(), f) == out.size();
    return std::fclose(f) == 0 && ok;
}
