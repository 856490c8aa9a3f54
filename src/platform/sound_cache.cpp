#include "platform/sound_cache.h"

#include <cstring>
#include <string>
#include <vector>

#include "platform/backend.h"
#include "platform/game_files.h"
#include "platform/load_report.h"
#include "platform/pcm_convert.h"
#include "platform/wave_reader.h"

namespace {

constexpr int cacheCapacity = 64;
constexpr int aliasCapacity = 4;
// All kept sounds together; older ones not in a slot make room past this.
constexpr uint64_t cacheByteBudget = 256ull << 20;
// Raw data chunk read at most: room for the longest kept sound in a richer
// format than the output's (48 kHz, 24-bit stereo).
constexpr uint64_t maxWaveDataBytes = 2 * maxSoundOutputBytes;

struct CachedSound {
    bool used = false;
    bool failed = false;
    std::string path;
    std::string aliases[aliasCapacity];
    int aliasCount = 0;
    std::vector<int16_t> samples;
    SoundPcm pcm;
    uint64_t lastUse = 0;
};

CachedSound cache[cacheCapacity];
uint64_t useCounter = 0;

SoundSlot* const slots[soundSlotCount] = {&bgmBuffer, &seBuffer1, &seBuffer2, &levelUpSound,
                                          &effectSound};

uint64_t CachedBytes() {
    uint64_t total = 0;
    for (const CachedSound& entry : cache) total += entry.samples.size() * sizeof(int16_t);
    return total;
}

bool InSomeSlot(const CachedSound& entry) {
    for (const SoundSlot* slot : slots) {
        if (slot->sound == &entry.pcm) return true;
    }
    return false;
}

void Forget(CachedSound& entry) {
    if (!entry.failed) backend::ForgetSound(entry.pcm);
    entry = CachedSound{};
}

SoundPcm* Answer(CachedSound& entry) {
    entry.lastUse = ++useCounter;
    return entry.failed ? nullptr : &entry.pcm;
}

void AddAlias(CachedSound& entry, const char* gamePath) {
    if (entry.aliasCount < aliasCapacity) entry.aliases[entry.aliasCount++] = gamePath;
}

// Frees the least recently used sound that no slot holds; false when none.
bool EvictOne() {
    CachedSound* oldest = nullptr;
    for (CachedSound& entry : cache) {
        if (!entry.used || InSomeSlot(entry)) continue;
        if (oldest == nullptr || entry.lastUse < oldest->lastUse) oldest = &entry;
    }
    if (oldest == nullptr) return false;
    Forget(*oldest);
    return true;
}

ReadProblem Decode(const std::string& path, std::vector<int16_t>& samples) {
    WaveReader reader;
    if (reader.Open(path.c_str()) != waveOk) return reader.problem;
    // Sizes from the headers first: a sound too large to keep is never read.
    uint64_t outputBytes = 0;
    if (!ConvertedPcmBytes(reader.format, reader.dataSize, outputBytes)) return ReadProblem::unsupported;
    if (reader.dataSize > maxWaveDataBytes || outputBytes > maxSoundOutputBytes) return ReadProblem::tooLarge;
    std::vector<uint8_t> raw(reader.dataSize);
    uint32_t got = 0;
    if (reader.Read(reader.dataSize, raw.data(), &got) != waveOk) return ReadProblem::readError;
    if (!ConvertToOutputPcm(reader.format, raw.data(), got, samples)) return ReadProblem::damagedData;
    return ReadProblem::none;
}

CachedSound* FreeEntry(uint64_t bytesNeeded) {
    while (CachedBytes() + bytesNeeded > cacheByteBudget) {
        if (!EvictOne()) return nullptr;
    }
    for (;;) {
        for (CachedSound& entry : cache) {
            if (!entry.used) return &entry;
        }
        if (!EvictOne()) return nullptr;
    }
}

}  // namespace

SoundPcm* FindOrLoadSound(const char* gamePath) {
    if (gamePath == nullptr) return nullptr;
    // Spellings already seen: no disk access, as matches load mid-play.
    for (CachedSound& entry : cache) {
        if (!entry.used) continue;
        for (int i = 0; i < entry.aliasCount; ++i) {
            if (entry.aliases[i] == gamePath) return Answer(entry);
        }
    }
    const std::string path = ResolveGamePath(gamePath);
    for (CachedSound& entry : cache) {
        if (entry.used && entry.path == path) {
            AddAlias(entry, gamePath);
            return Answer(entry);
        }
    }

    std::vector<int16_t> samples;
    const ReadProblem problem = path.empty() ? ReadProblem::badPath : Decode(path, samples);
    // Named once; the cache remembers the failure, so it is not read again either.
    ReportUnreadableFile(gamePath, problem);
    const bool decoded = problem == ReadProblem::none;
    CachedSound* entry = FreeEntry(samples.size() * sizeof(int16_t));
    if (entry == nullptr) return nullptr;
    entry->used = true;
    entry->failed = !decoded;
    entry->path = path;
    AddAlias(*entry, gamePath);
    entry->samples = std::move(samples);
    entry->pcm = SoundPcm{};
    entry->pcm.name = entry->path.c_str();
    entry->pcm.samples = entry->samples.data();
    entry->pcm.frames = static_cast<uint32_t>(entry->samples.size() / 2);
    // The playing handle is made now, with the decoding, not on a first play
    // in the middle of a match.
    if (decoded) backend::PrepareVoice(entry->pcm);
    return Answer(*entry);
}

// For the tests (their probes header declares it).
int CachedSoundCount() {
    int count = 0;
    for (const CachedSound& entry : cache) count += entry.used ? 1 : 0;
    return count;
}

void ClearSoundCache() {
    // No slot may keep pointing at a freed sound.
    for (SoundSlot* slot : slots) {
        if (slot->sound != nullptr) EmptySoundSlot(*slot);
    }
    for (CachedSound& entry : cache) {
        if (entry.used) Forget(entry);
    }
    useCounter = 0;
}
