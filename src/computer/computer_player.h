#pragma once
#include <cstdint>

#include "computer/computer_hands.h"
#include "computer/think_search.h"

// The greedy stand-in for a first-time player: the first line that adds up,
// else a random swap, at 60 keys a minute. Not one of the five strengths.
constexpr int8_t greedyStrength = 0;

// One computer player: what it is thinking over, its hands, and what it has
// done, for the tournament's table and the think budget.
struct ComputerPlayer {
    int8_t strength = 0;         // 1..5, or greedyStrength
    ThinkSearch search;
    uint64_t searchPrint = 0;    // the board the search started from
    int8_t searchUsed = 0;       // 1 once its plan went to the hands
    int32_t usedAt = 0;          // the step it went
    ComputerHands hands;
    uint32_t random = 1;         // its own dice for mistakes and the greedy swaps
    int32_t workLastStep = 0;
    int32_t workMost = 0;        // the most work of one step
    int64_t workTotal = 0;
    int32_t steps = 0;
};
// Player 0 and player 1 as the computer plays them (a match against the
// computer uses player 1 only; the tournament both).
extern ComputerPlayer computerPlayers[2];

// Player p is the computer from the next step on, at this strength; seed
// picks its mistakes.
void BeginComputerPlayer(int p, int strength, uint32_t seed);
// One step: looks at the match as it stands before the step and returns
// player p's keys (MatchKeyBit) for it.
uint16_t ComputerPlayerStep(int p);
