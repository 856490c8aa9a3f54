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

// Ends the recording of a match stopped from outside before its end (an
// online match out of step, or its peer gone): what was recorded is saved as
// it stands, marked left, so that it can be looked into. The match must be
// in its state after the last step the recorder was told of. Nothing when no
// match is being recorded.
void SaveUnfinishedRecording();
