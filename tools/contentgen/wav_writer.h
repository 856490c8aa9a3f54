#pragma once
#include <cstdint>
#include <vector>

// A RIFF/WAVE file of 16-bit PCM: "fmt " chunk of 16 bytes, then "data".
// samples are interleaved by channel.
std::vector<uint8_t> EncodeWav16(const std::vector<int16_t>& samples, int channels, int sampleRate);
