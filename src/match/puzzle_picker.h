#pragma once

// The choice of a problem before a puzzle match: a modal loop inside the
// match set-up that presents its own frames and returns when a present
// problem has been chosen (skipPicker then 1) or the player has left (a wipe
// is then running).
void PuzzlePicker();
