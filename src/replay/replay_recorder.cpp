#include "replay/replay_recorder.h"

#include <string>

#include "match/match_begin.h"
#include "match/match_snapshot.h"
#include "match/match_state.h"
#include "match/match_step.h"
#include "match/step_input.h"
#include "replay/replay_folder.h"
#include "replay/replay_match.h"

namespace {

bool recording = false;

// After each step of the match proper: its inputs, the checksum where a
// checkpoint falls, and once the match is over its result and the file. The
// first step of a match (the step count 1 after it) begins a new recording.
void RecordStepSeen(const MatchInput& input) {
    if (matchStep == 1) {
        BeginRecording(matchRecording, matchStartRecord);
        recording = true;
    }
    if (!recording) return;
    RecordStep(matchRecording, input);
    if (CheckpointDue(matchRecording)) RecordCheckpoint(matchRecording, MatchChecksum());
    if (!MatchOver()) return;
    // Over: not a play step any more, so the file may be written.
    SaveRecordingNow();
}

}  // namespace

void SaveRecordingNow() {
    if (!recording) return;
    recording = false;
    EndRecording(matchRecording, ResultOfMatch());
    std::string saved;
    SaveReplay(matchRecording, saved);
}

void StartRecordingMatches() { matchStepSeen = RecordStepSeen; }

bool RecordingMatch() { return recording; }
