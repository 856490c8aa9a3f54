#pragma once
// The PCM conversion checked against a plain reading of the samples: it takes
// exactly the encodings it names (PCM 8/16/24/32, float 32, the extensible
// format carrying either) with a whole frame and a bounded output, gives
// 44100 Hz stereo of the length OutputFrameCount says, passes the samples
// through unchanged at 44100 Hz and, at other rates, never leaves the span of
// the two input samples it blends. The output size it foretells from the
// headers is the size it makes.

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

#include "fuzz_support.h"
#include "platform/pcm_convert.h"

namespace pcm_check {

// A whole conversion of a tiny rate makes up to 64 MB and takes seconds under
// the sanitizers; past this much output only a prefix of the data is
// converted, which runs the same code per frame. Refusals stay whole: they
// cost nothing.
constexpr uint64_t checkedOutputBytes = 1 << 20;

struct Plain {
    bool isFloat = false;
    int bytes = 0;  // per sample
};

inline bool PlainEncoding(const WaveFormat& format, Plain& plain) {
    uint16_t tag = format.formatTag;
    if (tag == 0xFFFE) {
        static constexpr uint8_t guidTail[14] = {0x00, 0x00, 0x00, 0x00, 0x10, 0x00, 0x80,
                                                 0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71};
        if (format.extra.size() < 22 || std::memcmp(format.extra.data() + 8, guidTail, 14) != 0) return false;
        tag = Le16(format.extra.data() + 6);
    }
    const int bits = format.bitsPerSample;
    if (tag == 1 && (bits == 8 || bits == 16 || bits == 24 || bits == 32)) plain = Plain{false, bits / 8};
    else if (tag == 3 && bits == 32) plain = Plain{true, 4};
    else return false;
    return true;
}

// The top 16 bits of a signed sample, or a float scaled to 16 bits.
inline int Sample(const uint8_t* p, const Plain& plain) {
    switch (plain.isFloat ? 0 : plain.bytes) {
        case 0: {
            float v;
            std::memcpy(&v, p, 4);
            if (std::isnan(v)) return 0;
            return static_cast<int>(std::lround(std::clamp(static_cast<double>(v), -1.0, 1.0) * 32767.0));
        }
        case 1: return (p[0] - 128) * 256;
        case 2: return static_cast<int16_t>(Le16(p));
        case 3: {
            const int32_t v = p[0] | p[1] << 8 | p[2] << 16;
            return ((v & 0x800000) != 0 ? v - 0x1000000 : v) >> 8;
        }
        default: return static_cast<int32_t>(Le32(p)) >> 16;
    }
}

// Every output frame against the input frames it comes from. Left out of the
// coverage the fuzzer steers by: that is the conversion's.
__attribute__((no_sanitize("coverage"))) inline void CheckSamples(const WaveFormat& format, const Plain& plain,
                                                                  const uint8_t* data, uint64_t inFrames,
                                                                  const std::vector<int16_t>& out) {
    const size_t frameBytes = static_cast<size_t>(format.channels) * plain.bytes;
    const size_t second = format.channels > 1 ? static_cast<size_t>(plain.bytes) : 0;
    const int slack = plain.isFloat ? 1 : 0;  // float rounding may differ by one step
    const uint64_t outFrames = out.size() / 2;
    for (uint64_t i = 0; i < outFrames; ++i) {
        const uint64_t position = i * format.samplesPerSec;
        const uint64_t k = position / 44100;
        const uint64_t next = std::min(k + 1, inFrames - 1);
        for (size_t channel = 0; channel < 2; ++channel) {
            const int got = out[2 * i + channel];
            const size_t offset = channel == 0 ? 0 : second;
            const int a = Sample(data + k * frameBytes + offset, plain);
            const int b = Sample(data + next * frameBytes + offset, plain);
            if (position % 44100 == 0) {
                FUZZ_CHECK(std::abs(got - a) <= slack);
            } else {
                FUZZ_CHECK(got >= std::min(a, b) - slack && got <= std::max(a, b) + slack);
            }
        }
    }
}

inline void Check(const WaveFormat& format, const uint8_t* data, size_t bytes) {
    Plain plain;
    const bool understood = format.channels > 0 && format.samplesPerSec > 0 && PlainEncoding(format, plain);
    uint64_t foretold = 0;
    FUZZ_CHECK(ConvertedPcmBytes(format, bytes, foretold) == understood);
    if (understood && foretold > checkedOutputBytes && foretold <= maxSoundOutputBytes) {
        const uint64_t frames = std::max<uint64_t>(1, checkedOutputBytes / 4 * format.samplesPerSec / 44100);
        bytes = static_cast<size_t>(std::min<uint64_t>(bytes, frames * format.channels * plain.bytes));
        FUZZ_CHECK(ConvertedPcmBytes(format, bytes, foretold));
    }

    std::vector<int16_t> out(3, 7);  // anything earlier must go
    const bool ok = ConvertToOutputPcm(format, data, bytes, out);
    bool expected = understood && data != nullptr;
    uint64_t inFrames = 0;
    uint64_t outFrames = 0;
    if (expected) {
        inFrames = bytes / (static_cast<uint64_t>(format.channels) * plain.bytes);
        outFrames = (inFrames * 44100 + format.samplesPerSec - 1) / format.samplesPerSec;
        expected = inFrames > 0 && outFrames * 4 <= maxSoundOutputBytes;
        FUZZ_CHECK(OutputFrameCount(inFrames, format.samplesPerSec) == outFrames);
        if (inFrames > 0) FUZZ_CHECK(foretold == outFrames * 4);
    }
    FUZZ_CHECK(ok == expected);
    if (!ok) {
        FUZZ_CHECK(out.empty());
        return;
    }
    FUZZ_CHECK(out.size() == 2 * outFrames);
    CheckSamples(format, plain, data, inFrames, out);
}

}  // namespace pcm_check
