#pragma once
#include <cstdint>

#include "match/match_start.h"

// How a match begins: its start record taken from the records the set-up
// has filled in, the records set from a start record, and the opening that
// leads into play. A replay begins its match the same way, from the record
// it kept: ApplyMatchStart, RunMatchOpening, then MatchStep per input.

// The start record of the match the records describe now: the mode, the
// options, both players' parameters and items, the series so far, the
// problem (puzzle mode) as the puzzle tables hold it, and the seed.
MatchStart CurrentMatchStart(uint32_t seed);

// Every record the match reads, set from the start record and from nothing
// else: every match value, both players and both boards back to their start,
// then the mode, the options, the parameters and items, the series, the
// problem and the random generator. No file, picture or sound is touched.
// Values out of their ranges are brought into them, so that no record can
// reach past a table. The options, parameters and items are the match's
// from here on: a caller that shows a replay puts the player's back after it.
void ApplyMatchStart(const MatchStart& start);

// The start record last applied, as given: what a recorder keeps of the
// match being played.
extern MatchStart matchStartRecord;

// The opening rows rise into the empty boards and the countdown runs, then
// play begins: the match clock at step 0. Frames are presented as they are
// drawn, unless drawing is skipped; either way the match starts from the same
// state. False when the window was closed meanwhile (the farewell is then
// the scene).
bool RunMatchOpening();
