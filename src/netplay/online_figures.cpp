#include "netplay/online_figures.h"

#include <cinttypes>
#include <cstdio>

namespace {

const char* EndName(RollbackEnd end) {
    switch (end) {
        case RollbackEnd::over: return "over";
        case RollbackEnd::outOfStep: return "out-of-step";
        case RollbackEnd::peerLost: return "peer-lost";
        case RollbackEnd::badPeer: return "bad-peer";
        case RollbackEnd::none: break;
    }
    return "left";
}

// Whole bytes per second, rounded down; a match shorter than a step counts
// as one step long.
uint64_t PerSecond(uint64_t bytes, uint32_t ms) { return bytes * 1000 / (ms < 20 ? 20 : ms); }

}  // namespace

size_t FormatOnlineFigures(char* out, size_t capacity, const RollbackFigures& figures, const OnlineTraffic& traffic,
                           RollbackEnd end) {
    if (capacity == 0) return 0;
    // Tenths of a step, in integers, so the line reads the same everywhere.
    const int64_t meanTenths = figures.rollbacks > 0 ? figures.stepsRerun * 10 / figures.rollbacks : 0;
    const int n = std::snprintf(
        out, capacity,
        "sumline online: %" PRIu64 " B/s sent, %" PRIu64 " B/s received, %" PRIu32 " steps, %" PRId64
        " rollbacks (mean %" PRId64 ".%" PRId64 ", deepest %" PRId32 "), input delay %" PRId32 ", %" PRIu64
        " checksums, %s",
        PerSecond(traffic.bytesSent, traffic.ms), PerSecond(traffic.bytesReceived, traffic.ms), traffic.steps,
        figures.rollbacks, meanTenths / 10, meanTenths % 10, figures.deepest, figures.inputDelay,
        figures.checksumsCompared, EndName(end));
    if (n < 0) return 0;
    return static_cast<size_t>(n) < capacity ? static_cast<size_t>(n) : capacity - 1;
}
