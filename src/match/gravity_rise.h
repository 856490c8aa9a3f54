#pragma once
#include <cstdint>

// Gravity, the stack's rise and the new bottom rows.

// --- gravity.cpp
// One step of falling panels of p.
void ApplyGravity(int p);

// --- rise.cpp
// The rise start and timer of every player for this step (MatchScene).
void StartRises();
// riseOffset += 3 for each rising player whose EX attack is not running.
void AdvanceRises();
// Rows up by one once riseOffset passed 23 (BoardPass).
void CompleteRise(int p);
// Every stored row coordinate of p one row up after a rise.
void ShiftRowsAfterRise(int p);

// --- new_rows.cpp
// Seven random panels into row 0 of p's board, no equal neighbours.
void NewBottomRow(int p);
// The panel of a roll r in 1..35 + LUCK: 1..31 give 1..4 in turn, 32 and 33
// give 5, 34 gives 6, and 35 on (one more outcome per point of LUCK) give 7.
// The batches from above draw from it at LUCK 0.
int8_t PanelFromRoll(int r);
// How many rolls p's new rows draw from: 35 + LUCK (LUCK 0..15).
int RollOutcomes(int p);

// --- idle_clean_up.cpp
// Clears marked cells no action owns any more (from BoardPass's visit).
void IdleCleanUp(int p);
