// Trusting a replay: sumline --verify-replay's re-play of an endless match
// (the real rules, nothing drawn or heard, every checkpoint compared), the
// recorder's own cost per step on the real match, and the size of that
// replay's file. The modelled hands top out long before ten minutes (30000
// steps); the "steps" counter gives the length, and ten minutes cost
// 30000 / steps times as much (the steps of a longer match cost the same).
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "harness/harness.h"
#include "match/match_snapshot.h"
#include "match/match_step.h"
#include "replay/modelled_play.h"
#include "replay/replay_codec.h"
#include "replay/replay_file.h"
#include "replay/replay_match.h"
#include "replay/replay_verify.h"
#include "shell/game_mode.h"

namespace {

constexpr int32_t tenMinutes = 30000;

// Endless at the modelled hands, easiest difficulty, never asking for rows,
// played headless and recorded as the recorder does it, up to ten minutes;
// the longest of a few seeds.
// One match of the seed, recorded into replay.
void RecordEndless(Replay& replay, uint32_t seed) {
    MatchStart start;
    start.mode = endlessMode;
    start.options[2] = 0;  // the easiest difficulty
    for (int8_t& c : start.puzzle.cells) c = -1;
    start.seed = seed;
    BeginRecording(replay, start);
    BeginReplayMatch(replay, false);
    modelledPlay::Hands hands = modelledPlay::HandsOf(seed);
    for (int32_t s = 0; s < tenMinutes && !MatchOver(); ++s) {
        MatchInput input;
        // Never asking for rows from above.
        input.player[0] = static_cast<uint16_t>(modelledPlay::NextStep(hands) & ~inputDrop);
        MatchStep(input);
        RecordStep(replay, input);
        if (CheckpointDue(replay)) RecordCheckpoint(replay, MatchChecksum());
    }
    EndRecording(replay, ResultOfMatch());
}

Replay& LongEndless() {
    static std::unique_ptr<Replay> replay;
    if (replay != nullptr) return *replay;
    replay = std::make_unique<Replay>();
    harness::Boot();
    uint32_t best = 1;
    int32_t longest = 0;
    for (uint32_t seed = 1; seed <= 16; ++seed) {
        RecordEndless(*replay, seed);
        if (replay->steps > longest) {
            longest = replay->steps;
            best = seed;
        }
    }
    RecordEndless(*replay, best);
    return *replay;
}

void BM_VerifyEndlessReplay(benchmark::State& state) {
    Replay& replay = LongEndless();
    ReplayVerdict verdict;
    for (auto _ : state) {
        benchmark::DoNotOptimize(VerifyReplay(replay, verdict));
    }
    if (verdict.failedStep >= 0) state.SkipWithError("a checkpoint differed");
    state.counters["steps"] = replay.steps;
    std::string bytes;
    EncodeReplay(replay, bytes);
    state.counters["bytes"] = static_cast<double>(bytes.size());
    // For timing the executable itself: SUMLINE_BENCH_REPLAY names where to keep it.
    if (const char* keep = std::getenv("SUMLINE_BENCH_REPLAY")) WriteReplayFile(keep, replay);
}
BENCHMARK(BM_VerifyEndlessReplay)->Unit(benchmark::kMillisecond);

// What recording adds to a step of the real match: the inputs kept, and a
// checksum every 50th step.
void BM_RecordStepOnTheMatch(benchmark::State& state) {
    Replay& replay = LongEndless();
    static Replay copy;
    ReplayCursor cursor;
    MatchInput input;
    BeginRecording(copy, replay.start);
    for (auto _ : state) {
        if (!ReadReplayStep(replay, cursor, input)) {
            cursor = ReplayCursor{};
            BeginRecording(copy, replay.start);
        }
        RecordStep(copy, input);
        if (CheckpointDue(copy)) RecordCheckpoint(copy, MatchChecksum());
    }
}
BENCHMARK(BM_RecordStepOnTheMatch);

}  // namespace
