// A replay file: from any bytes the reader either gives a reason (in one
// line) and no match, or a replay whose every value lies where the match can
// take it: each field of the start record in its range, input changes on
// ascending steps inside the recording, naming only the input bits, no more
// checkpoints than the steps hold, a result in range. Such a replay written
// back gives exactly the bytes it came from, and reads back the same.

#include <cstring>
#include <memory>
#include <string>

#include "fuzz_support.h"
#include "replay/replay_codec.h"

namespace {

std::unique_ptr<Replay> decoded;
std::unique_ptr<Replay> again;

bool Within(int64_t v, int64_t low, int64_t high) { return v >= low && v <= high; }

void CheckStart(const MatchStart& s) {
    constexpr int8_t optionLargest[5] = {3, 1, 2, 3, 1};
    FUZZ_CHECK(Within(s.mode, 0, 3));
    for (int i = 0; i < 5; ++i) FUZZ_CHECK(Within(s.options[i], 0, optionLargest[i]));
    for (int p = 0; p < 2; ++p) {
        for (int8_t level : s.params[p]) FUZZ_CHECK(Within(level, 0, 15));
        for (int8_t item : s.items[p]) FUZZ_CHECK(Within(item, -1, 49));
        FUZZ_CHECK(Within(s.itemUseOff[p], 0, 1));
        FUZZ_CHECK(Within(s.versusWins[p], 0, 99));
    }
    FUZZ_CHECK(Within(s.puzzleIndex, -1, 99));
    const PuzzleProblem& z = s.puzzle;
    for (int8_t cell : z.cells) FUZZ_CHECK(Within(cell, -1, 7));
    FUZZ_CHECK(Within(z.targetSum, 7, 10));
    FUZZ_CHECK(Within(z.swapLimit, -2, 100) && z.swapLimit != 0);
    FUZZ_CHECK(Within(z.goalType, 0, 3));
    constexpr int32_t goalLow[4] = {0, 2, 10, 1000};
    constexpr int32_t goalHigh[4] = {1000000, 100, 1000, 1000000};
    FUZZ_CHECK(Within(z.goalValue, goalLow[z.goalType], goalHigh[z.goalType]));
    FUZZ_CHECK(Within(z.minutes, 0, 10));
    FUZZ_CHECK(Within(z.seconds, 0, 50) && z.seconds % 10 == 0 && (z.minutes < 10 || z.seconds == 0));
}

void CheckReplay(const Replay& r) {
    const size_t length = strnlen(r.gameVersion, sizeof r.gameVersion);
    FUZZ_CHECK(length >= 1 && length <= static_cast<size_t>(replayVersionChars));
    for (size_t i = 0; i < length; ++i) FUZZ_CHECK(r.gameVersion[i] >= 0x20 && r.gameVersion[i] <= 0x7E);
    CheckStart(r.start);
    FUZZ_CHECK(Within(r.steps, 0, replayMaxSteps));
    for (int p = 0; p < 2; ++p) {
        FUZZ_CHECK(Within(r.changeCount[p], 0, replayMaxChanges));
        int64_t last = -1;
        for (int i = 0; i < r.changeCount[p]; ++i) {
            const int64_t step = r.changes[p][i] >> 12;
            const uint32_t bits = r.changes[p][i] & 0x0FFF;
            FUZZ_CHECK(step > last && step < r.steps);
            FUZZ_CHECK(bits != 0);
            last = step;
        }
    }
    FUZZ_CHECK(Within(r.checkpointCount, 0, r.steps / 50));
    const ReplayResult& e = r.result;
    FUZZ_CHECK(Within(e.outcome, 0, 6));
    FUZZ_CHECK(e.truncated == 0 ? e.steps == r.steps : e.steps > r.steps);
    for (int p = 0; p < 2; ++p) FUZZ_CHECK(Within(e.score[p], 0, 99999999) && Within(e.scoreHigh[p], 0, 9999));
    FUZZ_CHECK(Within(e.level, 0, 999) && Within(e.maxChain, 0, 999));
    FUZZ_CHECK(Within(e.hours, 0, 99) && Within(e.minutes, 0, 59) && Within(e.seconds, 0, 59));
    // Played back, every step gives input bits only.
    ReplayCursor cursor;
    MatchInput input;
    int32_t steps = 0;
    while (ReadReplayStep(r, cursor, input)) {
        FUZZ_CHECK((input.player[0] | input.player[1]) <= 0x0FFF);
        ++steps;
    }
    FUZZ_CHECK(steps == r.steps);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    EnterFuzzFolder(argc, argv);
    decoded = std::make_unique<Replay>();
    again = std::make_unique<Replay>();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ReplayReport report;
    if (!DecodeReplay(data, size, *decoded, report)) {
        FUZZ_CHECK(report.problem != ReplayProblem::none);
        FUZZ_CHECK(report.reason[0] != '\0' && std::strchr(report.reason, '\n') == nullptr);
        FUZZ_CHECK(decoded->steps == 0 && decoded->changeCount[0] == 0 && decoded->changeCount[1] == 0);
        return 0;
    }
    FUZZ_CHECK(report.problem == ReplayProblem::none);
    CheckReplay(*decoded);

    std::string written;
    EncodeReplay(*decoded, written);
    FUZZ_CHECK(written.size() == size && std::memcmp(written.data(), data, size) == 0);
    FUZZ_CHECK(DecodeReplay(reinterpret_cast<const uint8_t*>(written.data()), written.size(), *again, report));
    FUZZ_CHECK(SameReplay(*decoded, *again));
    return 0;
}
