#pragma once
#include <string>
#include <vector>

#include "platform/temp_work_dir.h"

// Pieces of RIFF/WAVE files for the reader and sound tests.
inline std::vector<uint8_t> Chunk(const char* id, const std::vector<uint8_t>& body, bool pad = true) {
    std::vector<uint8_t> out(id, id + 4);
    PutLe32(out, static_cast<uint32_t>(body.size()));
    out.insert(out.end(), body.begin(), body.end());
    if (pad && (body.size() & 1)) out.push_back(0);
    return out;
}

inline std::vector<uint8_t> FmtBody(uint16_t tag, uint16_t channels, uint32_t rate, uint16_t bits) {
    std::vector<uint8_t> out;
    const uint16_t block = static_cast<uint16_t>(channels * bits / 8);
    PutLe16(out, tag);
    PutLe16(out, channels);
    PutLe32(out, rate);
    PutLe32(out, rate * block);
    PutLe16(out, block);
    PutLe16(out, bits);
    return out;
}

inline std::vector<uint8_t> RiffWave(const std::vector<std::vector<uint8_t>>& chunks) {
    std::vector<uint8_t> body = {'W', 'A', 'V', 'E'};
    for (const std::vector<uint8_t>& chunk : chunks) body.insert(body.end(), chunk.begin(), chunk.end());
    return Chunk("RIFF", body);
}

inline std::vector<uint8_t> PcmWave(uint16_t channels, uint32_t rate, uint16_t bits,
                                    const std::vector<uint8_t>& data) {
    return RiffWave({Chunk("fmt ", FmtBody(1, channels, rate, bits)), Chunk("data", data)});
}
