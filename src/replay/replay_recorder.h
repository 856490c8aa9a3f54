#pragma once

// Every endless, practice, puzzle and versus match played at the keys is
// recorded into matchRecording while it runs, and saved in the Replays/
// folder when it ends or is left. The recorder watches the steps the match
// scene runs (matchStepSeen), so the match never knows it is kept: after
// each step it keeps the inputs and, where a checkpoint falls, the checksum,
// none of it allocating or touching a file; after the step that ends the
// match it fills in the result and saves.

// Starts watching the match's steps; at start-up, before the first match.
void StartRecordingMatches();

// True while a match is being recorded.
bool RecordingMatch();

// Ends the recording of the match being played where it stands and saves
// it (an online match stopped out of step keeps what both sides confirmed,
// for diagnosis). Nothing when no match is being recorded. Not in a step.
void SaveRecordingNow();
