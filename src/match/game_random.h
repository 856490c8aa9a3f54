#pragma once
#include <cstdint>

// The match's own random generator: the additive feedback generator of the C
// library this game was tuned on, value for value, so that a seed deals the
// same boards it always has. Its state is a plain record, kept with the rest
// of the match so that a snapshot carries it and no hidden state survives a
// restore.
struct GameRandom {
    int32_t words[31];
    int32_t front;  // the word the next value is added into
    int32_t rear;   // the word added to it
};

extern GameRandom gameRandom;

// Starts the sequence of a seed (0 deals as 1 does, like the library's).
void SeedGameRandom(uint32_t seed);
// The next value, 0..2147483647.
int GameRand();
