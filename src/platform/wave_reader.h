#pragma once
#include <cstdint>
#include <cstdio>
#include <vector>

#include "platform/file_read.h"

// The wave format record: the 16 bytes every "fmt " chunk starts with, the
// extra-size field, and the extra bytes a non-PCM format carries.
struct WaveFormat {
    uint16_t formatTag = 0;
    uint16_t channels = 0;
    uint32_t samplesPerSec = 0;
    uint32_t avgBytesPerSec = 0;
    uint16_t blockAlign = 0;
    uint16_t bitsPerSample = 0;
    uint16_t extraSize = 0;
    std::vector<uint8_t> extra;
};

constexpr int32_t waveOk = 0;
constexpr int32_t waveFail = static_cast<int32_t>(0x80004005u);

// Reader of one RIFF/WAVE file: Open finds "fmt " and then "data";
// Read hands out the data chunk's bytes. Nothing in the file is trusted:
// every chunk size is checked against the file, and only a regular file is
// opened (never waiting on a pipe).
struct WaveReader {
    bool hasFormat = false;
    ReadProblem problem = ReadProblem::none;  // why the last Open failed
    WaveFormat format;
    std::FILE* file = nullptr;
    long fileSize = 0;
    long riffDataOffset = 0;  // just after the form type
    long riffEnd = 0;
    long dataOffset = 0;
    uint32_t dataRemaining = 0;
    uint32_t dataSize = 0;

    ~WaveReader();
    int32_t Open(const char* diskPath);
    int32_t Reset();
    int32_t Read(uint32_t size, uint8_t* buffer, uint32_t* bytesRead);
    void Close();
};
