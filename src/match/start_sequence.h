#pragma once
#include <cstdint>

// The opening rows rise into the empty board while the wipe opens (modal).
void OpeningRise(int8_t rows);
// Countdown, start logo and the cursors' zoom (modal). Its frames take in
// the keys, so what was tapped during it is over when play starts. False
// when the window was closed meanwhile (the farewell is the scene then).
bool StartSequence();
// x of countdown digit i (0 = "3", 1 = "2", 2 = "1") on frame t of the start
// sequence, after that frame's move.
int CountdownDigitX(int i, int t);
