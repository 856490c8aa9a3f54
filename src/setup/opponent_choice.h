#pragma once
#include <cstdint>

// Who plays on the right in versus: 0 a second person at the keyboard, 1..5
// the computer at that strength. Chosen by the question before the set-up;
// a rematch keeps it, the way back to the main menu forgets it.
extern int8_t computerOpponent;

constexpr int8_t twoPeople = 0;
constexpr int8_t computerStrengths = 5;

// The short name of strength 1..5 in the language the game speaks; empty
// outside them.
const char* StrengthName(int strength);

// The levels EX, SPEED, LUCK, CHAIN, LOCK the computer buys at each strength
// (strength - 1), fifteen points each.
extern const int8_t computerLevels[computerStrengths][5];

// The computer's own profile as player 2, spent by the set-up's rules: its
// points over the parameters (the stronger, the more on SPEED and CHAIN),
// items on and two different items of all fifty, picked by dice.
void ChooseComputerProfile(int strength, uint32_t dice);
