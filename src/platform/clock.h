#pragma once
#include <cstdint>

// The millisecond clock; wraps at 2^32 and every user compares differences.
uint32_t TimeGetTime();

// The shared pair of stamps scenes time themselves with.
struct SceneClock {
    uint32_t now = 0;
    uint32_t mark = 0;
};
extern SceneClock sceneClock;
