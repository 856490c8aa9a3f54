#pragma once

// The choice of a problem before a puzzle match: a modal loop inside the
// match set-up that presents its own frames. True when a present problem has
// been chosen (skipPicker then 1); false when the player has left (a wipe is
// then running) or closed the window (the farewell is then the scene).
bool PuzzlePicker();

// Player 1's swap key and pause key both start the problem shown.
