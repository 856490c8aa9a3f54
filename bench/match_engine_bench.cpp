// Cost of the match as a function of its start and inputs: the size of its
// state, a snapshot with a restore, a checksum, one headless step (nothing
// drawn) of endless and of versus, and ten minutes of headless endless play
// from a start record (30000 steps; the goal is at most 0.3 s, 2000 times
// real time).
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "match/headless_run.h"

namespace {

constexpr int tenMinutes = 30000;

// Inputs made beforehand, so that only the match is timed.
const std::vector<MatchInput>& Inputs(bool versus) {
    static const std::vector<MatchInput> one = headlessRun::RandomInputs(17, tenMinutes, false);
    static const std::vector<MatchInput> two = headlessRun::RandomInputs(17, tenMinutes, true);
    return versus ? two : one;
}

void BM_MatchStateSnapshotAndRestore(benchmark::State& state) {
    headlessRun::Begin(headlessRun::StartOf(versusMode, 7), false);
    headlessRun::StepThrough(Inputs(true), 0, 500);
    auto snapshot = std::make_unique<MatchSnapshot>();
    for (auto _ : state) {
        SaveMatchSnapshot(*snapshot);
        RestoreMatchSnapshot(*snapshot);
        benchmark::DoNotOptimize(snapshot.get());
    }
    state.counters["bytes"] = static_cast<double>(sizeof(MatchSnapshot));
}
BENCHMARK(BM_MatchStateSnapshotAndRestore)->Unit(benchmark::kNanosecond);

void BM_MatchChecksum(benchmark::State& state) {
    headlessRun::Begin(headlessRun::StartOf(versusMode, 7), false);
    headlessRun::StepThrough(Inputs(true), 0, 500);
    for (auto _ : state) benchmark::DoNotOptimize(MatchChecksum());
}
BENCHMARK(BM_MatchChecksum)->Unit(benchmark::kNanosecond);

// One step with drawing skipped; a match that ends makes way for a new one
// outside the measured time.
void HeadlessSteps(benchmark::State& state, int mode) {
    const bool versus = mode == versusMode;
    uint32_t seed = 1;
    headlessRun::Begin(headlessRun::StartOf(mode, seed), false);
    size_t at = 0;
    for (auto _ : state) {
        if (MatchOver() || at == Inputs(versus).size()) {
            state.PauseTiming();
            headlessRun::Begin(headlessRun::StartOf(mode, ++seed), false);
            at = 0;
            state.ResumeTiming();
        }
        MatchStep(Inputs(versus)[at++]);
    }
}

void BM_HeadlessEndlessStep(benchmark::State& state) { HeadlessSteps(state, endlessMode); }
BENCHMARK(BM_HeadlessEndlessStep)->Unit(benchmark::kMicrosecond);

void BM_HeadlessVersusStep(benchmark::State& state) { HeadlessSteps(state, versusMode); }
BENCHMARK(BM_HeadlessVersusStep)->Unit(benchmark::kMicrosecond);

// Ten minutes of endless steps from a start record, as a replay's check runs
// them: the record applied, the opening run without frames, then every step;
// a match that tops out early is followed by the next from its own start.
void BM_TenMinutesOfHeadlessEndless(benchmark::State& state) {
    const std::vector<MatchInput>& inputs = Inputs(false);
    harness::Boot();
    drawingSkipped = true;
    soundsMuted = true;
    int matches = 0;
    for (auto _ : state) {
        uint32_t seed = 1'900'000'000;
        int step = 0;
        while (step < tenMinutes) {
            ApplyMatchStart(headlessRun::StartOf(endlessMode, seed++));
            RunMatchOpening();
            ++matches;
            while (step < tenMinutes && !MatchOver()) MatchStep(inputs[static_cast<size_t>(step++)]);
        }
    }
    state.counters["matches"] = benchmark::Counter(matches, benchmark::Counter::kAvgIterations);
    state.counters["real-time factor"] =
        benchmark::Counter(600.0 * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_TenMinutesOfHeadlessEndless)->Unit(benchmark::kMillisecond);

}  // namespace
