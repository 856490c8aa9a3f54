#include "replay/replay_verify.h"

#include <cinttypes>
#include <cstdio>
#include <memory>

#include "match/match_snapshot.h"
#include "match/match_step.h"
#include "replay/replay_file.h"
#include "replay/replay_match.h"
#include "shell/game_mode.h"

namespace {

// The whole score as one number: the hundred-millions above the rest.
int64_t WholeScore(const ReplayResult& r, int p) { return int64_t{r.scoreHigh[p]} * 100000000 + r.score[p]; }

}  // namespace

bool VerifyReplay(const Replay& replay, ReplayVerdict& verdict) {
    verdict = ReplayVerdict{};
    BeginReplayMatch(replay, false);
    ReplayCursor cursor;
    MatchInput input;
    int32_t next = 0;  // the checkpoint still to compare
    while (ReadReplayStep(replay, cursor, input)) {
        MatchStep(input);
        if (next < replay.checkpointCount && cursor.step == CheckpointStep(next)) {
            if (verdict.failedStep < 0 && MatchChecksum() != replay.checkpoints[next]) {
                verdict.failedStep = CheckpointStep(next);
            }
            ++next;
        }
    }
    verdict.steps = cursor.step;
    verdict.result = ResultOfMatch();
    verdict.result.steps = cursor.step;
    return verdict.failedStep < 0;
}

std::string VerdictLine(const Replay& replay, const ReplayVerdict& verdict) {
    char line[200];
    char scores[48];
    if (replay.start.mode == versusMode) {
        std::snprintf(scores, sizeof scores, "%" PRId64 " %" PRId64, WholeScore(verdict.result, 0),
                      WholeScore(verdict.result, 1));
    } else {
        std::snprintf(scores, sizeof scores, "%" PRId64, WholeScore(verdict.result, 0));
    }
    char checkpoints[48] = "checkpoints ok";
    if (verdict.failedStep >= 0) {
        std::snprintf(checkpoints, sizeof checkpoints, "checkpoints FAILED at step %d", verdict.failedStep);
    }
    std::snprintf(line, sizeof line, "%s score %s result %s steps %d %s", ReplayModeWord(replay.start.mode), scores,
                  ReplayOutcomeWord(verdict.result.outcome), verdict.steps, checkpoints);
    return line;
}

int VerifyReplayFile(const std::string& path, std::string& out, std::string& err) {
    // Too large for the stack, and run once per process.
    const auto replay = std::make_unique<Replay>();
    ReplayReport report;
    if (!ReadReplayFile(path, *replay, report)) {
        err = ReplayProblemLine(path, report) + "\n";
        return 2;
    }
    ReplayVerdict verdict;
    const bool ok = VerifyReplay(*replay, verdict);
    out = VerdictLine(*replay, verdict) + "\n";
    return ok ? 0 : 1;
}
