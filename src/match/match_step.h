#pragma once
#include <cstdint>

#include "match/match_input.h"

// The match as a function of its start and its inputs. MatchScene is the
// paced, drawn frame around these; a replay or a network session calls them
// itself, as fast as it likes, with drawing switched off where nothing is
// shown (platform/draw_switch.h) and sounds muted where they were heard
// before (soundsMuted).

// Each step is 20 ms of match time, whatever the wall clock says.
constexpr uint32_t matchStepMs = 20;

// One step of the match's rules with this step's inputs, drawing the match
// into backBuffer unless drawing is skipped. It neither presents nor paces,
// reads no key and no clock. After MatchOver() the steps still run the
// screen's animation but decide nothing; the result screen (the ranking's
// name entry, the question to play again) is MatchScene's, not a step's.
void MatchStep(const MatchInput& input);

// True once the match proper is over: the result screen has been reached
// (matchState 2), or the screen has closed on leaving the match.
bool MatchOver();
