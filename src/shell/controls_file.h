#pragma once

// The players' keys and pad buttons are kept in a small text file of their
// own in the player's folder, beside the game's data files (OD.dat stays its
// five bytes), in the form of shell/controls_text.h. The file is written
// whole, through a temporary file.

inline constexpr const char* controlsFile = "Data\\Controls.txt";

// Start-up: the bindings from the file (a cut-short write's leftover removed
// first). A missing file means the game's own keys; anything put back is
// said in one line on standard error. The menu keys follow.
void ReadControlsFile();

// Saves the bindings in force; false (and one line on standard error) when
// the file cannot be written.
bool WriteControlsFile();
