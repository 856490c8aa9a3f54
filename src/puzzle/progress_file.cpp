#include "puzzle/progress_file.h"

#include "puzzle/puzzle_ideas.h"

#include <algorithm>
#include <cstring>

#include "platform/game_files.h"

ClearFile clearTables;

namespace {

constexpr const char* clearPath = "Data\\CLEAR.dat";

}  // namespace

void ReadClearFile(ClearFile& tables) {
    std::memset(&tables, 0, sizeof tables);
    ReadGameFile(clearPath, &tables, sizeof tables);
    for (int i = 0; i < puzzleCount; ++i) {
        if (tables.solved[i] != 1) {
            tables.solved[i] = 0;
            tables.bestSeconds[i] = 0;
        }
    }
}

bool RecordSolve(ClearFile& tables, int index, int32_t secondsLeft) {
    if (index < 0 || index >= puzzleCount) return false;
    const uint8_t left = static_cast<uint8_t>(std::clamp(secondsLeft, 0, 255));
    if (tables.solved[index] == 1 && left <= tables.bestSeconds[index]) return false;
    tables.solved[index] = 1;
    tables.bestSeconds[index] = left;
    return WriteGameFileAtomic(clearPath, &tables, sizeof tables);
}

void ResetPuzzleRecords() {
    DefaultPuzzleFile(puzzleTables);
    clearTables = ClearFile{};
    ResetPuzzleIdeas();
}
