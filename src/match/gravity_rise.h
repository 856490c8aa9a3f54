#pragma once

// One step of falling panels of p.
void ApplyGravity(int p);
// The rise start and timer of every player for this step (MatchScene).
void StartRises();
// riseOffset += 3 for each rising player whose EX attack is not running.
void AdvanceRises();
// Rows up by one once riseOffset passed 23 (BoardPass).
void CompleteRise(int p);
// Seven random panels into row 0 of p's board, no equal neighbours.
void NewBottomRow(int p);
// Every stored row coordinate of p one row up after a rise.
void ShiftRowsAfterRise(int p);
// Clears marked cells no action owns any more (from BoardPass's visit).
void IdleCleanUp(int p);
