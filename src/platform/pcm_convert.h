#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/wave_reader.h"

// The largest decoded sound we keep: about six minutes of output.
constexpr uint64_t maxSoundOutputBytes = 64ull << 20;

// Output frames for inFrames at the given rate once resampled to 44100 Hz.
uint64_t OutputFrameCount(uint64_t inFrames, uint32_t rate);

// Bytes ConvertToOutputPcm would make of dataBytes of this format, from the
// headers alone, so an oversized sound is refused before its data is read.
// False for a format it does not understand.
bool ConvertedPcmBytes(const WaveFormat& format, uint64_t dataBytes, uint64_t& outputBytes);

// Turns the data chunk of a WAV file into 44100 Hz 16-bit stereo interleaved.
// Understands PCM of 8 (unsigned), 16, 24 and 32 bits, 32-bit float, and the
// extensible format carrying either; mono is duplicated, channels past the
// second are dropped, other rates are resampled linearly. False (out empty)
// for anything else, for data without one whole frame, or for output larger
// than maxSoundOutputBytes.
bool ConvertToOutputPcm(const WaveFormat& format, const uint8_t* data, size_t bytes,
                        std::vector<int16_t>& out);
