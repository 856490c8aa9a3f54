#include "gallery/unlock_rules.h"

namespace {

constexpr int8_t any = 0;
constexpr int8_t hardest = 1;

}  // namespace

// Ordered along the grid, so a row of the gallery is about one stage of
// skill: the top row comes in a first session, the bottom one with mastery.
const UnlockRule unlockRules[itemCount] = {
    {Feat::none, 0, any, ""},
    {Feat::endlessScore, 1000, any, "ひとりであそぶで1000点を取る"},
    {Feat::puzzlesSolved, 1, any, "パズルを1問解く"},
    {Feat::practiceLines, 10, any, "練習1回でラインを10本消す"},
    {Feat::endlessChain, 3, any, "ひとりであそぶで3連鎖する"},
    {Feat::versusWins, 1, any, "ふたりであそぶで1勝する"},
    {Feat::endlessLevel, 5, any, "ひとりであそぶでレベル5に上がる"},
    {Feat::puzzlesSolved, 5, any, "パズルを5問解く"},
    {Feat::practiceChain, 3, any, "練習で3連鎖する"},
    {Feat::endlessMinutes, 3, any, "ひとりであそぶで3分間生き残る"},

    {Feat::endlessScore, 10000, any, "ひとりであそぶで1万点を取る"},
    {Feat::puzzlesSolved, 10, any, "パズルを10問解く"},
    {Feat::endlessChain, 5, any, "ひとりであそぶで5連鎖する"},
    {Feat::versusWinChain, 5, any, "ふたりであそぶで5連鎖して勝つ"},
    {Feat::endlessLevel, 10, any, "ひとりであそぶでレベル10に上がる"},
    {Feat::practiceLines, 50, any, "練習1回でラインを50本消す"},
    {Feat::puzzlesSolved, 20, any, "パズルを20問解く"},
    {Feat::versusWins, 3, any, "ふたりであそぶで続けて戦い3勝する"},
    {Feat::practiceChain, 5, any, "練習で5連鎖する"},
    {Feat::endlessMinutes, 10, any, "ひとりであそぶで10分間生き残る"},

    {Feat::endlessScore, 100000, any, "ひとりであそぶで10万点を取る"},
    {Feat::endlessChain, 10, any, "ひとりであそぶで10連鎖する"},
    {Feat::puzzlesSolved, 30, any, "パズルを30問解く"},
    {Feat::endlessLevel, 20, any, "ひとりであそぶでレベル20に上がる"},
    {Feat::versusWinChain, 10, any, "ふたりであそぶで10連鎖して勝つ"},
    {Feat::practiceLines, 200, any, "練習1回でラインを200本消す"},
    {Feat::puzzlesSolved, 40, any, "パズルを40問解く"},
    {Feat::versusWins, 5, any, "ふたりであそぶで続けて戦い5勝する"},
    {Feat::practiceChain, 10, any, "練習で10連鎖する"},
    {Feat::endlessScore, 100000, hardest, "最高難易度のひとりであそぶで10万点"},

    {Feat::endlessScore, 1000000, any, "ひとりであそぶで100万点を取る"},
    {Feat::endlessChain, 20, any, "ひとりであそぶで20連鎖する"},
    {Feat::puzzlesSolved, 50, any, "パズルを50問解く"},
    {Feat::endlessLevel, 40, any, "ひとりであそぶでレベル40に上がる"},
    {Feat::endlessMinutes, 30, any, "ひとりであそぶで30分間生き残る"},
    {Feat::practiceChain, 20, any, "練習で20連鎖する"},
    {Feat::puzzlesSolved, 60, any, "パズルを60問解く"},
    {Feat::versusWins, 10, any, "ふたりであそぶで続けて戦い10勝する"},
    {Feat::versusWinChain, 20, any, "ふたりであそぶで20連鎖して勝つ"},
    {Feat::endlessLevel, 30, hardest, "最高難易度のひとりであそぶでレベル30"},

    {Feat::endlessScore, 10000000, any, "ひとりであそぶで1000万点を取る"},
    {Feat::endlessChain, 50, any, "ひとりであそぶで50連鎖する"},
    {Feat::puzzlesSolved, 80, any, "パズルを80問解く"},
    {Feat::endlessLevel, 70, any, "ひとりであそぶでレベル70に上がる"},
    {Feat::practiceLines, 1000, any, "練習1回でラインを1000本消す"},
    {Feat::endlessChain, 30, hardest, "最高難易度のひとりであそぶで30連鎖"},
    {Feat::puzzlesSolved, 100, any, "パズルを全100問解く"},
    {Feat::endlessScore, 100000000, any, "ひとりであそぶで1億点を取る"},
    {Feat::endlessChain, 100, any, "ひとりであそぶで100連鎖する"},
    {Feat::allOtherItems, 0, any, "ほかのアイテムをすべて集める"},
};

Achievements PuzzleProgress(int32_t solvedCount) {
    Achievements a;
    a[Feat::puzzlesSolved] = solvedCount;
    return a;
}

Achievements EndlessResult(int32_t scoreHigh, int32_t score, int32_t level, int32_t longestChain, int32_t minutes,
                           int8_t difficulty) {
    Achievements a;
    a[Feat::endlessScore] = static_cast<int64_t>(scoreHigh) * 100000000 + score;
    a[Feat::endlessLevel] = level;
    a[Feat::endlessChain] = longestChain;
    a[Feat::endlessMinutes] = minutes;
    a.difficulty = difficulty;
    return a;
}

Achievements VersusWin(int32_t winsInSeries, int32_t longestChain) {
    Achievements a;
    a[Feat::versusWins] = winsInSeries;
    a[Feat::versusWinChain] = longestChain;
    return a;
}

Achievements PracticeSession(int32_t lines, int32_t longestChain) {
    Achievements a;
    a[Feat::practiceLines] = lines;
    a[Feat::practiceChain] = longestChain;
    return a;
}

bool RuleMet(int item, const Achievements& a, const ItemFile& flags) {
    if (item < 0 || item >= itemCount) return false;
    const UnlockRule& rule = unlockRules[item];
    if (rule.feat == Feat::none) return false;
    if (rule.feat == Feat::allOtherItems) {
        for (int i = 0; i < itemCount; ++i)
            if (i != item && flags.unlocked[i] != 1) return false;
        return true;
    }
    if (rule.hardestOnly == hardest && a.difficulty != hardestDifficulty) return false;
    return a[rule.feat] >= rule.goal;
}

int ApplyAchievements(const Achievements& a, ItemFile& flags, NewItems& added) {
    added = NewItems{};
    // Two rounds: the item for all the others can only follow them.
    for (int round = 0; round < 2; ++round)
        for (int i = 0; i < itemCount; ++i) {
            const bool last = unlockRules[i].feat == Feat::allOtherItems;
            if (last != (round == 1) || flags.unlocked[i] == 1 || !RuleMet(i, a, flags)) continue;
            flags.unlocked[i] = 1;
            added.items[added.count++] = static_cast<int8_t>(i);
        }
    return added.count;
}
