#pragma once
#include <cstdint>

// The five strengths of the computer, 1 the weakest. They differ in how far
// and how wide the search looks, how much it may think per step, how soon
// the hands follow a new plan, how many keys they press a minute and how
// often they get a move wrong. Their names are the set-up's
// (setup/opponent_choice.h), which shows them in its question.
struct Strength {
    int8_t depth;            // 1 a line; 2 a line and the line its fall sets up
    int8_t swapReach;        // cells (rows plus columns) a swap may span; 0 no swaps
    int8_t swapDepth;        // 1 a swap and a line; 2 also the line after it
    int32_t workPerStep;     // cells the search may look at in one step
    int16_t reactionSteps;   // steps from a new plan to its first key
    int16_t actionsPerMinute;
    int8_t errorPercent;     // chance that a plan is a mistake
};

constexpr int strengthCount = 5;

// Strength s (1..5); anything else is taken as the nearest.
const Strength& StrengthOf(int s);
