#pragma once
#include <cstdint>

// Draws the boards, finds the highest panels, times the top-out, notices an
// emptied board and completes rises. Once per step.
void BoardPass();
// The opening rows rise into the empty board while the wipe opens (modal).
void OpeningRise(int8_t rows);
// Countdown, start logo and the cursors' zoom (modal).
void StartSequence();
// x of countdown digit i (0 = "3", 1 = "2", 2 = "1") on frame t of the start
// sequence, after that frame's move.
int CountdownDigitX(int i, int t);
