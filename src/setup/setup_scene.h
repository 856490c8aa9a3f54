#pragma once

// The versus setup: each player in turn, player 1 first, spreads his points
// over the five parameters, switches items on or off and picks up to two of
// the unlocked items; then the confirmation screen.

// Once per visit: the item sheet and the item flags, the radar canvas with
// the left chart's grid; then the setup screen for the player in setupPlayer.
void SetupEnterScene();
// The parameter page and the item page, one frame per call.
void SetupScene();
