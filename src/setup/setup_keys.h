#pragma once
#include "platform/key_bindings.h"
#include "platform/keys.h"

// The keys of the setup screens. The player being set up steers with his own
// match keys (player 1 also with the arrows): his swap key decides, his
// cancel key goes back, and on the confirmation screen, where both players
// answer at once, his left and right keys choose the answer.

// Hidden: lifts the level cap.
inline constexpr int setupUnlockKeys[2] = {'V', 'P'};

// Directions of player p: player 1 has his move keys and the arrows, player
// 2 his move keys.
bool SetupUpHeld(int p);
bool SetupDownHeld(int p);
bool SetupLeftHeld(int p);
bool SetupRightHeld(int p);

// Either player's decide key, either player's back key.
bool AnyDecideHeld();
bool AnyBackHeld();
