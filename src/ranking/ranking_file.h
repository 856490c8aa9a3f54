#pragma once

// ranking: the endless ranking file, the rules that rank a finished match,
// the ranking lines' pictures, the name entry after a match and the ranking
// viewer of the main menu. It stands on options, shell, content and platform.

#include <cstdint>

constexpr int rankingEntries = 100;

// The endless ranking, "Data\ED.dat": eight parallel arrays, 3400 bytes.
struct RankingFile {
    int32_t score[rankingEntries];      // -1 marks an empty entry
    int32_t scoreHigh[rankingEntries];
    int32_t level[rankingEntries];
    int32_t maxChain[rankingEntries];
    int8_t name[rankingEntries][4];     // character codes 0..39
    int32_t time[rankingEntries][3];    // hours, minutes, seconds
    int8_t grade[rankingEntries];       // 0 best .. 11
    int8_t difficulty[rankingEntries];
};
static_assert(sizeof(RankingFile) == 3400, "the file is the raw record");

extern RankingFile rankingTable;

// Character of a name code: "A".."Z", "!", "?", ".", "0".."9", "_".
char NameCharacter(int code);

// Reads the file into a table; missing gives all entries empty. Every field
// is brought into the range the screens can show.
void ReadRankingFile(RankingFile& table);
// Writes the shared table atomically. True when the file now holds it; on
// false the file is as it was and the table stays as it is.
bool WriteRankingFile();
