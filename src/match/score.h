#pragma once
#include <cstdint>

// Adds points to p's score with the carry into scoreHigh, saturating at
// 9999 / 99999999. Every whole hundred million is carried.
void AddScore(int p, int64_t points);
