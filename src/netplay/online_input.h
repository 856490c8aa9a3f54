#pragma once
#include <cstdint>

#include "shell/key_guide.h"

// What this machine's player plays an online match with: player 1's keys,
// the arrows and the first pad, whichever board he has. Pause and leave are
// not among them (one player cannot stop the other's match): Escape leaves
// online play instead, outside the match's inputs.
uint16_t OnlineMatchBits();

// The keys of an online match, for the guide the match scene shows over
// play on F1 without stopping it.
extern const KeyGuidePage onlineMatchGuide;
