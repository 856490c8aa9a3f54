// Cost of keeping replays: recording one step (inputs and, every 50th step, a
// checkpoint), and writing and reading the bytes of ten minutes of versus
// play (30000 steps, two players pressing about three keys a second), whose
// size the "bytes" counter gives.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "replay/modelled_play.h"
#include "replay/replay_codec.h"

namespace {

constexpr int32_t tenMinutes = 30000;

MatchStart VersusStart() {
    MatchStart start;
    start.mode = 1;
    return start;
}

void BM_ReplayRecordStep(benchmark::State& state) {
    // The inputs are made beforehand, so only the recording is timed.
    std::vector<MatchInput> inputs(tenMinutes);
    modelledPlay::Hands hands[2] = {modelledPlay::HandsOf(1), modelledPlay::HandsOf(2)};
    for (MatchInput& input : inputs) {
        input.player[0] = modelledPlay::NextStep(hands[0]);
        input.player[1] = modelledPlay::NextStep(hands[1]);
    }
    BeginRecording(matchRecording, VersusStart());
    size_t at = 0;
    for (auto _ : state) {
        RecordStep(matchRecording, inputs[at]);
        if (CheckpointDue(matchRecording)) RecordCheckpoint(matchRecording, at);
        if (++at == inputs.size()) {
            at = 0;
            BeginRecording(matchRecording, VersusStart());
        }
    }
    benchmark::DoNotOptimize(matchRecording.changeCount[0]);
}
BENCHMARK(BM_ReplayRecordStep);

void BM_ReplayEncodeTenMinutes(benchmark::State& state) {
    auto replay = std::make_unique<Replay>();
    modelledPlay::RecordMatch(*replay, VersusStart(), tenMinutes, 42);
    std::string bytes;
    for (auto _ : state) {
        EncodeReplay(*replay, bytes);
        benchmark::DoNotOptimize(bytes.data());
    }
    state.counters["bytes"] = static_cast<double>(bytes.size());
}
BENCHMARK(BM_ReplayEncodeTenMinutes)->Unit(benchmark::kMicrosecond);

void BM_ReplayDecodeTenMinutes(benchmark::State& state) {
    auto replay = std::make_unique<Replay>();
    modelledPlay::RecordMatch(*replay, VersusStart(), tenMinutes, 42);
    std::string bytes;
    EncodeReplay(*replay, bytes);
    auto decoded = std::make_unique<Replay>();
    ReplayReport report;
    for (auto _ : state) {
        if (!DecodeReplay(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), *decoded, report)) {
            state.SkipWithError(report.reason);
            return;
        }
        benchmark::DoNotOptimize(decoded->steps);
    }
    state.counters["bytes"] = static_cast<double>(bytes.size());
}
BENCHMARK(BM_ReplayDecodeTenMinutes)->Unit(benchmark::kMicrosecond);

}  // namespace
