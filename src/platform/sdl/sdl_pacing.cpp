#include <cerrno>
#include <ctime>

#include "platform/backend.h"
#include "platform/sdl/sdl_backend.h"

namespace backend {

namespace {

constexpr int64_t nanosPerSecond = 1'000'000'000;
constexpr int64_t framesPerSecond = 60;

// Deadlines are counted in frames from a base so 1/60 s never accumulates
// rounding error.
int64_t baseNanos = -1;
int64_t framesSinceBase = 0;

int64_t NowNanos() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<int64_t>(now.tv_sec) * nanosPerSecond + now.tv_nsec;
}

void SleepUntil(int64_t when) {
    timespec until{};
    until.tv_sec = static_cast<time_t>(when / nanosPerSecond);
    until.tv_nsec = static_cast<long>(when % nanosPerSecond);
    while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &until, nullptr) == EINTR) {
    }
}

int64_t Deadline() { return baseNanos + framesSinceBase * nanosPerSecond / framesPerSecond; }

}  // namespace

void ResetPacing() {
    baseNanos = -1;
    framesSinceBase = 0;
}

void WaitForFrameDeadline() {
    const int64_t now = NowNanos();
    // A slow frame (or the very first) starts a new rhythm instead of
    // rushing the following frames to catch up.
    if (baseNanos < 0 || now - Deadline() > nanosPerSecond / framesPerSecond) {
        baseNanos = now;
        framesSinceBase = 0;
    }
    const int64_t deadline = Deadline();
    if (now < deadline) SleepUntil(deadline);
    ++framesSinceBase;
}

void IdlePass() { SleepUntil(NowNanos() + nanosPerSecond / 1000); }

}  // namespace backend
