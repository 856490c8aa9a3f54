#pragma once
#include <cstdint>

// A whole versus match between two computer players (a strength 1..5 or the
// greedy player on each side), run by the match's own steps with nothing
// drawn and nothing heard: what the tournament and the tests play.

struct SideFigures {
    int32_t presses = 0;
    int32_t chains = 0;        // finished chains of two lines or more
    int32_t longestChain = 0;
    int32_t linesCleared = 0;
    int32_t workMost = 0;      // the most work of one step
    int64_t workTotal = 0;
    int64_t thinkNsTotal = 0;  // with a clock given
    int64_t thinkNsMost = 0;
};

struct ComputerMatchResult {
    int8_t winner = -1;  // 0 left, 1 right, -1 a draw or no end within the steps
    int32_t steps = 0;
    SideFigures side[2];
};

// Plays one match from the seed, at most maxSteps steps. clockNs, when given,
// times each side's thinking (the tool's; the tests count work instead).
ComputerMatchResult PlayComputerMatch(int leftStrength, int rightStrength, uint32_t seed, int32_t maxSteps,
                                      int64_t (*clockNs)() = nullptr);
