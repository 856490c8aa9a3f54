#pragma once
#include "match/match_input.h"

// Where a match step's inputs come from. Before each step of the match
// proper, MatchScene asks the source once for the step's record and hands it
// to MatchStep, which keeps it in matchInput for the rules to read; nothing
// in a step reads the keys. The source is the keyboard and the pads unless a
// layer above sets another (a replay, the computer, a network peer); to
// record a match, wrap the source: a function that calls the one it replaced
// and keeps what it filled in sees every step's record, in order. The source
// is not asked once the match is over (MatchOver()); the steps after it get
// an empty record.
using MatchInputSource = void (*)(MatchInput& input);
extern MatchInputSource matchInputSource;

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
