#include "gallery/unlock_rules.h"

#include "content/game_texts.h"

namespace {

constexpr int8_t any = 0;
constexpr int8_t hardest = 1;

}  // namespace

// Ordered along the grid, so a row of the gallery is about one stage of
// skill: the top row comes in a first session, the bottom one with mastery.
const UnlockRule unlockRules[itemCount] = {
    {Feat::none, 0, any},
    {Feat::endlessScore, 1000, any},
    {Feat::puzzlesSolved, 1, any},
    {Feat::practiceLines, 10, any},
    {Feat::endlessChain, 3, any},
    {Feat::versusWins, 1, any},
    {Feat::endlessLevel, 5, any},
    {Feat::puzzlesSolved, 5, any},
    {Feat::practiceChain, 3, any},
    {Feat::endlessMinutes, 3, any},

    {Feat::endlessScore, 10000, any},
    {Feat::puzzlesSolved, 10, any},
    {Feat::endlessChain, 5, any},
    {Feat::versusWinChain, 5, any},
    {Feat::endlessLevel, 10, any},
    {Feat::practiceLines, 50, any},
    {Feat::puzzlesSolved, 20, any},
    {Feat::versusWins, 3, any},
    {Feat::practiceChain, 5, any},
    {Feat::endlessMinutes, 10, any},

    {Feat::endlessScore, 100000, any},
    {Feat::endlessChain, 10, any},
    {Feat::puzzlesSolved, 30, any},
    {Feat::endlessLevel, 20, any},
    {Feat::versusWinChain, 10, any},
    {Feat::practiceLines, 200, any},
    {Feat::puzzlesSolved, 40, any},
    {Feat::versusWins, 5, any},
    {Feat::practiceChain, 10, any},
    {Feat::endlessScore, 100000, hardest},

    {Feat::endlessScore, 1000000, any},
    {Feat::endlessChain, 20, any},
    {Feat::puzzlesSolved, 50, any},
    {Feat::endlessLevel, 40, any},
    {Feat::endlessMinutes, 30, any},
    {Feat::practiceChain, 20, any},
    {Feat::puzzlesSolved, 60, any},
    {Feat::versusWins, 10, any},
    {Feat::versusWinChain, 20, any},
    {Feat::endlessLevel, 30, hardest},

    {Feat::endlessScore, 10000000, any},
    {Feat::endlessChain, 50, any},
    {Feat::puzzlesSolved, 80, any},
    {Feat::endlessLevel, 70, any},
    {Feat::practiceLines, 1000, any},
    {Feat::endlessChain, 30, hardest},
    {Feat::puzzlesSolved, 100, any},
    {Feat::endlessScore, 100000000, any},
    {Feat::endlessChain, 100, any},
    {Feat::allOtherItems, 0, any},
};

const char* UnlockHint(int item) {
    // The hints are a run of the table from item 1: item 0 is held from the
    // start and has none.
    if (item < 1 || item >= itemCount) return "";
    return Tr(TextAfter(TextName::ItemUnlockCherries, item - 1));
}

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
