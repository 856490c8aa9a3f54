#pragma once
// A person at the keys, as replays see one: a key pressed every 6 to 28
// steps (about three a second), held a few steps (a direction now and then
// for up to 40, letting the cursor run), sometimes a second key pressed
// while the first is held. Deterministic from its seed, for the tests, the
// benchmarks and the fuzz seeds.

#include <cstdint>

#include "match/match_input.h"
#include "replay/replay_record.h"

namespace modelledPlay {

struct Random {
    uint64_t state;
    uint32_t Next() {
        state = state * 6364136223846793005ull + 1442695040888963407ull;
        return static_cast<uint32_t>(state >> 33);
    }
    int Between(int low, int high) { return low + static_cast<int>(Next() % static_cast<uint32_t>(high - low + 1)); }
};

struct Hands {
    Random random;
    uint16_t key[2] = {0, 0};
    int holdLeft[2] = {0, 0};
    int idle = 10;
};

inline Hands HandsOf(uint32_t seed) { return Hands{Random{seed * 2654435761ull + 1}}; }

inline uint16_t PickKey(Random& r) {
    const int roll = r.Between(0, 99);
    if (roll < 55) return static_cast<uint16_t>(inputUp << r.Between(0, 3));  // a direction
    if (roll < 70) return inputSwap;
    if (roll < 85) return inputSelect;
    if (roll < 90) return inputDrop;
    if (roll < 93) return inputExDelete;
    if (roll < 95) return inputExMaxdelete;
    return inputCancel;
}

// The bits held during the next step.
inline uint16_t NextStep(Hands& h) {
    for (int k = 0; k < 2; ++k)
        if (h.key[k] != 0 && --h.holdLeft[k] <= 0) h.key[k] = 0;
    if (--h.idle <= 0) {
        const int slot = h.key[0] == 0 ? 0 : (h.key[1] == 0 ? 1 : -1);
        if (slot >= 0) {
            const uint16_t key = PickKey(h.random);
            const bool direction = key <= inputLeft;
            h.key[slot] = key;
            h.holdLeft[slot] = direction && h.random.Between(0, 3) == 0 ? h.random.Between(10, 40) : h.random.Between(3, 9);
        }
        h.idle = h.random.Between(6, 28);
    }
    return static_cast<uint16_t>(h.key[0] | h.key[1]);
}

// A stand-in for the match's checksum after a step.
inline uint64_t FakeChecksum(uint32_t seed, int32_t step) {
    uint64_t z = (static_cast<uint64_t>(seed) << 32 | static_cast<uint32_t>(step)) + 0x9E3779B97F4A7C15ull;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

// A whole match of that many steps recorded into replay: one player, or two
// in versus, a checkpoint wherever one is due, and a result of the mode.
inline void RecordMatch(Replay& replay, const MatchStart& start, int32_t steps, uint32_t seed) {
    BeginRecording(replay, start);
    Hands hands[2] = {HandsOf(seed), HandsOf(seed + 7777)};
    const bool versus = start.mode == 1;
    for (int32_t s = 0; s < steps; ++s) {
        MatchInput input;
        input.player[0] = NextStep(hands[0]);
        if (versus) input.player[1] = NextStep(hands[1]);
        RecordStep(replay, input);
        if (CheckpointDue(replay)) RecordCheckpoint(replay, FakeChecksum(seed, replay.steps));
    }
    ReplayResult result;
    result.outcome = versus ? outcomeWonByRight : outcomeTopOut;
    result.score[0] = 12345670 + static_cast<int32_t>(seed % 1000);
    result.scoreHigh[0] = 1;
    result.score[1] = versus ? 4560 : 0;
    result.level = 23;
    result.maxChain = 17;
    result.minutes = steps / 3000 % 60;
    result.seconds = steps / 50 % 60;
    EndRecording(replay, result);
}

}  // namespace modelledPlay
