#pragma once

// setup: the versus players' profiles (play parameters, points, items) and
// the screens that build them before a match, with their radar chart. It
// stands on the gallery (the unlocked items) and everything below it.

#include <cstdint>

// The five play parameters of each player, levels 0..5.
enum ParamIndex : int8_t { paramEx = 0, paramSpeed = 1, paramLuck = 2, paramChain = 3, paramLock = 4 };
constexpr int paramCount = 5;

// Points a player spreads over the parameters: fewer when items are off.
constexpr int8_t budgetItemsOn = 15;
constexpr int8_t budgetItemsOff = 10;

// Per player: EX, SPEED, LUCK, CHAIN, LOCK. Versus sets both players before a
// match; the one-player modes set player 0 at match set-up.
extern int8_t playerParams[2][5];
// Per player, points not yet spent: the levels and these add up to the budget.
extern int8_t pointsLeft[2];
// Two item slots per player (-1 empty) and whether items are switched off.
extern int8_t itemSlots[2][2];
extern int8_t itemUseOff[2];

// Both profiles and the setup screens back to their start (all levels 0, 15
// points each, items on, slots empty, player 1 first): what choosing versus
// in the main menu begins with.
void ResetSetupRecords();

// One player's levels, points and item switch back to the start; the item
// slots stay.
void ResetPlayerProfile(int p);
