#include "platform/pcm_convert.h"

#include <cmath>
#include <cstdint>
#include <cstring>

#include "platform/sound.h"

namespace {

constexpr uint16_t tagPcm = 1;
constexpr uint16_t tagFloat = 3;
constexpr uint16_t tagExtensible = 0xFFFE;

// KSDATAFORMAT_SUBTYPE_* GUIDs share everything but their first two bytes,
// which hold the plain format tag.
constexpr uint8_t subformatTail[14] = {0x00, 0x00, 0x00, 0x00, 0x10, 0x00, 0x80,
                                       0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71};

struct Encoding {
    bool isFloat = false;
    int bytesPerSample = 0;
};

bool FindEncoding(const WaveFormat& format, Encoding& encoding) {
    uint16_t tag = format.formatTag;
    if (tag == tagExtensible) {
        // valid bits (2), channel mask (4), then the 16-byte sub-format GUID
        if (format.extra.size() < 22) return false;
        const uint8_t* guid = format.extra.data() + 6;
        if (std::memcmp(guid + 2, subformatTail, sizeof subformatTail) != 0) return false;
        tag = static_cast<uint16_t>(guid[0] | guid[1] << 8);
    }
    const int bits = format.bitsPerSample;
    if (tag == tagPcm && (bits == 8 || bits == 16 || bits == 24 || bits == 32)) {
        encoding = Encoding{false, bits / 8};
        return true;
    }
    if (tag == tagFloat && bits == 32) {
        encoding = Encoding{true, 4};
        return true;
    }
    return false;
}

int16_t DecodeSample(const uint8_t* p, const Encoding& encoding) {
    if (encoding.isFloat) {
        float value;
        std::memcpy(&value, p, sizeof value);  // little-endian host
        if (std::isnan(value)) return 0;
        if (value > 1.0f) value = 1.0f;
        if (value < -1.0f) value = -1.0f;
        return static_cast<int16_t>(std::lround(value * 32767.0f));
    }
    switch (encoding.bytesPerSample) {
        case 1: return static_cast<int16_t>((p[0] - 128) * 256);
        case 2: return static_cast<int16_t>(p[0] | p[1] << 8);
        case 3: return static_cast<int16_t>(p[1] | p[2] << 8);  // keep the top 16 bits
        default: return static_cast<int16_t>(p[2] | p[3] << 8);
    }
}

int16_t Blend(int16_t a, int16_t b, int64_t weightB) {
    const int64_t sum = a * (outputRate - weightB) + b * weightB;
    const int64_t half = outputRate / 2;
    return static_cast<int16_t>(sum >= 0 ? (sum + half) / outputRate : -((-sum + half) / outputRate));
}

}  // namespace

uint64_t OutputFrameCount(uint64_t inFrames, uint32_t rate) {
    if (rate == 0) return 0;
    return (inFrames * outputRate + rate - 1) / rate;
}

bool ConvertedPcmBytes(const WaveFormat& format, uint64_t dataBytes, uint64_t& outputBytes) {
    outputBytes = 0;
    Encoding encoding;
    if (format.channels == 0 || format.samplesPerSec == 0 || !FindEncoding(format, encoding)) return false;
    const uint64_t inFrames = dataBytes / (uint64_t{format.channels} * static_cast<uint64_t>(encoding.bytesPerSample));
    // Past this the frame count could overflow; far too large all the same.
    outputBytes = inFrames > maxSoundOutputBytes ? UINT64_MAX : OutputFrameCount(inFrames, format.samplesPerSec) * 4;
    return true;
}

bool ConvertToOutputPcm(const WaveFormat& format, const uint8_t* data, size_t bytes,
                        std::vector<int16_t>& out) {
    out.clear();
    Encoding encoding;
    if (data == nullptr || format.channels == 0 || format.samplesPerSec == 0) return false;
    if (!FindEncoding(format, encoding)) return false;
    // The frame size follows from channels and sample size; a block-align
    // field that disagrees is not trusted.
    const size_t frameBytes = static_cast<size_t>(format.channels) * encoding.bytesPerSample;
    const uint64_t inFrames = bytes / frameBytes;
    if (inFrames == 0) return false;
    // Checked before multiplying so a tiny rate cannot overflow the count.
    if (inFrames > maxSoundOutputBytes) return false;
    const uint64_t outFrames = OutputFrameCount(inFrames, format.samplesPerSec);
    if (outFrames == 0 || outFrames * 4 > maxSoundOutputBytes) return false;

    const size_t rightOffset = format.channels > 1 ? static_cast<size_t>(encoding.bytesPerSample) : 0;
    auto left = [&](uint64_t frame) { return DecodeSample(data + frame * frameBytes, encoding); };
    auto right = [&](uint64_t frame) {
        return DecodeSample(data + frame * frameBytes + rightOffset, encoding);
    };
    out.resize(static_cast<size_t>(outFrames) * 2);
    for (uint64_t i = 0; i < outFrames; ++i) {
        const uint64_t position = i * format.samplesPerSec;
        const uint64_t k = position / outputRate;
        const int64_t weight = static_cast<int64_t>(position % outputRate);
        const uint64_t next = k + 1 < inFrames ? k + 1 : k;
        if (weight == 0) {
            out[2 * i] = left(k);
            out[2 * i + 1] = right(k);
        } else {
            out[2 * i] = Blend(left(k), left(next), weight);
            out[2 * i + 1] = Blend(right(k), right(next), weight);
        }
    }
    return true;
}
