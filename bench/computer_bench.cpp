// The computer's thinking per step over whole matches of the strongest
// against the one below it: the mean and the largest step (thread CPU
// time, so that other processes on the machine do not count). The largest
// must stay under 2 ms.
#include <benchmark/benchmark.h>

#include <ctime>

#include "computer/computer_match.h"
#include "harness/harness.h"

namespace {

int64_t ThreadNs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<int64_t>(t.tv_sec) * 1000000000 + t.tv_nsec;
}

void BM_ComputerThinkPerStep(benchmark::State& state) {
    harness::Boot();
    uint32_t seed = 1;
    int64_t most = 0;
    int64_t total = 0;
    int64_t steps = 0;
    for (auto _ : state) {
        const ComputerMatchResult r = PlayComputerMatch(5, 4, seed++, 50 * 60 * 5, ThreadNs);
        for (const SideFigures& side : r.side) {
            if (side.thinkNsMost > most) most = side.thinkNsMost;
            total += side.thinkNsTotal;
        }
        steps += 2 * static_cast<int64_t>(r.steps);
    }
    state.counters["think_mean_us"] = steps > 0 ? static_cast<double>(total) / 1000.0 / static_cast<double>(steps) : 0;
    state.counters["think_largest_us"] = static_cast<double>(most) / 1000.0;
}
BENCHMARK(BM_ComputerThinkPerStep)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
