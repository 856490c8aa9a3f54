// Cost of rollback play and how deep it goes. One frame of an online match
// in which the peer's inputs for the last rollbackWindow steps prove every
// guess wrong: the match goes back twelve steps and runs them again unseen,
// runs the present step and tells the recorder of the twelve now confirmed
// (goal: at most 0.5 ms). And the rollbacks of whole simulated matches at
// round trips of 0, 60 and 150 ms with jitter and loss: the mean and deepest
// rollback, how often one happens, the input delay chosen.
#include <benchmark/benchmark.h>

#include <memory>

#include "netplay/rollback_talk.h"
#include "netplay/two_sessions.h"

namespace {

using twoSessions::Game;
using twoSessions::Weather;

void BM_RollbackTwelveSteps(benchmark::State& state) {
    Game game(7, Weather{0, 0, 0, 0, 0});
    game.Play(300);
    // The host runs on alone as far as the window lets it, on guesses.
    RollbackSession& host = game[0];
    for (int i = 0; i < 4 * rollbackWindow && host.present - host.remoteNext < rollbackWindow; ++i) {
        RollbackFrame(host, modelledPlay::NextStep(game.hands[0]));
        game.link->Advance(matchStepMs);
    }
    const int32_t from = host.remoteNext;
    if (host.present - from != rollbackWindow) state.SkipWithError("the host did not run the whole window ahead");
    // The joiner's real inputs for those steps: none is what was guessed.
    NetMessage m;
    m.kind = NetKind::inputs;
    m.inputs.firstStep = static_cast<uint32_t>(from);
    m.inputs.count = rollbackWindow;
    for (int i = 0; i < rollbackWindow; ++i)
        m.inputs.bits[i] = static_cast<uint16_t>(host.remoteUsed[InputSlot(from + i)] ^ inputRight);
    m.inputs.ackStep = static_cast<uint32_t>(host.localNext);
    m.inputs.presentStep = static_cast<uint32_t>(host.present);
    uint8_t bytes[netMessageMax];
    const size_t size = EncodeNetMessage(m, bytes, sizeof bytes);
    const auto before = std::make_unique<RollbackSession>(host);
    int64_t rerun = 0;
    for (auto _ : state) {
        state.PauseTiming();
        host = *before;
        game.link->Inject(0, bytes, size);
        const int64_t rerunBefore = host.figures.stepsRerun;
        state.ResumeTiming();
        RollbackFrame(host, 0);
        rerun = host.figures.stepsRerun - rerunBefore;
    }
    state.counters["stepsRerun"] = static_cast<double>(rerun);
}
BENCHMARK(BM_RollbackTwelveSteps)->Unit(benchmark::kMicrosecond);

// Whole matches over a poor line of the given round trip: 10 ms of jitter
// each way (20 ms at 150), 2 % lost, 1 % doubled, 1 % out of order.
void BM_RollbackFigures(benchmark::State& state) {
    const auto roundTrip = static_cast<uint32_t>(state.range(0));
    const Weather weather{roundTrip, roundTrip >= 150 ? 20u : roundTrip > 0 ? 10u : 0u, roundTrip > 0 ? uint16_t{20} : uint16_t{0},
                          roundTrip > 0 ? uint16_t{10} : uint16_t{0}, roundTrip > 0 ? uint16_t{10} : uint16_t{0}};
    constexpr int matches = 12;
    int64_t frames = 0, rollbacks = 0, rerun = 0, waits = 0, delay = 0;
    int32_t deepest = 0;
    for (auto _ : state) {
        for (int m = 0; m < matches; ++m) {
            Game game(static_cast<uint32_t>(500 + m), weather, m % 4);
            game.Play(4000);
            for (int s = 0; s < 2; ++s) {
                const RollbackFigures& f = RollbackStats(game[s]);
                frames += f.framesRun;
                rollbacks += f.rollbacks;
                rerun += f.stepsRerun;
                waits += f.waits;
                delay += f.inputDelay;
                deepest = std::max(deepest, f.deepest);
            }
        }
    }
    state.counters["meanRollback"] = rollbacks > 0 ? static_cast<double>(rerun) / static_cast<double>(rollbacks) : 0.0;
    state.counters["deepest"] = deepest;
    state.counters["rollbacksPer100Frames"] = 100.0 * static_cast<double>(rollbacks) / static_cast<double>(frames);
    state.counters["rerunPerFrame"] = static_cast<double>(rerun) / static_cast<double>(frames);
    state.counters["waitsPer100Frames"] = 100.0 * static_cast<double>(waits) / static_cast<double>(frames);
    state.counters["inputDelay"] = static_cast<double>(delay) / (2.0 * matches * static_cast<double>(state.iterations()));
}
BENCHMARK(BM_RollbackFigures)->Arg(0)->Arg(60)->Arg(150)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
