#include "platform/wave_reader.h"

#include <unistd.h>

#include <cstring>

#include "platform/file_read.h"

namespace {

uint16_t U16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }
uint32_t U32(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
           static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24;
}

bool ReadAt(std::FILE* file, long offset, void* buffer, size_t size) {
    return std::fseek(file, offset, SEEK_SET) == 0 && std::fread(buffer, 1, size, file) == size;
}

// Walks the sub-chunks of the RIFF chunk from `from` looking for id. The
// found chunk's size is cut to what the RIFF chunk (and so the file) really
// holds; a chunk to be skipped that claims to run past the end ends the walk.
bool FindChunk(const WaveReader& reader, const char* id, long& chunkData, uint32_t& chunkSize) {
    long pos = reader.riffDataOffset;
    while (pos + 8 <= reader.riffEnd) {
        uint8_t header[8];
        if (!ReadAt(reader.file, pos, header, sizeof header)) return false;
        const long dataStart = pos + 8;
        const long declared = static_cast<long>(U32(header + 4));
        const long available = reader.riffEnd - dataStart;
        if (std::memcmp(header, id, 4) == 0) {
            chunkData = dataStart;
            chunkSize = static_cast<uint32_t>(declared < available ? declared : available);
            return true;
        }
        if (declared > available) return false;
        pos = dataStart + declared + (declared & 1);  // chunks are word aligned
    }
    return false;
}

}  // namespace

WaveReader::~WaveReader() { Close(); }

int32_t WaveReader::Open(const char* diskPath) {
    Close();
    hasFormat = false;
    format = WaveFormat{};
    dataOffset = 0;
    dataRemaining = 0;
    dataSize = 0;
    int64_t size = 0;
    const int fd = OpenFileForReading(diskPath, size, problem);
    if (fd < 0) return waveFail;
    file = fdopen(fd, "rb");
    if (file == nullptr) {
        close(fd);
        problem = ReadProblem::cannotOpen;
        return waveFail;
    }

    // Past the open, whatever goes wrong is in the headers.
    auto fail = [this]() {
        Close();
        hasFormat = false;
        format = WaveFormat{};
        problem = ReadProblem::damagedHeader;
        return waveFail;
    };
    fileSize = static_cast<long>(size);

    uint8_t riff[12];
    if (fileSize < 12 || !ReadAt(file, 0, riff, sizeof riff)) return fail();
    if (std::memcmp(riff, "RIFF", 4) != 0 || std::memcmp(riff + 8, "WAVE", 4) != 0) return fail();
    const long riffSize = static_cast<long>(U32(riff + 4));
    if (riffSize < 4) return fail();
    riffDataOffset = 12;
    riffEnd = 8 + riffSize < fileSize ? 8 + riffSize : fileSize;

    long fmtData = 0;
    uint32_t fmtSize = 0;
    if (!FindChunk(*this, "fmt ", fmtData, fmtSize) || fmtSize < 16) return fail();
    uint8_t pcm[16];
    if (!ReadAt(file, fmtData, pcm, sizeof pcm)) return fail();
    format.formatTag = U16(pcm);
    format.channels = U16(pcm + 2);
    format.samplesPerSec = U32(pcm + 4);
    format.avgBytesPerSec = U32(pcm + 8);
    format.blockAlign = U16(pcm + 12);
    format.bitsPerSample = U16(pcm + 14);
    // A non-PCM format whose chunk stops after 16 bytes simply has no extras.
    if (format.formatTag != 1 && fmtSize >= 18) {
        uint8_t extraSize[2];
        if (!ReadAt(file, fmtData + 16, extraSize, sizeof extraSize)) return fail();
        format.extraSize = U16(extraSize);
        if (18u + format.extraSize > fmtSize) return fail();
        format.extra.resize(format.extraSize);
        if (format.extraSize > 0 && std::fread(format.extra.data(), 1, format.extraSize, file) != format.extraSize) {
            return fail();
        }
    }
    hasFormat = true;
    if (Reset() != waveOk) return fail();
    return waveOk;
}

int32_t WaveReader::Reset() {
    dataRemaining = 0;
    dataSize = 0;
    if (file == nullptr) return waveFail;
    long chunkData = 0;
    uint32_t chunkSize = 0;
    if (!FindChunk(*this, "data", chunkData, chunkSize)) return waveFail;
    if (std::fseek(file, chunkData, SEEK_SET) != 0) return waveFail;
    dataOffset = chunkData;
    dataSize = chunkSize;
    dataRemaining = chunkSize;
    return waveOk;
}

int32_t WaveReader::Read(uint32_t size, uint8_t* buffer, uint32_t* bytesRead) {
    if (bytesRead != nullptr) *bytesRead = 0;
    if (file == nullptr) return waveFail;
    const uint32_t wanted = size < dataRemaining ? size : dataRemaining;
    if (wanted == 0) return waveOk;
    if (buffer == nullptr) return waveFail;
    const size_t got = std::fread(buffer, 1, wanted, file);
    dataRemaining -= static_cast<uint32_t>(got);
    if (bytesRead != nullptr) *bytesRead = static_cast<uint32_t>(got);
    return got == wanted ? waveOk : waveFail;
}

void WaveReader::Close() {
    if (file != nullptr) std::fclose(file);
    file = nullptr;
}
