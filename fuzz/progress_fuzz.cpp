// The progress file "Data\CLEAR.dat": from any bytes every problem is solved
// (1) or not (0), an unsolved one has no best time, and a solved one keeps
// the best time the file holds. A solve that improves nothing writes nothing;
// one that does writes the tables, which read back the same, and a valid
// file gets back the same bytes but for the solve.

#include <cstring>

#include "fuzz_support.h"
#include "puzzle/progress_file.h"

namespace {

constexpr const char* diskPath = "Data/CLEAR.dat";
constexpr size_t fileBytes = sizeof(ClearFile);

bool Same(const ClearFile& a, const ClearFile& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    EnterFuzzFolder(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    PutFile(diskPath, data, size);
    ClearFile read;
    std::memset(&read, 0x5A, sizeof read);
    ReadClearFile(read);

    bool valid = size >= fileBytes;
    for (size_t i = 0; i < puzzleCount; ++i) {
        const bool solved = i < size && data[i] == 1;
        FUZZ_CHECK(read.solved[i] == (solved ? 1 : 0));
        const uint8_t best = solved && puzzleCount + i < size ? data[puzzleCount + i] : 0;
        FUZZ_CHECK(read.bestSeconds[i] == best);
        if (valid) valid = data[i] <= 1 && (solved || data[puzzleCount + i] == 0);
    }

    // A solve no better than the best kept changes neither tables nor file.
    for (int i = 0; i < puzzleCount; ++i) {
        if (read.solved[i] != 1) continue;
        ClearFile tables = read;
        FUZZ_CHECK(!RecordSolve(tables, i, read.bestSeconds[i]));
        FUZZ_CHECK(Same(tables, read));
        FUZZ_CHECK(FileBytes(diskPath) == std::vector<uint8_t>(data, data + size));
        break;
    }
    ClearFile tables = read;
    FUZZ_CHECK(!RecordSolve(tables, -1, 255));
    FUZZ_CHECK(!RecordSolve(tables, puzzleCount, 255));
    FUZZ_CHECK(Same(tables, read));

    // The first problem a full-clock solve improves: the file is rewritten
    // with it and nothing else changes.
    int improved = -1;
    for (int i = 0; i < puzzleCount && improved < 0; ++i) {
        if (read.solved[i] != 1 || read.bestSeconds[i] < 255) improved = i;
    }
    if (improved < 0) {
        FUZZ_CHECK(!RecordSolve(tables, 0, 1000));
        return 0;
    }
    FUZZ_CHECK(RecordSolve(tables, improved, 1000));  // more than a byte holds
    FUZZ_CHECK(tables.solved[improved] == 1 && tables.bestSeconds[improved] == 255);
    const std::vector<uint8_t> written = FileBytes(diskPath);
    FUZZ_CHECK(written.size() == fileBytes);
    FUZZ_CHECK(std::memcmp(written.data(), &tables, fileBytes) == 0);
    if (valid) {
        std::vector<uint8_t> expected(data, data + fileBytes);
        expected[improved] = 1;
        expected[puzzleCount + improved] = 255;
        FUZZ_CHECK(written == expected);
    }

    ClearFile again;
    std::memset(&again, 0x5A, sizeof again);
    ReadClearFile(again);
    FUZZ_CHECK(Same(again, tables));
    return 0;
}
