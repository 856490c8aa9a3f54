#pragma once

// What takes panels off the board or holds the player to time: the judged
// line and its two animations, the limit, and the EX attacks.

// --- vanish_rule.cpp
// Judges p's selected line: vanish, or turn into zeros and bring panels down.
void ConfirmLine(int p);

// --- clear_animation.cpp
// One step of the clearing line's flip, crediting the points at the end.
void AnimateClear(int p);
// One step of the failing line turning into 0-panels.
void AnimateFail(int p);

// --- limit.cpp
// Counts the pending swap or line against the limit; drops it when over.
void TickLimit(int p);

// --- ex_attack.cpp
// The EX attack keys (Delete, Maxdelete) of p, endless mode.
void ExAttackKeys(int p);
// One step of p's running EX attack.
void RunExAttack(int p, int kind);
