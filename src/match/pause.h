#pragma once

// Escape leaves any match. Returns true when it fired (rest of step skipped).
bool LeaveKey(int p);
// The pause key of p. Returns true when the rest of p's step is skipped.
bool PauseKey(int p);
// The pause menus' keys while a pause is on, in place of the direction keys:
// p's directions move the menu marker, and in the puzzle menu the swap key
// chooses and the cancel key resumes. Keeps repeatCount like the direction
// keys do (0 when none is held, +1 when one is); the caller clamps it.
void PauseMenuKeys(int p);
// Keeps the clock and the attack meter still while paused.
void HoldPausedClocks();
// PAUSE picture or the pause menus (end of DrawHud).
void DrawPause();
// The yes/no question of the practice pause (also the editor's questions):
// the blue box grows one step per call (boxGrowth); once whole, the question
// and "yes / no" are written and, when markerShown, the marker points at
// answer (0 yes, 1 no).
void DrawQuestionBox(const char* question, int answer, bool markerShown);
// Closes the screen after a leave, one wipe step per match step; once it is
// closed the match is over (matchLeft), or a puzzle retry goes to the result
// screen.
void LeaveMatchWipe();
