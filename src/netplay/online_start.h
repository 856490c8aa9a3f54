#pragma once
#include <cstdint>

#include "match/match_start.h"

// The start record of an online match. The host makes it from the records
// both set-ups filled in (both profiles, his own target total and
// difficulty, the series so far) and sends it; each side then plays it with
// its own sound, backdrop and panel shape (the rollback session puts them
// in), which stay each player's own and decide nothing.

// The host's record of the next match of the series, on seed.
MatchStart HostMatchStart(uint32_t seed);

// A fresh seed for the host's record: the calendar and the running clock,
// so that two matches of one series started in the same second differ.
uint32_t FreshMatchSeed();
