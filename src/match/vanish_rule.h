#pragma once
#include <cstdint>

// Judges p's selected line: vanish, or turn into zeros and bring panels down.
void ConfirmLine(int p);
// One step of the clearing line's flip, crediting the points at the end.
void AnimateClear(int p);
// One step of the failing line turning into 0-panels.
void AnimateFail(int p);
// Counts the pending swap or line against the limit; drops it when over.
void TickLimit(int p);
// The EX attack keys (Delete, Maxdelete) of p, endless mode.
void ExAttackKeys(int p);
// One step of p's running EX attack.
void RunExAttack(int p, int kind);

// Adds points to p's score with the carry into scoreHigh, saturating at
// 9999 / 99999999. Every whole hundred million is carried.
void AddScore(int p, int64_t points);
