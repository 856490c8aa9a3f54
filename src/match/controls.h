#pragma once
#include "platform/key_bindings.h"
#include "platform/keys.h"

// The match keys of each player (player 1 plays only in versus) are the
// bindings in force (platform/key_bindings.h: playerKeys). Player 0 also
// steers with the arrows when the match is not versus, each arrow that none
// of his actions is bound to.

// --- direction_keys.cpp
// Directions as the board counts them: 1 up, 2 right, 3 down, 4 left. The
// first held one of p in that order, or 0 when none is held.
int HeldBoardDirection(int p);
