#include <gtest/gtest.h>

#include <cstdlib>

#include "match/game_random.h"

namespace {

// The match's generator deals exactly what the C library's rand() deals, so
// that every pinned game and puzzle proof keeps its boards.
TEST(GameRandom, EqualsTheLibraryGeneratorValueForValue) {
    constexpr uint32_t seeds[] = {0, 1, 2, 7, 12345, 1'700'000'000, 1'900'000'000, 2'147'483'647, 2'147'483'648u,
                                  4'294'967'295u};
    for (const uint32_t seed : seeds) {
        std::srand(seed);
        SeedGameRandom(seed);
        const int count = seed == 1'900'000'000 ? 3'000'000 : 300'000;
        for (int i = 0; i < count; ++i) {
            const int expected = std::rand();
            ASSERT_EQ(GameRand(), expected) << "seed " << seed << " value " << i;
        }
    }
}

TEST(GameRandom, StateIsTheWholeSequence) {
    SeedGameRandom(99);
    for (int i = 0; i < 1000; ++i) GameRand();
    const GameRandom saved = gameRandom;
    int ahead[64];
    for (int& v : ahead) v = GameRand();
    gameRandom = saved;
    for (const int v : ahead) ASSERT_EQ(GameRand(), v);
}

}  // namespace
