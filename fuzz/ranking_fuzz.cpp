// The ranking file "Data\ED.dat": from any bytes the table holds only what
// ReadRankingFile promises (every field in the range the screens can show,
// empty entries blank, best first with the empties last), and equals what a
// second, plain reading of the layout gives. Written back it reads the same,
// and a valid table written back gives the same bytes.

#include <algorithm>
#include <array>
#include <cstring>

#include "fuzz_support.h"
#include "ranking/ranking_file.h"

namespace {

constexpr const char* diskPath = "Data/ED.dat";
constexpr size_t fileBytes = sizeof(RankingFile);

struct Entry {
    int32_t score = -1;
    int32_t scoreHigh = 0;
    int32_t level = 0;
    int32_t maxChain = 0;
    std::array<int8_t, 4> name{};
    std::array<int32_t, 3> time{};
    int8_t grade = 0;
    int8_t difficulty = 0;
    friend bool operator==(const Entry&, const Entry&) = default;
};
using Table = std::array<Entry, rankingEntries>;

Table FromFile(const RankingFile& t) {
    Table out;
    for (int i = 0; i < rankingEntries; ++i) {
        Entry& e = out[i];
        e.score = t.score[i];
        e.scoreHigh = t.scoreHigh[i];
        e.level = t.level[i];
        e.maxChain = t.maxChain[i];
        for (int k = 0; k < 4; ++k) e.name[k] = t.name[i][k];
        for (int k = 0; k < 3; ++k) e.time[k] = t.time[i][k];
        e.grade = t.grade[i];
        e.difficulty = t.difficulty[i];
    }
    return out;
}

// The layout read plainly: eight arrays one after the other, little-endian,
// an element taken only when the file holds all of it.
Table ReadLayout(const uint8_t* data, size_t size) {
    const size_t have = std::min(size, fileBytes);
    auto int32At = [&](size_t at, int32_t& field) {
        if (at + 4 <= have) field = static_cast<int32_t>(Le32(data + at));
    };
    auto int8At = [&](size_t at, int8_t& field) {
        if (at < have) field = static_cast<int8_t>(data[at]);
    };
    Table t;
    for (size_t i = 0; i < rankingEntries; ++i) {
        Entry& e = t[i];
        int32At(4 * i, e.score);
        int32At(400 + 4 * i, e.scoreHigh);
        int32At(800 + 4 * i, e.level);
        int32At(1200 + 4 * i, e.maxChain);
        for (size_t k = 0; k < 4; ++k) int8At(1600 + 4 * i + k, e.name[k]);
        for (size_t k = 0; k < 3; ++k) int32At(2000 + 12 * i + 4 * k, e.time[k]);
        int8At(3200 + i, e.grade);
        int8At(3300 + i, e.difficulty);
    }
    return t;
}

Entry Clamped(Entry e) {
    if (e.score < 0) return Entry{};
    e.score = std::min(e.score, 99999999);
    e.scoreHigh = std::clamp(e.scoreHigh, 0, 9999);
    e.level = std::clamp(e.level, 1, 999);
    e.maxChain = std::clamp(e.maxChain, 0, 999);
    for (int8_t& c : e.name) c = std::clamp<int8_t>(c, 0, 39);
    e.time[0] = std::clamp(e.time[0], 0, 99);
    e.time[1] = std::clamp(e.time[1], 0, 59);
    e.time[2] = std::clamp(e.time[2], 0, 59);
    e.grade = std::clamp<int8_t>(e.grade, 0, 11);
    e.difficulty = std::clamp<int8_t>(e.difficulty, 0, 2);
    return e;
}

// Higher first by scoreHigh, then by score; entries equal in both keep
// their order; empty entries go last.
Table Expected(const uint8_t* data, size_t size) {
    Table t = ReadLayout(data, size);
    for (Entry& e : t) e = Clamped(e);
    std::stable_sort(t.begin(), t.end(), [](const Entry& a, const Entry& b) {
        if (a.score < 0) return false;
        if (b.score < 0) return true;
        if (a.scoreHigh != b.scoreHigh) return a.scoreHigh > b.scoreHigh;
        return a.score > b.score;
    });
    return t;
}

void CheckRanges(const Table& t) {
    bool emptySeen = false;
    for (const Entry& e : t) {
        if (e.score < 0) {
            FUZZ_CHECK(e == Entry{});
            emptySeen = true;
            continue;
        }
        FUZZ_CHECK(!emptySeen);  // empties last
        FUZZ_CHECK(e.score <= 99999999);
        FUZZ_CHECK(e.scoreHigh >= 0 && e.scoreHigh <= 9999);
        FUZZ_CHECK(e.level >= 1 && e.level <= 999);
        FUZZ_CHECK(e.maxChain >= 0 && e.maxChain <= 999);
        for (int8_t c : e.name) FUZZ_CHECK(c >= 0 && c <= 39);
        FUZZ_CHECK(e.time[0] >= 0 && e.time[0] <= 99);
        FUZZ_CHECK(e.time[1] >= 0 && e.time[1] <= 59);
        FUZZ_CHECK(e.time[2] >= 0 && e.time[2] <= 59);
        FUZZ_CHECK(e.grade >= 0 && e.grade <= 11);
        FUZZ_CHECK(e.difficulty >= 0 && e.difficulty <= 2);
    }
    for (int i = 1; i < rankingEntries; ++i) {
        const Entry& a = t[i - 1];
        const Entry& b = t[i];
        if (b.score < 0) continue;
        FUZZ_CHECK(a.scoreHigh > b.scoreHigh || (a.scoreHigh == b.scoreHigh && a.score >= b.score));
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    EnterFuzzFolder(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    PutFile(diskPath, data, size);
    // Whatever the table held before must not show through.
    std::memset(&rankingTable, 0x5A, sizeof rankingTable);
    ReadRankingFile(rankingTable);
    const Table read = FromFile(rankingTable);
    CheckRanges(read);
    FUZZ_CHECK(read == Expected(data, size));

    WriteRankingFile();
    const std::vector<uint8_t> written = FileBytes(diskPath);
    FUZZ_CHECK(written.size() == fileBytes);
    FUZZ_CHECK(ReadLayout(written.data(), written.size()) == read);
    // A file already valid, whole and in order is written back unchanged.
    if (size >= fileBytes && ReadLayout(data, size) == read) {
        FUZZ_CHECK(std::memcmp(written.data(), data, fileBytes) == 0);
    }

    RankingFile again;
    ReadRankingFile(again);
    FUZZ_CHECK(FromFile(again) == read);
    return 0;
}
