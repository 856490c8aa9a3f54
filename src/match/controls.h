#pragma once
#include "platform/keys.h"

// The match keys of each player (player 1 plays only in versus). Player 0
// also steers with the arrows when the match is not versus.
struct PlayerKeys {
    int up, right, down, left;
    int swap, select, drop, exDelete, exMaxdelete, cancel, pause;
};

inline constexpr PlayerKeys playerKeys[2] = {
    {'Y', 'H', 'B', 'G', 'X', 'S', 'A', 'Q', 'W', 'Z', 'C'},
    {vkUp, vkRight, vkDown, vkLeft, 'L', 'O', 'I', vkDigit8, vkDigit9, 'K', vkReturn},
};

// --- direction_keys.cpp
// Directions as the board counts them: 1 up, 2 right, 3 down, 4 left. The
// first held one of p in that order, or 0 when none is held.
int HeldBoardDirection(int p);
