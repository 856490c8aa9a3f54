#pragma once

// replay: every match kept as its start record and its per-step inputs, so it
// can be watched again, verified, and kept beside the ranking entry it made.
// It stands on the match (the input and start records) and everything below.
//
// A map of the folder:
//   replay_record   the replay in memory and the recording operations
//   replay_codec    the bytes of a replay file (docs/replay-format.md)
//   replay_file     reading and writing one replay file on disk
//   replay_folder   the Replays/ folder: names, saving, pruning, listing
//   replay_ranking  which replay belongs to which endless ranking entry

#include <cstdint>

#include "match/match_input.h"
#include "match/match_start.h"

// A checkpoint is the match's checksum after every 50th step.
constexpr int32_t replayCheckpointInterval = 50;
// Four hours at 50 steps a second; a match that runs longer keeps its first
// four hours and is marked truncated.
constexpr int32_t replayMaxSteps = 720000;
// Changes of one player's input bits, about nine a second for four hours;
// more and the recording stops there, marked truncated.
constexpr int32_t replayMaxChanges = 131072;
constexpr int32_t replayMaxCheckpoints = replayMaxSteps / replayCheckpointInterval;
// The game version a replay names: printable ASCII, at most this many.
constexpr int replayVersionChars = 31;

// How a match ended.
enum ReplayOutcome : int8_t {
    outcomeTopOut = 0,      // endless or practice: the stack stayed at the top
    outcomeCleared = 1,     // puzzle: CLEAR!
    outcomeTimeUp = 2,      // puzzle: the time limit ran out
    outcomeLeft = 3,        // left with Escape or a pause menu's choice
    outcomeWonByLeft = 4,   // versus: player 1 won
    outcomeWonByRight = 5,  // versus: player 2 won
    outcomeDraw = 6,        // versus: both topped out on one step
};
constexpr int8_t replayOutcomeCount = 7;

// One word for a mode (0..3: "endless", "versus", "puzzle", "practice") and
// for an outcome ("top-out", "cleared", "time-up", "left", "won-by-left",
// "won-by-right", "draw"), as file names and one-line reports print them;
// "?" outside the range.
const char* ReplayModeWord(int mode);
const char* ReplayOutcomeWord(int outcome);

// The step whose checksum checkpoint k (from 0) holds: the state after that
// many steps have run.
constexpr int32_t CheckpointStep(int32_t k) { return (k + 1) * replayCheckpointInterval; }

// What the match came to, as its end showed it. Scores are the game's two
// parts (score below one hundred million, scoreHigh the hundred-millions);
// level, maxChain and the clock are the match's as an endless match hands
// them to the ranking (maxChain with a chain still running at the end
// counted, as RankResult counts it), which is how a replay finds its ranking
// entry.
struct ReplayResult {
    int8_t outcome = outcomeLeft;
    int8_t truncated = 0;     // 1 when the inputs stop before the match did
    int32_t steps = 0;        // steps the match ran, recorded or not
    int32_t score[2] = {0, 0};
    int32_t scoreHigh[2] = {0, 0};
    int32_t level = 1;
    int32_t maxChain = 0;
    int32_t hours = 0;
    int32_t minutes = 0;
    int32_t seconds = 0;
};

// One match. The inputs are kept as changes, as the file keeps them: a
// player's bits hold from one change to the next, all zero before the first.
// Large (about 1.2 MB): keep one in a process-wide record or on the heap,
// never on the stack.
struct Replay {
    char gameVersion[replayVersionChars + 1] = {};
    MatchStart start{};
    int32_t steps = 0;  // inputs recorded, one per step
    int32_t changeCount[2] = {0, 0};
    // step << 12 | the bits that changed at that step; steps ascending.
    uint32_t changes[2][replayMaxChanges];
    int32_t checkpointCount = 0;
    // Checkpoint k: the checksum after CheckpointStep(k) steps.
    uint64_t checkpoints[replayMaxCheckpoints];
    ReplayResult result{};

    // Recording only: each player's bits of the last recorded step, steps
    // seen in all, and whether the match has ended.
    uint16_t held[2] = {0, 0};
    int32_t stepsSeen = 0;
    int8_t ended = 0;
};

// The match being recorded (the match scene's recorder fills it).
extern Replay matchRecording;

// This build's version, as replays name it.
const char* ReplayGameVersion();

// Recording, all without allocation and cheap enough for every step.
// A new replay of the match that starts from this record.
void BeginRecording(Replay& replay, const MatchStart& start);
// One step's inputs (bits outside inputBitsMask are dropped). Past the
// replay's room the step only counts, and the replay is marked truncated.
void RecordStep(Replay& replay, const MatchInput& input);
// True when the last recorded step is a checkpoint's, still without its
// checksum.
bool CheckpointDue(const Replay& replay);
// The checksum of the state after the last recorded step; ignored unless
// CheckpointDue.
void RecordCheckpoint(Replay& replay, uint64_t checksum);
// The match is over: its result (steps and truncated are the recorder's own
// and need not be filled in). Later steps are not recorded.
void EndRecording(Replay& replay, const ReplayResult& result);

// Playing back: the inputs step by step, from the first.
struct ReplayCursor {
    int32_t step = 0;          // the step the next ReadReplayStep gives
    int32_t next[2] = {0, 0};  // each player's next change
    uint16_t held[2] = {0, 0};
};
// The inputs of the cursor's step, and on to the next; false (input all
// zero) once every recorded step has been given.
bool ReadReplayStep(const Replay& replay, ReplayCursor& cursor, MatchInput& input);

// True when two replays hold the same match: version, start record, inputs,
// checkpoints and result (not the recording's own fields).
bool SameReplay(const Replay& a, const Replay& b);
