#include "puzzle/puzzle_file.h"

#include <algorithm>
#include <cstring>

#include "platform/game_files.h"

PuzzleFile puzzleTables;

namespace {

constexpr const char* puzzlePath = "Data\\PZL.dat";

}  // namespace

void DefaultPuzzleFile(PuzzleFile& tables) {
    std::memset(tables.boards, -1, sizeof tables.boards);
    std::memset(tables.targetSums, 7, sizeof tables.targetSums);
    std::memset(tables.swapLimits, -1, sizeof tables.swapLimits);
    std::memset(tables.goalTypes, 0, sizeof tables.goalTypes);
    std::memset(tables.goalValues, 0, sizeof tables.goalValues);
    std::memset(tables.seconds, 0, sizeof tables.seconds);
    std::memset(tables.minutes, 0, sizeof tables.minutes);
}

void ClampPuzzleFile(PuzzleFile& t) {
    for (int i = 0; i < puzzleCount; ++i) {
        for (int8_t& cell : t.boards[i])
            if (cell < -1 || cell > 7) cell = -1;
        t.targetSums[i] = std::clamp<int8_t>(t.targetSums[i], 7, 10);
        // 0 swaps left is what -2 means to the rules; the editor never writes 0.
        int8_t& limit = t.swapLimits[i];
        limit = limit == 0 ? int8_t{-2} : std::clamp<int8_t>(limit, -2, 100);
        t.goalTypes[i] = std::clamp<int8_t>(t.goalTypes[i], 0, 3);
        const GoalRange range = goalRanges[t.goalTypes[i]];
        t.goalValues[i] = std::clamp(t.goalValues[i], range.low, range.high);
        t.minutes[i] = std::clamp(t.minutes[i], 0, 10);
        // Whole tens of seconds, and nothing past 10:00.
        t.seconds[i] = t.minutes[i] == 10 ? 0 : std::clamp(t.seconds[i], 0, 50) / 10 * 10;
    }
}

bool ReadPuzzleFile(PuzzleFile& tables) {
    DefaultPuzzleFile(tables);
    const long got = ReadGameFile(puzzlePath, &tables, sizeof tables);
    ClampPuzzleFile(tables);
    return got >= 0;
}

bool WritePuzzleFile(const PuzzleFile& tables) { return WriteGameFileAtomic(puzzlePath, &tables, sizeof tables); }

bool PuzzlePresent(const PuzzleFile& tables, int index) {
    if (index < 0 || index >= puzzleCount) return false;
    return tables.minutes[index] != 0 || tables.seconds[index] != 0;
}

bool NextPuzzlePresent(const PuzzleFile& tables, int index) {
    return index < puzzleCount - 1 && PuzzlePresent(tables, index + 1);
}
