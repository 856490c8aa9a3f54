// The PCM conversion on its own, every format field free: the input is the
// 16 bytes a "fmt " chunk starts with, a 2-byte extra size, the extra bytes
// (as many as there are) and then the sample data.

#include "fuzz_support.h"
#include "pcm_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 18) return 0;
    WaveFormat format;
    format.formatTag = Le16(data);
    format.channels = Le16(data + 2);
    format.samplesPerSec = Le32(data + 4);
    format.avgBytesPerSec = Le32(data + 8);
    format.blockAlign = Le16(data + 12);
    format.bitsPerSample = Le16(data + 14);
    const size_t extra = std::min<size_t>(Le16(data + 16), size - 18);
    format.extraSize = static_cast<uint16_t>(extra);
    format.extra.assign(data + 18, data + 18 + extra);
    // The samples in a buffer of their own, so reading past them is caught.
    const std::vector<uint8_t> samples(data + 18 + extra, data + size);
    pcm_check::Check(format, samples.data(), samples.size());
    return 0;
}
