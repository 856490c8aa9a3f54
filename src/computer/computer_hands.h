#pragma once
#include <cstdint>

#include "computer/think_search.h"

// The computer's hands: a plan turned into the player's keys. A key is
// pressed for one step and let go the next, the way a person taps it, never
// faster than the strength's actions a minute allow; before pressing select
// or swap the hands check that the board holds what the plan was made on.
struct ComputerHands {
    ThinkPlan plan;
    ThinkBoard field;         // the board the plan was made on
    int8_t busy = 0;          // 1 while a plan is being carried out
    int8_t swapPressed = 0;   // presses of the swap key for this plan: 0, 1, 2
    int8_t anchored = 0;      // 1 once select anchored the plan's line
    int16_t waitSteps = 0;    // reaction left before the first key
    int16_t gapSteps = 0;     // steps before the next key may be pressed
    int16_t stuckSteps = 0;   // steps the plan has waited on the board
    int8_t lastRise = 0;      // riseOffset seen in the last step
    uint16_t lastBits = 0;    // keys held in the last step
    int32_t presses = 0;      // keys pressed so far
};

// A new plan for the hands, to start after the reaction.
void TakePlan(ComputerHands& hands, const ThinkPlan& plan, const ThinkBoard& field, int16_t reactionSteps);
// One step of player p's keys; gapSteps is the wait between two presses.
// The plan is done (busy 0) once its last key is pressed, or given up when
// the board no longer allows it.
uint16_t HandsStep(ComputerHands& hands, int p, int16_t gapSteps);
