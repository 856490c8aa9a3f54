#pragma once
#include <cstdint>

// What a finished endless match hands to the ranking.
struct MatchResult {
    int32_t score = 0;       // 0..99999999
    int32_t scoreHigh = 0;   // hundred-millions
    int32_t level = 1;
    int32_t maxChain = 0;
    int32_t hours = 0;
    int32_t minutes = 0;
    int32_t seconds = 0;
    int8_t difficulty = 0;
};

// Ranks a result into the shared table (read afresh from the file first);
// place 0..99, or -1 when it does not qualify (a zero score never does).
int RankResult(const MatchResult& result);
// Grade 0..11 of a result.
int ComputeGrade(int32_t scoreHigh, int32_t score, int32_t maxChain);
