#pragma once
#include "match/match_input.h"

// Where a match step's inputs come from. Before each step of the match
// proper, MatchScene asks the source once for the step's record and hands it
// to MatchStep, which keeps it in matchInput for the rules to read; nothing
// in a step reads the keys. The source is the keyboard and the pads unless a
// layer above sets another (a replay, the computer, a network peer). The
// source is not asked once the match is over (MatchOver()); the steps after
// it get an empty record.
using MatchInputSource = void (*)(MatchInput& input);
extern MatchInputSource matchInputSource;

// Told by MatchScene after each step of the match proper, with the inputs
// the step ran on; the match is then in its state after the step. What a
// recorder keeps: every step's inputs, a checksum (MatchChecksum) where a
// checkpoint falls, and the result on the step after which MatchOver()
// holds, the last it is told of. None by default.
using MatchStepObserver = void (*)(const MatchInput& input);
extern MatchStepObserver matchStepSeen;

// The inputs of the step being run.
extern MatchInput matchInput;

// True while p's bit (MatchKeyBit) is set in this step's inputs.
inline bool InputHeld(int p, uint16_t bit) { return (matchInput.player[p == 1 ? 1 : 0] & bit) != 0; }

// --- keyboard_input.cpp
// The keyboard-and-pads source: each player's match keys (controls.h), the
// arrows for player 0 too outside versus, and Escape as player 0's leave.
// Both players are always filled in; outside versus nothing reads player 1's
// but the result flow's go-on keys (his swap and pause keys).
void KeyboardMatchInput(MatchInput& input);
