#pragma once
#include <cstdint>

#include "gallery/item_file.h"

// How the items are won. Every item but the first answers to one feat in one
// mode: puzzle problems solved (the progress record counts them), an endless
// match's score, level, longest chain or time (some on the hardest
// difficulty only), versus wins and winning chains, a practice session's
// lines and chains; the last item asks for all the others. The first few
// come within a first session, the last ask for real mastery.

enum class Feat : int8_t {
    none = -1,           // item 0: held from the start
    puzzlesSolved = 0,   // problems solved so far
    endlessScore,        // one endless match: score (scoreHigh counted in)
    endlessLevel,        // level reached
    endlessChain,        // longest chain
    endlessMinutes,      // minutes played before the top-out
    versusWins,          // wins of the winner in one series of versus matches
    versusWinChain,      // the winner's longest chain in the match won
    practiceLines,       // lines cleared in one practice session
    practiceChain,       // longest chain in one practice session
    allOtherItems,       // every other item unlocked
};
constexpr int measuredFeats = static_cast<int>(Feat::allOtherItems);

struct UnlockRule {
    Feat feat;
    int64_t goal;         // the feat's value must reach it
    int8_t hardestOnly;   // 1: counts only on the hardest difficulty (endless)
};

// Item n is won by unlockRules[n].
extern const UnlockRule unlockRules[itemCount];

// The gallery's one line on how to win item n, in the language the game
// speaks; empty for item 0 (held from the start) and outside the fifty.
const char* UnlockHint(int item);

// The difficulty option's hardest value.
constexpr int8_t hardestDifficulty = 2;

// What one match, practice session or solve achieved: a value per measured
// feat, 0 for those it does not measure.
struct Achievements {
    int64_t value[measuredFeats] = {};
    int8_t difficulty = 0;  // of an endless match
    int64_t& operator[](Feat f) { return value[static_cast<int>(f)]; }
    int64_t operator[](Feat f) const { return value[static_cast<int>(f)]; }
};

Achievements PuzzleProgress(int32_t solvedCount);
Achievements EndlessResult(int32_t scoreHigh, int32_t score, int32_t level, int32_t longestChain, int32_t minutes,
                           int8_t difficulty);
// The winner of a versus match: wins in the series so far (this one
// counted) and the longest chain in the match.
Achievements VersusWin(int32_t winsInSeries, int32_t longestChain);
Achievements PracticeSession(int32_t lines, int32_t longestChain);

// True when the achievements (with the flags, for the last item) meet item's rule.
bool RuleMet(int item, const Achievements& a, const ItemFile& flags);

// Items newly unlocked, in item order.
struct NewItems {
    int8_t count = 0;
    int8_t items[itemCount] = {};
};

// Unlocks every locked item whose rule the achievements meet (nothing is
// ever locked again) and lists them in added. Returns added.count.
int ApplyAchievements(const Achievements& a, ItemFile& flags, NewItems& added);
