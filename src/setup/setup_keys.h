#pragma once
#include "platform/keys.h"

// The keys of the setup screens. The player being set up steers with his own
// match keys (player 1 also with the arrows); on the confirmation screen both
// players answer at once.

struct SetupKeys {
    int decide;
    int back;
    int toggleLeft, toggleRight;  // the confirmation screen's answer
    int unlock;                   // hidden: lifts the level cap
};

inline constexpr SetupKeys setupKeys[2] = {
    {'X', 'Z', 'G', 'H', 'V'},
    {'L', 'K', vkLeft, vkRight, 'P'},
};

// Directions of player p: player 1 has Y B G H and the arrows, player 2 the
// arrows.
bool SetupUpHeld(int p);
bool SetupDownHeld(int p);
bool SetupLeftHeld(int p);
bool SetupRightHeld(int p);

// Either player's decide key, either player's back key.
bool AnyDecideHeld();
bool AnyBackHeld();
