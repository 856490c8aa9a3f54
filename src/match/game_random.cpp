#include "match/game_random.h"

namespace {

constexpr int degree = 31;
constexpr int separation = 3;
// The first 310 values only stir the table.
constexpr int warmUp = 10 * degree;

}  // namespace

GameRandom gameRandom{};

void SeedGameRandom(uint32_t seed) {
    if (seed == 0) seed = 1;
    gameRandom.words[0] = static_cast<int32_t>(seed);
    // word = 16807 x word mod (2^31 - 1), split so that nothing overflows
    // (Schrage). The library holds the seed as a signed word, so a seed from
    // 2^31 on starts negative, and so must ours.
    int32_t word = static_cast<int32_t>(seed);
    for (int i = 1; i < degree; ++i) {
        const int32_t hi = word / 127773;
        const int32_t lo = word % 127773;
        word = 16807 * lo - 2836 * hi;
        if (word < 0) word += 2147483647;
        gameRandom.words[i] = word;
    }
    gameRandom.front = separation;
    gameRandom.rear = 0;
    for (int i = 0; i < warmUp; ++i) GameRand();
}

int GameRand() {
    GameRandom& g = gameRandom;
    const uint32_t sum = static_cast<uint32_t>(g.words[g.front]) + static_cast<uint32_t>(g.words[g.rear]);
    g.words[g.front] = static_cast<int32_t>(sum);
    g.front = g.front + 1 < degree ? g.front + 1 : 0;
    g.rear = g.rear + 1 < degree ? g.rear + 1 : 0;
    // The lowest bit is the least random: it is dropped.
    return static_cast<int>(sum >> 1);
}
