#pragma once

// What a match mode does as the main menu hands over to it: the menu music
// and sheets go (the match loads its own at set-up) and a puzzle series
// starts from its first problem.
void PrepareMatchEntry();

// The backdrop the options choose ("Back\screen1.bmp" .. "Back\screen4.bmp") in a
// new 640x480 backdropSurface; the match and the puzzle editor stand on it.
void LoadChosenBackdrop();

// Loads the match's pictures and sounds, resets every value, raises the
// opening rows, counts down and hands over to MatchScene.
void MatchSetupScene();
