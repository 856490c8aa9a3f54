#include "replay/replay_record.h"

#include <cstring>

#ifndef SUMLINE_VERSION
#define SUMLINE_VERSION "0"
#endif

Replay matchRecording;

namespace {

// The change word: the step above the twelve input bits.
constexpr int changeStepShift = 12;

// Recording stops here: the steps so far stay, the rest only counts.
void Truncate(Replay& r) { r.result.truncated = 1; }

bool SameStart(const MatchStart& a, const MatchStart& b) {
    const PuzzleProblem& p = a.puzzle;
    const PuzzleProblem& q = b.puzzle;
    return a.mode == b.mode && std::memcmp(a.options, b.options, sizeof a.options) == 0 &&
           std::memcmp(a.params, b.params, sizeof a.params) == 0 &&
           std::memcmp(a.items, b.items, sizeof a.items) == 0 &&
           std::memcmp(a.itemUseOff, b.itemUseOff, sizeof a.itemUseOff) == 0 &&
           std::memcmp(a.versusWins, b.versusWins, sizeof a.versusWins) == 0 && a.puzzleIndex == b.puzzleIndex &&
           std::memcmp(p.cells, q.cells, sizeof p.cells) == 0 && p.targetSum == q.targetSum &&
           p.swapLimit == q.swapLimit && p.goalType == q.goalType && p.goalValue == q.goalValue &&
           p.seconds == q.seconds && p.minutes == q.minutes && a.seed == b.seed;
}

bool SameResult(const ReplayResult& a, const ReplayResult& b) {
    return a.outcome == b.outcome && a.truncated == b.truncated && a.steps == b.steps && a.score[0] == b.score[0] &&
           a.score[1] == b.score[1] && a.scoreHigh[0] == b.scoreHigh[0] && a.scoreHigh[1] == b.scoreHigh[1] &&
           a.level == b.level && a.maxChain == b.maxChain && a.hours == b.hours && a.minutes == b.minutes &&
           a.seconds == b.seconds;
}

}  // namespace

const char* ReplayGameVersion() { return SUMLINE_VERSION; }

const char* ReplayModeWord(int mode) {
    constexpr const char* words[4] = {"endless", "versus", "puzzle", "practice"};
    return mode >= 0 && mode < 4 ? words[mode] : "?";
}

const char* ReplayOutcomeWord(int outcome) {
    constexpr const char* words[replayOutcomeCount] = {"top-out", "cleared",      "time-up", "left",
                                                       "won-by-left", "won-by-right", "draw"};
    return outcome >= 0 && outcome < replayOutcomeCount ? words[outcome] : "?";
}

void BeginRecording(Replay& r, const MatchStart& start) {
    // The big arrays are not cleared: the counts say how much of them holds.
    std::memset(r.gameVersion, 0, sizeof r.gameVersion);
    std::strncpy(r.gameVersion, ReplayGameVersion(), replayVersionChars);
    r.start = start;
    r.steps = 0;
    r.changeCount[0] = r.changeCount[1] = 0;
    r.checkpointCount = 0;
    r.result = ReplayResult{};
    r.held[0] = r.held[1] = 0;
    r.stepsSeen = 0;
    r.ended = 0;
}

void RecordStep(Replay& r, const MatchInput& input) {
    if (r.ended != 0) return;
    if (r.stepsSeen < INT32_MAX) ++r.stepsSeen;
    if (r.result.truncated != 0) return;
    if (r.steps >= replayMaxSteps) {
        Truncate(r);
        return;
    }
    uint16_t changed[2];
    for (int p = 0; p < 2; ++p) {
        changed[p] = static_cast<uint16_t>((input.player[p] & inputBitsMask) ^ r.held[p]);
        // Both players' changes go in or neither does, so the step stays whole.
        if (changed[p] != 0 && r.changeCount[p] >= replayMaxChanges) {
            Truncate(r);
            return;
        }
    }
    const uint32_t step = static_cast<uint32_t>(r.steps) << changeStepShift;
    for (int p = 0; p < 2; ++p) {
        if (changed[p] == 0) continue;
        r.changes[p][r.changeCount[p]++] = step | changed[p];
        r.held[p] = static_cast<uint16_t>(r.held[p] ^ changed[p]);
    }
    ++r.steps;
}

bool CheckpointDue(const Replay& r) {
    // Checkpoints come in order, none skipped: the file keeps their steps implicit.
    return r.ended == 0 && r.result.truncated == 0 && CheckpointStep(r.checkpointCount) == r.steps;
}

void RecordCheckpoint(Replay& r, uint64_t checksum) {
    if (!CheckpointDue(r)) return;
    r.checkpoints[r.checkpointCount++] = checksum;
}

void EndRecording(Replay& r, const ReplayResult& result) {
    if (r.ended != 0) return;
    const int8_t truncated = r.result.truncated;
    r.result = result;
    r.result.truncated = truncated;
    r.result.steps = r.stepsSeen;
    r.ended = 1;
}

bool ReadReplayStep(const Replay& r, ReplayCursor& c, MatchInput& input) {
    input = MatchInput{};
    if (c.step < 0 || c.step >= r.steps) return false;
    const uint32_t step = static_cast<uint32_t>(c.step);
    for (int p = 0; p < 2; ++p) {
        // At most one change per player and step.
        if (c.next[p] >= 0 && c.next[p] < r.changeCount[p] && r.changes[p][c.next[p]] >> changeStepShift == step) {
            c.held[p] = static_cast<uint16_t>(c.held[p] ^ (r.changes[p][c.next[p]] & inputBitsMask));
            ++c.next[p];
        }
        input.player[p] = c.held[p];
    }
    ++c.step;
    return true;
}

bool SameReplay(const Replay& a, const Replay& b) {
    if (std::strncmp(a.gameVersion, b.gameVersion, sizeof a.gameVersion) != 0) return false;
    if (!SameStart(a.start, b.start) || a.steps != b.steps || a.checkpointCount != b.checkpointCount) return false;
    for (int p = 0; p < 2; ++p) {
        if (a.changeCount[p] != b.changeCount[p]) return false;
        if (std::memcmp(a.changes[p], b.changes[p], sizeof(uint32_t) * static_cast<size_t>(a.changeCount[p])) != 0)
            return false;
    }
    if (std::memcmp(a.checkpoints, b.checkpoints, sizeof(uint64_t) * static_cast<size_t>(a.checkpointCount)) != 0)
        return false;
    return SameResult(a.result, b.result);
}
