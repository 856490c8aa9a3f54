// The puzzle file "Data\PZL.dat": from any bytes every field of every problem
// is inside the editor's range (ClampPuzzleFile's promise), the bytes a short
// file lacks are the defaults, and a file already in range is read as it is.
// Written back it reads the same, and a valid file written back gives the
// same bytes.

#include <algorithm>
#include <cstring>

#include "fuzz_support.h"
#include "puzzle/puzzle_file.h"

namespace {

constexpr const char* diskPath = "Data/PZL.dat";
constexpr size_t fileBytes = sizeof(PuzzleFile);

void CheckRanges(const PuzzleFile& t) {
    for (int i = 0; i < puzzleCount; ++i) {
        for (int8_t cell : t.boards[i]) FUZZ_CHECK(cell >= -1 && cell <= 7);
        FUZZ_CHECK(t.targetSums[i] >= 7 && t.targetSums[i] <= 10);
        const int8_t limit = t.swapLimits[i];
        FUZZ_CHECK(limit == -2 || limit == -1 || (limit >= 1 && limit <= 100));
        FUZZ_CHECK(t.goalTypes[i] >= 0 && t.goalTypes[i] <= 3);
        const GoalRange range = goalRanges[t.goalTypes[i]];
        FUZZ_CHECK(t.goalValues[i] >= range.low && t.goalValues[i] <= range.high);
        FUZZ_CHECK(t.minutes[i] >= 0 && t.minutes[i] <= 10);
        FUZZ_CHECK(t.seconds[i] >= 0 && t.seconds[i] <= 50 && t.seconds[i] % 10 == 0);
        if (t.minutes[i] == 10) FUZZ_CHECK(t.seconds[i] == 0);
    }
}

// The file is the record itself: the bytes it holds over the defaults.
PuzzleFile Overlay(const uint8_t* data, size_t size) {
    PuzzleFile t;
    DefaultPuzzleFile(t);
    std::memcpy(&t, data, size < fileBytes ? size : fileBytes);
    return t;
}

bool Same(const PuzzleFile& a, const PuzzleFile& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// Field by field, what the editor would make of each raw value.
PuzzleFile Expected(const PuzzleFile& raw) {
    PuzzleFile t = raw;
    for (int i = 0; i < puzzleCount; ++i) {
        for (int8_t& cell : t.boards[i]) cell = cell >= -1 && cell <= 7 ? cell : int8_t{-1};
        t.targetSums[i] = std::clamp<int8_t>(t.targetSums[i], 7, 10);
        const int8_t limit = t.swapLimits[i];
        t.swapLimits[i] = limit == 0 ? int8_t{-2} : std::clamp<int8_t>(limit, -2, 100);
        t.goalTypes[i] = std::clamp<int8_t>(t.goalTypes[i], 0, 3);
        const GoalRange range = goalRanges[t.goalTypes[i]];
        t.goalValues[i] = std::clamp(t.goalValues[i], range.low, range.high);
        t.minutes[i] = std::clamp(t.minutes[i], 0, 10);
        const int32_t seconds = std::clamp(t.seconds[i], 0, 59);
        t.seconds[i] = t.minutes[i] == 10 ? 0 : std::min(seconds - seconds % 10, 50);
    }
    return t;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    EnterFuzzFolder(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    PuzzleFile defaults;
    DefaultPuzzleFile(defaults);
    PuzzleFile none;
    std::memset(&none, 0x5A, sizeof none);
    CheckRanges(defaults);

    PutFile(diskPath, data, size);
    PuzzleFile read = none;
    FUZZ_CHECK(ReadPuzzleFile(read));
    CheckRanges(read);

    // Bringing into range is all the reader does: a record already in range
    // stays as it is, and doing it twice changes nothing more.
    const PuzzleFile raw = Overlay(data, size);
    const PuzzleFile clamped = Expected(raw);
    FUZZ_CHECK(Same(read, clamped));
    PuzzleFile twice = clamped;
    ClampPuzzleFile(twice);
    FUZZ_CHECK(Same(twice, clamped));
    const bool valid = Same(raw, clamped);
    if (size < fileBytes) {
        const uint8_t* tail = reinterpret_cast<const uint8_t*>(&defaults) + size;
        const uint8_t* readTail = reinterpret_cast<const uint8_t*>(&raw) + size;
        FUZZ_CHECK(std::memcmp(tail, readTail, fileBytes - size) == 0);
    }

    FUZZ_CHECK(WritePuzzleFile(read));
    const std::vector<uint8_t> written = FileBytes(diskPath);
    FUZZ_CHECK(written.size() == fileBytes);
    FUZZ_CHECK(std::memcmp(written.data(), &read, fileBytes) == 0);
    if (valid && size >= fileBytes) FUZZ_CHECK(std::memcmp(written.data(), data, fileBytes) == 0);

    PuzzleFile again = none;
    FUZZ_CHECK(ReadPuzzleFile(again));
    FUZZ_CHECK(Same(again, read));

    for (int i = 0; i < puzzleCount; ++i) {
        FUZZ_CHECK(PuzzlePresent(read, i) == (read.minutes[i] != 0 || read.seconds[i] != 0));
    }
    return 0;
}
