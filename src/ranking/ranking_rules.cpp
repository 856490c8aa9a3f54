#include "ranking/ranking_rules.h"

#include <algorithm>
#include <utility>

#include "ranking/ranking_file.h"

int ComputeGrade(int32_t scoreHigh, int32_t score, int32_t longestChain) {
    const int32_t h = scoreHigh;
    const int32_t s = score;
    const int32_t c = longestChain;
    if (h >= 10 || (h >= 5 && c >= 100)) return 0;
    if (h >= 5 || (h >= 2 && c >= 50)) return 1;
    if (h >= 2 || (h >= 1 && c >= 50)) return 2;
    if (h >= 1 || (s >= 50000000 && c >= 30)) return 3;
    if (s >= 50000000 || (s >= 30000000 && c >= 30)) return 4;
    if (s >= 30000000 || (s >= 10000000 && c >= 30)) return 5;
    if (s >= 10000000 || (s >= 5000000 && c >= 20)) return 6;
    if (s >= 5000000 || (s >= 1000000 && c >= 20)) return 7;
    if (s >= 1000000 || (s >= 500000 && c >= 20)) return 8;
    if (s >= 500000 || (s >= 100000 && c >= 20)) return 9;
    if (s >= 10000) return 10;
    return 11;
}

namespace {

// The record carried down the table while inserting.
struct CarriedEntry {
    int32_t score;
    int32_t scoreHigh;
    int32_t level;
    int32_t maxChain;
    int8_t name[4];
    int32_t time[3];
    int8_t grade;
    int8_t difficulty;
};

void Exchange(RankingFile& t, int i, CarriedEntry& e) {
    std::swap(t.score[i], e.score);
    std::swap(t.scoreHigh[i], e.scoreHigh);
    std::swap(t.level[i], e.level);
    std::swap(t.maxChain[i], e.maxChain);
    for (int k = 0; k < 4; ++k) std::swap(t.name[i][k], e.name[k]);
    for (int k = 0; k < 3; ++k) std::swap(t.time[i][k], e.time[k]);
    std::swap(t.grade[i], e.grade);
    std::swap(t.difficulty[i], e.difficulty);
}

}  // namespace

int RankResult(const MatchResult& result) {
    const MatchResult& pl = result;
    if (pl.score == 0 && pl.scoreHigh == 0) return -1;
    ReadRankingFile(rankingTable);
    RankingFile& t = rankingTable;
    int place = -1;
    CarriedEntry carried{};
    for (int i = 0; i < rankingEntries; ++i) {
        if (place < 0) {
            // Equal totals do not beat: a new result goes below them.
            const bool beats = t.scoreHigh[i] < pl.scoreHigh || (t.scoreHigh[i] == pl.scoreHigh && t.score[i] < pl.score);
            if (!beats) continue;
            place = i;
            // Stored within the ranges the file reader allows, so the
            // written entry reads back unchanged.
            carried.score = std::clamp<int32_t>(pl.score, 0, 99999999);
            carried.scoreHigh = std::clamp<int32_t>(pl.scoreHigh, 0, 9999);
            carried.level = std::clamp<int32_t>(pl.level, 1, 999);
            carried.maxChain = std::clamp<int32_t>(pl.maxChain, 0, 999);
            carried.time[0] = std::clamp<int32_t>(pl.hours, 0, 99);
            carried.time[1] = std::clamp<int32_t>(pl.minutes, 0, 59);
            carried.time[2] = std::clamp<int32_t>(pl.seconds, 0, 59);
            carried.grade = static_cast<int8_t>(ComputeGrade(pl.scoreHigh, pl.score, pl.maxChain));
            carried.difficulty = static_cast<int8_t>(std::clamp<int32_t>(pl.difficulty, 0, 2));
        }
        Exchange(t, i, carried);
    }
    return place;
}
