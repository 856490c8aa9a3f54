#pragma once
#include <cstdint>

// The two answers to 「もう一度しますか？」 of an online match, each given on
// its own machine: a rematch when both say yes, the end of the series for
// both as soon as either says no.
struct RematchVote {
    int8_t own = -1;   // -1 not yet, 0 again, 1 end
    int8_t peer = -1;
};

// -1 while it is open, 0 a rematch, 1 the end of the series.
int8_t VoteOutcome(const RematchVote& vote);
