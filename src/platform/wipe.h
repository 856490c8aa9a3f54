#pragma once
#include <cstdint>

// 0 no wipe, 1 closing, 2 closed and waiting for the next scene to open it.
extern int8_t wipeState;
// Covered width of each 40-pixel strip, 0..82.
extern int8_t wipeWidth;

// mode 0 closes, 1 opens; true on the call that completes either.
bool StripeWipe(int mode);
