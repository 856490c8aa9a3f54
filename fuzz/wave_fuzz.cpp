// The WAVE reader, then the PCM conversion of what it reads. Whatever the
// bytes, a refused file leaves the reader closed and empty; an opened one
// hands out exactly the bytes of a "data" chunk inside the file, the same in
// any pieces and again after a rewind. A plainly laid out file (chunks that
// tile the RIFF form exactly) is opened, with the format and data a second,
// plain walk of the chunks finds.

#include <string>

#include "fuzz_support.h"
#include "pcm_check.h"
#include "platform/game_files.h"
#include "platform/wave_reader.h"

namespace {

struct PlainWave {
    size_t fmtAt = 0;  // chunk bodies
    uint32_t fmtSize = 0;
    size_t dataAt = 0;
    uint32_t dataSize = 0;
};

bool ReadPlain(const uint8_t* data, size_t size, PlainWave& plain) {
    if (size < 12 || std::memcmp(data, "RIFF", 4) != 0 || std::memcmp(data + 8, "WAVE", 4) != 0) return false;
    if (8 + static_cast<uint64_t>(Le32(data + 4)) != size) return false;
    bool haveFmt = false;
    bool haveData = false;
    size_t pos = 12;
    while (pos < size) {
        if (size - pos < 8) return false;
        const uint64_t declared = Le32(data + pos + 4);
        const size_t body = pos + 8;
        if (declared + (declared & 1) > size - body) return false;
        if (!haveFmt && std::memcmp(data + pos, "fmt ", 4) == 0) {
            plain.fmtAt = body;
            plain.fmtSize = static_cast<uint32_t>(declared);
            haveFmt = true;
        } else if (!haveData && std::memcmp(data + pos, "data", 4) == 0) {
            plain.dataAt = body;
            plain.dataSize = static_cast<uint32_t>(declared);
            haveData = true;
        }
        pos = body + declared + (declared & 1);
    }
    if (!haveFmt || !haveData || plain.fmtSize < 16) return false;
    const uint16_t tag = Le16(data + plain.fmtAt);
    return tag == 1 || plain.fmtSize < 18 || 18u + Le16(data + plain.fmtAt + 16) <= plain.fmtSize;
}

void CheckPlainFormat(const uint8_t* data, const PlainWave& plain, const WaveFormat& format) {
    const uint8_t* f = data + plain.fmtAt;
    FUZZ_CHECK(format.formatTag == Le16(f));
    FUZZ_CHECK(format.channels == Le16(f + 2));
    FUZZ_CHECK(format.samplesPerSec == Le32(f + 4));
    FUZZ_CHECK(format.avgBytesPerSec == Le32(f + 8));
    FUZZ_CHECK(format.blockAlign == Le16(f + 12));
    FUZZ_CHECK(format.bitsPerSample == Le16(f + 14));
    if (format.formatTag == 1 || plain.fmtSize < 18) {
        FUZZ_CHECK(format.extraSize == 0 && format.extra.empty());
    } else {
        FUZZ_CHECK(format.extraSize == Le16(f + 16));
        FUZZ_CHECK(format.extra == std::vector<uint8_t>(f + 18, f + 18 + format.extraSize));
    }
}

std::vector<uint8_t> ReadAll(WaveReader& reader, const uint32_t* pieces, size_t pieceCount) {
    std::vector<uint8_t> all;
    for (size_t i = 0; reader.dataRemaining > 0; ++i) {
        const uint32_t want = pieces[i < pieceCount ? i : pieceCount - 1];
        const uint32_t remaining = reader.dataRemaining;
        std::vector<uint8_t> piece(want);
        uint32_t got = 0;
        FUZZ_CHECK(reader.Read(want, piece.data(), &got) == waveOk);
        FUZZ_CHECK(got == std::min(want, remaining) && reader.dataRemaining == remaining - got);
        all.insert(all.end(), piece.begin(), piece.begin() + got);
    }
    return all;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    EnterFuzzFolder(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    PutFile("Sound/Fuzz.wav", data, size);
    const std::string path = ResolveGamePath("sound\\FUZZ.wav");
    FUZZ_CHECK(path == "Sound/Fuzz.wav");

    PlainWave plain;
    const bool isPlain = ReadPlain(data, size, plain);
    WaveReader reader;
    if (reader.Open(path.c_str()) != waveOk) {
        FUZZ_CHECK(!isPlain);
        FUZZ_CHECK(!reader.hasFormat);
        uint32_t got = 1;
        uint8_t byte;
        FUZZ_CHECK(reader.Read(1, &byte, &got) == waveFail && got == 0);
        return 0;
    }
    FUZZ_CHECK(reader.hasFormat);
    FUZZ_CHECK(reader.format.extra.size() == reader.format.extraSize);
    // The data handed out is the body of a "data" chunk, inside the file.
    const size_t at = static_cast<size_t>(reader.dataOffset);
    FUZZ_CHECK(at >= 20 && at <= size && reader.dataSize <= size - at);
    FUZZ_CHECK(std::memcmp(data + at - 8, "data", 4) == 0 && Le32(data + at - 4) >= reader.dataSize);
    FUZZ_CHECK(reader.dataRemaining == reader.dataSize);
    if (isPlain) {
        FUZZ_CHECK(at == plain.dataAt && reader.dataSize == plain.dataSize);
        CheckPlainFormat(data, plain, reader.format);
    }
    const std::vector<uint8_t> expected(data + at, data + at + reader.dataSize);

    static constexpr uint32_t pieces[] = {1, 3, 64, 4093, 65536};
    FUZZ_CHECK(ReadAll(reader, pieces, std::size(pieces)) == expected);
    uint32_t got = 1;
    uint8_t byte;
    FUZZ_CHECK(reader.Read(1, &byte, &got) == waveOk && got == 0);

    FUZZ_CHECK(reader.Reset() == waveOk);
    FUZZ_CHECK(reader.dataRemaining == reader.dataSize && static_cast<size_t>(reader.dataOffset) == at);
    std::vector<uint8_t> whole(reader.dataSize);
    FUZZ_CHECK(reader.Read(reader.dataSize, whole.data(), &got) == waveOk && got == reader.dataSize);
    FUZZ_CHECK(whole == expected);

    pcm_check::Check(reader.format, whole.data(), whole.size());
    return 0;
}
