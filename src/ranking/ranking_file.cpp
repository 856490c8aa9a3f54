#include "ranking/ranking_file.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "platform/game_files.h"

RankingFile rankingTable;

namespace {

constexpr const char* rankingPath = "Data\\ED.dat";
constexpr size_t rankingBytes = sizeof(RankingFile);

// Byte offsets of the eight arrays in the file.
constexpr size_t scoreAt = 0;
constexpr size_t scoreHighAt = 400;
constexpr size_t levelAt = 800;
constexpr size_t maxChainAt = 1200;
constexpr size_t nameAt = 1600;
constexpr size_t timeAt = 2000;
constexpr size_t gradeAt = 3200;
constexpr size_t difficultyAt = 3300;

int32_t GetInt(const uint8_t* bytes, size_t at) {
    const uint32_t v = static_cast<uint32_t>(bytes[at]) | static_cast<uint32_t>(bytes[at + 1]) << 8 |
                       static_cast<uint32_t>(bytes[at + 2]) << 16 | static_cast<uint32_t>(bytes[at + 3]) << 24;
    return static_cast<int32_t>(v);
}

void PutInt(uint8_t* bytes, size_t at, int32_t value) {
    const uint32_t v = static_cast<uint32_t>(value);
    bytes[at] = static_cast<uint8_t>(v);
    bytes[at + 1] = static_cast<uint8_t>(v >> 8);
    bytes[at + 2] = static_cast<uint8_t>(v >> 16);
    bytes[at + 3] = static_cast<uint8_t>(v >> 24);
}

void MakeEmpty(RankingFile& t, int i) {
    t.score[i] = -1;
    t.scoreHigh[i] = 0;
    t.level[i] = 0;
    t.maxChain[i] = 0;
    std::memset(t.name[i], 0, sizeof t.name[i]);
    std::memset(t.time[i], 0, sizeof t.time[i]);
    t.grade[i] = 0;
    t.difficulty[i] = 0;
}

// Keeps every field inside what the screens can draw: a damaged file must
// never index a picture table out of range or print a figure too wide.
void ClampEntry(RankingFile& t, int i) {
    t.score[i] = std::clamp<int32_t>(t.score[i], -1, 99999999);
    if (t.score[i] < 0) {
        MakeEmpty(t, i);
        return;
    }
    t.scoreHigh[i] = std::clamp<int32_t>(t.scoreHigh[i], 0, 9999);
    t.level[i] = std::clamp<int32_t>(t.level[i], 1, 999);
    t.maxChain[i] = std::clamp<int32_t>(t.maxChain[i], 0, 999);
    for (int8_t& code : t.name[i]) code = static_cast<int8_t>(std::clamp<int32_t>(code, 0, 39));
    t.time[i][0] = std::clamp<int32_t>(t.time[i][0], 0, 99);
    t.time[i][1] = std::clamp<int32_t>(t.time[i][1], 0, 59);
    t.time[i][2] = std::clamp<int32_t>(t.time[i][2], 0, 59);
    t.grade[i] = static_cast<int8_t>(std::clamp<int32_t>(t.grade[i], 0, 11));
    t.difficulty[i] = static_cast<int8_t>(std::clamp<int32_t>(t.difficulty[i], 0, 2));
}

// True when entry a ranks below entry b (empty entries rank below all).
bool RanksBelow(const RankingFile& t, int a, int b) {
    if (t.score[b] < 0) return false;
    if (t.score[a] < 0) return true;
    if (t.scoreHigh[a] != t.scoreHigh[b]) return t.scoreHigh[a] < t.scoreHigh[b];
    return t.score[a] < t.score[b];
}

void SwapEntries(RankingFile& t, int a, int b) {
    std::swap(t.score[a], t.score[b]);
    std::swap(t.scoreHigh[a], t.scoreHigh[b]);
    std::swap(t.level[a], t.level[b]);
    std::swap(t.maxChain[a], t.maxChain[b]);
    for (int k = 0; k < 4; ++k) std::swap(t.name[a][k], t.name[b][k]);
    for (int k = 0; k < 3; ++k) std::swap(t.time[a][k], t.time[b][k]);
    std::swap(t.grade[a], t.grade[b]);
    std::swap(t.difficulty[a], t.difficulty[b]);
}

// A file written by hand or damaged may hold gaps or be out of order; a
// stable insertion sort puts it best first with the empty entries last, the
// order the ranking rules and the viewer count on. A sound file is unchanged.
void SortBestFirst(RankingFile& t) {
    for (int i = 1; i < rankingEntries; ++i)
        for (int j = i; j > 0 && RanksBelow(t, j - 1, j); --j) SwapEntries(t, j - 1, j);
}

}  // namespace

char NameCharacter(int code) {
    if (code >= 0 && code <= 25) return static_cast<char>('A' + code);
    if (code == 26) return '!';
    if (code == 27) return '?';
    if (code == 28) return '.';
    if (code >= 29 && code <= 38) return static_cast<char>('0' + code - 29);
    return '_';
}

void ReadRankingFile(RankingFile& table) {
    for (int i = 0; i < rankingEntries; ++i) MakeEmpty(table, i);
    uint8_t bytes[rankingBytes];
    const long got = ReadGameFile(rankingPath, bytes, sizeof bytes);
    if (got <= 0) return;
    const size_t have = static_cast<size_t>(got);
    // Whole elements only, array by array, as far as the file goes.
    for (int i = 0; i < rankingEntries; ++i) {
        const size_t at = 4 * static_cast<size_t>(i);
        if (scoreAt + at + 4 <= have) table.score[i] = GetInt(bytes, scoreAt + at);
        if (scoreHighAt + at + 4 <= have) table.scoreHigh[i] = GetInt(bytes, scoreHighAt + at);
        if (levelAt + at + 4 <= have) table.level[i] = GetInt(bytes, levelAt + at);
        if (maxChainAt + at + 4 <= have) table.maxChain[i] = GetInt(bytes, maxChainAt + at);
        for (size_t k = 0; k < 4; ++k)
            if (nameAt + at + k < have) table.name[i][k] = static_cast<int8_t>(bytes[nameAt + at + k]);
        for (size_t k = 0; k < 3; ++k) {
            const size_t t = timeAt + 12 * static_cast<size_t>(i) + 4 * k;
            if (t + 4 <= have) table.time[i][k] = GetInt(bytes, t);
        }
        if (gradeAt + i < have) table.grade[i] = static_cast<int8_t>(bytes[gradeAt + i]);
        if (difficultyAt + i < have) table.difficulty[i] = static_cast<int8_t>(bytes[difficultyAt + i]);
    }
    for (int i = 0; i < rankingEntries; ++i) ClampEntry(table, i);
    SortBestFirst(table);
}

bool WriteRankingFile() {
    uint8_t bytes[rankingBytes];
    const RankingFile& t = rankingTable;
    for (int i = 0; i < rankingEntries; ++i) {
        const size_t at = 4 * static_cast<size_t>(i);
        PutInt(bytes, scoreAt + at, t.score[i]);
        PutInt(bytes, scoreHighAt + at, t.scoreHigh[i]);
        PutInt(bytes, levelAt + at, t.level[i]);
        PutInt(bytes, maxChainAt + at, t.maxChain[i]);
        for (size_t k = 0; k < 4; ++k) bytes[nameAt + at + k] = static_cast<uint8_t>(t.name[i][k]);
        for (size_t k = 0; k < 3; ++k) PutInt(bytes, timeAt + 12 * static_cast<size_t>(i) + 4 * k, t.time[i][k]);
        bytes[gradeAt + i] = static_cast<uint8_t>(t.grade[i]);
        bytes[difficultyAt + i] = static_cast<uint8_t>(t.difficulty[i]);
    }
    return WriteGameFileAtomic(rankingPath, bytes, sizeof bytes);
}
