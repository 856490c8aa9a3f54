#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <string>

#include "gallery/unlock_rules.h"
#include "harness/harness.h"
#include "platform/text.h"

namespace {

// Exactly what item i's rule asks, less `less`.
Achievements AtGoal(int i, int64_t less = 0) {
    Achievements a;
    a[unlockRules[i].feat] = unlockRules[i].goal - less;
    a.difficulty = unlockRules[i].hardestOnly == 1 ? hardestDifficulty : 1;
    return a;
}

ItemFile Fresh() {
    ItemFile flags;
    DefaultItemFile(flags);
    return flags;
}

// Each achievement at its goal unlocks its item and the easier items of the
// same feat, nothing else; one short of it, not the item. Item 0 is held
// from the start, the last asks for all the others.
TEST(UnlockRules, EveryItemIsReachableAndEachAchievementUnlocksExactlyItsItems) {
    EXPECT_EQ(unlockRules[0].feat, Feat::none);
    EXPECT_EQ(unlockRules[49].feat, Feat::allOtherItems);
    for (int i = 1; i < 49; ++i) {
        SCOPED_TRACE(i);
        const UnlockRule& rule = unlockRules[i];
        std::set<int> expected;
        for (int j = 1; j < 49; ++j) {
            const UnlockRule& other = unlockRules[j];
            if (other.feat == rule.feat && other.goal <= rule.goal && other.hardestOnly <= rule.hardestOnly)
                expected.insert(j);
        }
        ItemFile flags = Fresh();
        NewItems added;
        ApplyAchievements(AtGoal(i), flags, added);
        EXPECT_EQ(std::set<int>(added.items, added.items + added.count), expected);
        for (int j = 0; j < itemCount; ++j) EXPECT_EQ(flags.unlocked[j], j == 0 || expected.count(j) ? 1 : 0) << j;

        flags = Fresh();
        ApplyAchievements(AtGoal(i, 1), flags, added);
        EXPECT_EQ(flags.unlocked[i], 0) << "one short of the goal";
        if (rule.hardestOnly == 1) {
            Achievements easier = AtGoal(i);
            easier.difficulty = 1;
            EXPECT_FALSE(RuleMet(i, easier, Fresh())) << "only on the hardest difficulty";
        }
    }
}

// All 100 problems solved is the last item missing: it and the item for
// all the others come together, in order; then nothing more, and nothing
// is ever taken away.
TEST(UnlockRules, TheLastItemFollowsTheOthersAndNothingIsTakenAway) {
    ItemFile flags;
    for (uint8_t& f : flags.unlocked) f = 1;
    flags.unlocked[46] = flags.unlocked[49] = 0;
    NewItems added;
    EXPECT_EQ(ApplyAchievements(PuzzleProgress(99), flags, added), 0);
    EXPECT_EQ(ApplyAchievements(PuzzleProgress(100), flags, added), 2);
    EXPECT_EQ(added.items[0], 46);
    EXPECT_EQ(added.items[1], 49);
    for (const Achievements& a : {Achievements{}, PuzzleProgress(0), EndlessResult(0, 0, 1, 0, 0, 0)}) {
        EXPECT_EQ(ApplyAchievements(a, flags, added), 0);
        EXPECT_EQ(UnlockedCount(flags), itemCount);
    }
}

// Every mode has its items, the goals of a feat rise along the grid, and a
// first session of each mode wins the whole first row.
TEST(UnlockRules, TheItemsSpreadOverEveryModeAndRiseAlongTheGrid) {
    int perFeat[measuredFeats] = {};
    for (int i = 1; i < 49; ++i) ++perFeat[static_cast<int>(unlockRules[i].feat)];
    for (int f = 0; f < measuredFeats; ++f) EXPECT_GE(perFeat[f], 3) << f;
    for (int i = 1; i < 49; ++i)
        for (int j = i + 1; j < 49; ++j) {
            const UnlockRule& a = unlockRules[i];
            const UnlockRule& b = unlockRules[j];
            EXPECT_FALSE(a.feat == b.feat && a.hardestOnly == b.hardestOnly && a.goal >= b.goal) << i << ", " << j;
        }
    ItemFile flags = Fresh();
    NewItems added;
    for (const Achievements& a : {EndlessResult(0, 1000, 5, 3, 3, 1), PuzzleProgress(5), VersusWin(1, 0),
                                  PracticeSession(10, 3)})
        ApplyAchievements(a, flags, added);
    EXPECT_EQ(UnlockedCount(flags), 10);
    for (int i = 0; i < 10; ++i) EXPECT_EQ(flags.unlocked[i], 1) << i;
    EXPECT_EQ(EndlessResult(1, 5, 1, 0, 0, 1)[Feat::endlessScore], 100000005) << "the hundred millions count";
}

// Each locked item's box says in one line of its own how to win it.
TEST(UnlockRules, EveryHintIsOneLineThatFitsTheBox) {
    harness::Boot();
    BeginText();
    SelectFont(smallFont);
    std::set<std::string> hints;
    for (int i = 1; i < itemCount; ++i) {
        const std::string hint = UnlockHint(i);
        char line[160];
        std::snprintf(line, sizeof line, "取得条件：%s", hint.c_str());
        EXPECT_FALSE(hint.empty() || hint.find('\n') != std::string::npos) << i;
        EXPECT_LE(TextWidth(line), 580) << i << " " << hint;
        hints.insert(hint);
    }
    EndText();
    EXPECT_EQ(hints.size(), 49u);
}

}  // namespace
