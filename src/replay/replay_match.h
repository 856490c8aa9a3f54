#pragma once
#include "replay/replay_record.h"

// A replay's match set going, and what a match came to, as the recorder keeps
// it and a re-play reports it.

// The match records set from the replay's start record and the opening run,
// so that the next MatchStep is the replay's first step. Shown: the match's
// pictures and sounds are prepared and the opening is seen and heard as it
// was; otherwise nothing is drawn or heard from here on (drawingSkipped and
// soundsMuted stay set until the caller clears them).
void BeginReplayMatch(const Replay& replay, bool shown);

// The result of the match as it stands now, in the terms of a replay: the
// outcome, both scores, and the level, longest chain (a chain still running
// counted) and clock that tie an endless result to its ranking entry. Steps
// and truncated are left at zero.
ReplayResult ResultOfMatch();
