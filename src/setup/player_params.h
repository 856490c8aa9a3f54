#pragma once

// setup: each player's play parameters and item slots, set before a match.
// It stands on shell, content and platform.

#include <cstdint>

// The five play parameters of each player, levels 0..5.
enum ParamIndex : int8_t { paramEx = 0, paramSpeed = 1, paramLuck = 2, paramChain = 3, paramLock = 4 };

// Per player: EX, SPEED, LUCK, CHAIN, LOCK. Versus sets both players before a
// match; the one-player modes set player 0 at match set-up.
extern int8_t playerParams[2][5];
// Two item slots per player (-1 empty) and whether items are switched off.
extern int8_t itemSlots[2][2];
extern int8_t itemUseOff[2];

// The parameters and items back to their start (all 0, slots empty).
void ResetSetupRecords();
