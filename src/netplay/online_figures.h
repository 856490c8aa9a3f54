#pragma once
#include <cstddef>
#include <cstdint>

#include "netplay/rollback.h"

// One line of figures for an online match, for the end-to-end runs and for
// measuring: what crossed the link each way per second, the steps, the
// rollbacks (how many, their mean and deepest re-run), the input delay, the
// checksums compared and how the match ended.

struct OnlineTraffic {
    uint64_t bytesSent = 0;
    uint64_t bytesReceived = 0;
    uint32_t ms = 0;     // wall-clock time the match ran
    uint32_t steps = 0;  // match steps run
};

// Writes the line (no newline) into out, cut to fit capacity; returns its
// length.
size_t FormatOnlineFigures(char* out, size_t capacity, const RollbackFigures& figures, const OnlineTraffic& traffic,
                           RollbackEnd end);
