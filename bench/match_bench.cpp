// Cost of the match: one 20 ms step with all its drawing, and a simulated
// minute of endless play with random keys (3000 steps).
#include <benchmark/benchmark.h>

#include <random>

#include "match/match_run.h"

namespace {

bool StartEndless() {
    virtualBackend::state.recordFrames = true;
    return matchRun::MenuToMatch(0);
}

// One step: the clock moves 20 ms and MatchScene runs once, as the loop would.
void StepWithKeys(std::mt19937& keys, int& held) {
    if (keys() % 6 == 0) {
        if (held != 0) keyDown[held] = false;
        held = matchRun::playKeys[keys() % 10];  // every play key but pause
        keyDown[held] = true;
    }
    virtualBackend::state.nowMs += 20;
    MatchScene();
}

// A finished game starts again (outside the measured time).
bool KeepPlaying(benchmark::State& state) {
    if (currentScene == MatchScene && matchState == 0) return true;
    state.PauseTiming();
    const bool ok = StartEndless();
    virtualBackend::state.recordFrames = false;
    state.ResumeTiming();
    return ok;
}

void BM_MatchStep(benchmark::State& state) {
    if (!StartEndless()) {
        state.SkipWithError("no match");
        return;
    }
    virtualBackend::state.recordFrames = false;
    std::mt19937 keys(7);
    int held = 0;
    for (auto _ : state) {
        if (!KeepPlaying(state)) break;
        StepWithKeys(keys, held);
    }
}
BENCHMARK(BM_MatchStep)->Unit(benchmark::kMicrosecond);

void BM_SimulatedMinuteOfEndless(benchmark::State& state) {
    if (!StartEndless()) {
        state.SkipWithError("no match");
        return;
    }
    virtualBackend::state.recordFrames = false;
    std::mt19937 keys(11);
    int held = 0;
    for (auto _ : state) {
        for (int step = 0; step < 3000; ++step) {
            if (!KeepPlaying(state)) break;
            StepWithKeys(keys, held);
        }
    }
    state.counters["real-time factor"] =
        benchmark::Counter(60.0 * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_SimulatedMinuteOfEndless)->Unit(benchmark::kMillisecond);

}  // namespace
