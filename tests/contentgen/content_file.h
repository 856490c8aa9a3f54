#pragma once
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

// Reads the files the content generator wrote into the build's game folder.
namespace contentFile {

inline std::vector<uint8_t> Read(const std::string& gamePath) {
    std::ifstream in(std::string(SUMLINE_CONTENT_DIR) + "/" + gamePath, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline uint32_t U16(const std::vector<uint8_t>& b, size_t at) {
    return at + 2 <= b.size() ? uint32_t{b[at]} | uint32_t{b[at + 1]} << 8 : 0;
}

inline uint32_t U32(const std::vector<uint8_t>& b, size_t at) { return U16(b, at) | U16(b, at + 2) << 16; }

inline bool Tag(const std::vector<uint8_t>& b, size_t at, const char* tag) {
    return at + 4 <= b.size() && std::string(b.begin() + static_cast<long>(at), b.begin() + static_cast<long>(at) + 4) == tag;
}

// An 8-bit BMP as the game sees it: palette and top-down indices.
struct Bitmap {
    int width = 0;
    int height = 0;
    uint8_t palette[256][3] = {};  // r, g, b
    std::vector<uint8_t> pixels;
};

inline uint8_t PixelOf(const Bitmap& b, int x, int y) {
    return b.pixels[static_cast<size_t>(y) * static_cast<size_t>(b.width) + static_cast<size_t>(x)];
}

// Only what the generator writes: 8 bits, bottom-up, full colour table.
inline bool DecodeBitmap(const std::vector<uint8_t>& b, Bitmap& out) {
    if (b.size() < 1078 || b[0] != 'B' || b[1] != 'M' || U16(b, 28) != 8) return false;
    out.width = static_cast<int>(U32(b, 18));
    out.height = static_cast<int>(U32(b, 22));
    if (out.width <= 0 || out.height <= 0 || out.width > 4096 || out.height > 4096) return false;
    const size_t stride = (static_cast<size_t>(out.width) + 3) & ~size_t{3};
    const size_t offset = U32(b, 10);
    if (offset + stride * static_cast<size_t>(out.height) > b.size()) return false;
    for (int i = 0; i < 256; ++i) {
        out.palette[i][0] = b[54 + 4 * i + 2];
        out.palette[i][1] = b[54 + 4 * i + 1];
        out.palette[i][2] = b[54 + 4 * i];
    }
    out.pixels.resize(static_cast<size_t>(out.width) * static_cast<size_t>(out.height));
    for (int y = 0; y < out.height; ++y) {
        const size_t row = offset + stride * static_cast<size_t>(out.height - 1 - y);
        for (int x = 0; x < out.width; ++x) {
            out.pixels[static_cast<size_t>(y) * static_cast<size_t>(out.width) + static_cast<size_t>(x)] = b[row + static_cast<size_t>(x)];
        }
    }
    return true;
}

// A 16-bit PCM wave: format fields and the samples, interleaved.
struct Wave {
    uint32_t formatSize = 0;
    uint32_t formatTag = 0;
    uint32_t channels = 0;
    uint32_t rate = 0;
    uint32_t byteRate = 0;
    uint32_t blockAlign = 0;
    uint32_t bits = 0;
    uint32_t riffSize = 0;
    std::vector<int16_t> samples;
};

inline double SecondsOf(const Wave& w) {
    return w.channels == 0 || w.rate == 0 ? 0.0 : double(w.samples.size()) / w.channels / w.rate;
}

inline bool DecodeWave(const std::vector<uint8_t>& b, Wave& out) {
    if (!Tag(b, 0, "RIFF") || !Tag(b, 8, "WAVE")) return false;
    out.riffSize = U32(b, 4);
    size_t at = 12;
    bool haveFormat = false;
    while (at + 8 <= b.size()) {
        const uint32_t size = U32(b, at + 4);
        if (size > b.size() - at - 8) return false;
        if (Tag(b, at, "fmt ")) {
            out.formatSize = size;
            out.formatTag = U16(b, at + 8);
            out.channels = U16(b, at + 10);
            out.rate = U32(b, at + 12);
            out.byteRate = U32(b, at + 16);
            out.blockAlign = U16(b, at + 20);
            out.bits = U16(b, at + 22);
            haveFormat = true;
        } else if (Tag(b, at, "data")) {
            if (!haveFormat) return false;
            out.samples.resize(size / 2);
            for (size_t i = 0; i < out.samples.size(); ++i) out.samples[i] = static_cast<int16_t>(U16(b, at + 8 + 2 * i));
            return true;
        }
        at += 8 + size + (size & 1);
    }
    return false;
}

// A generated WAV file, decoded (the test fails when it cannot be).
inline Wave Load(const char* gamePath) {
    Wave w;
    EXPECT_TRUE(DecodeWave(Read(gamePath), w)) << gamePath;
    return w;
}

// Largest sample magnitude.
inline int Peak(const Wave& w) {
    int peak = 0;
    for (int16_t s : w.samples) peak = std::max(peak, std::abs(static_cast<int>(s)));
    return peak;
}

// A one-shot sound starts and ends in silence, so playing it never clicks.
inline void ExpectSilentEnds(const Wave& w, const char* path) {
    ASSERT_GE(w.samples.size(), 2u * w.channels);
    for (size_t c = 0; c < w.channels; ++c) {
        EXPECT_LT(std::abs(static_cast<int>(w.samples[w.samples.size() - w.channels + c])), 64) << path;
        EXPECT_LT(std::abs(static_cast<int>(w.samples[c])), 64) << path;
    }
}

}  // namespace contentFile
