#pragma once

// Escape leaves any match. Returns true when it fired (rest of step skipped).
bool LeaveKey(int p);
// The pause key of p. Returns true when the rest of p's step is skipped.
bool PauseKey(int p);
// The pause menus' keys while a pause is on.
void PauseMenuKeys(int p);
// Keeps the clock and the attack meter still while paused.
void HoldPausedClocks();
// PAUSE picture or the pause menus (end of DrawHud).
void DrawPause();
// Closing the wipe after a leave; returns to the menu or the result screen.
void LeaveMatchWipe();
