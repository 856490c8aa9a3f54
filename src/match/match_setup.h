#pragma once

// What a match mode does as the main menu hands over to it: the menu music
// and sheets go (the match loads its own at set-up) and a puzzle series
// starts from its first problem.
void PrepareMatchEntry();

// The backdrop the options choose ("Back\screen1.bmp" .. "Back\screen4.bmp") in a
// new 640x480 backdropSurface; the match and the puzzle editor stand on it.
void LoadChosenBackdrop();

// The match's pictures and sounds as the records ask for them (the mode,
// the options, the players' parameters and items): the sheets, the backdrop,
// the background with its frames and icons, the sound slots, the music when
// none plays. No match value is touched. A replay calls it after
// ApplyMatchStart to show the match as it was played.
void PrepareMatchScreen();

// Reads the options and the mode's files, prepares the screen, lets the
// puzzle picker choose, takes the match's start record (seeded with the
// calendar time) and applies it, raises the opening rows, counts down and
// hands over to MatchScene.
void MatchSetupScene();
