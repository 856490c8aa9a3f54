#pragma once
#include <cstdint>

// The bouncing logo's state.
struct LogoState {
    int32_t logoY = -100;       // top edge of the logo
    int32_t logoVelocity = 0;   // pixels per frame, down is positive
    int32_t bounceCount = 0;    // 0..5 bounces, 6 spinning, 7 hold over
    int32_t spinCount = 0;      // 0..6 spins, 7 hold over
};
extern LogoState logoState;

constexpr int logoFloor = 190;
constexpr int8_t bounceTable[5] = {16, 8, 4, 2, 1};

// Logo falls and bounces, the jingle plays, the emblem spins, then the wipe
// closes into the title screen.
void LogoScene();
