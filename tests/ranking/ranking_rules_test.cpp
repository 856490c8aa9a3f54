#include <gtest/gtest.h>

#include "match/match_state.h"
#include "match/result_screen.h"
#include "options/options_file.h"
#include "ranking/ranking_file.h"
#include "ranking/ranking_rules.h"
#include "ranking/ranking_test_util.h"

namespace {

using namespace rankingTest;

class RankingRules : public ::testing::Test {
protected:
    void SetUp() override {
        harness::StartFresh();
        ResetMatchRecords();
        ResetMatchValues();
    }
    static void Result(int32_t scoreHigh, int32_t score) {
        players[0].scoreHigh = scoreHigh;
        players[0].score = score;
    }
};

TEST_F(RankingRules, WithAnEmptyTableAnyPositiveScoreTakesFirstPlace) {
    Result(0, 1);
    EXPECT_EQ(RankResult(CollectMatchResult()), 0);
    EXPECT_EQ(rankingTable.score[0], 1);
    EXPECT_EQ(rankingTable.score[1], -1);
}

TEST_F(RankingRules, ScoreZeroDoesNotQualifyAndLeavesTheTableAsItWas) {
    RankingFile t;
    MakeFullTable(t);
    StoreTable(t);
    // The shared table holds something else than the file: it must not be reread.
    MakeEmptyTable(rankingTable);
    rankingTable.score[0] = 777;
    Result(0, 0);
    EXPECT_EQ(RankResult(CollectMatchResult()), -1);
    EXPECT_EQ(rankingTable.score[0], 777);
    EXPECT_EQ(rankingTable.score[1], -1);
}

TEST_F(RankingRules, EqualTotalsDoNotBeat) {
    RankingFile t;
    MakeFullTable(t);
    StoreTable(t);
    Result(0, t.score[4]);  // the same as place 5
    EXPECT_EQ(RankResult(CollectMatchResult()), 5);
    EXPECT_TRUE(SameEntry(rankingTable, 4, t, 4));
    EXPECT_EQ(rankingTable.score[5], t.score[4]);
    EXPECT_TRUE(SameEntry(rankingTable, 6, t, 5));
}

TEST_F(RankingRules, HighPartsAreComparedFirst) {
    RankingFile t;
    MakeEmptyTable(t);
    SetEntry(t, 0, 1, 0);
    SetEntry(t, 1, 0, 99999999);
    StoreTable(t);
    Result(0, 99999999);
    EXPECT_EQ(RankResult(CollectMatchResult()), 2);
    StoreTable(t);
    Result(1, 1);
    EXPECT_EQ(RankResult(CollectMatchResult()), 0);
}

TEST_F(RankingRules, ExactlyOneHundredMillionQualifies) {
    RankingFile t;
    MakeEmptyTable(t);
    for (int i = 0; i < rankingEntries; ++i) SetEntry(t, i, 0, 99999999);
    StoreTable(t);
    Result(1, 0);
    EXPECT_EQ(RankResult(CollectMatchResult()), 0);
    EXPECT_EQ(rankingTable.scoreHigh[0], 1);
    EXPECT_EQ(rankingTable.score[0], 0);
}

TEST_F(RankingRules, BeatingOnlyTheLastEntryReplacesItAndMovesNothingElse) {
    RankingFile t;
    MakeFullTable(t);
    StoreTable(t);
    Result(0, t.score[99] + 1);
    EXPECT_EQ(RankResult(CollectMatchResult()), 99);
    for (int i = 0; i < 99; ++i) EXPECT_TRUE(SameEntry(rankingTable, i, t, i)) << i;
    EXPECT_EQ(rankingTable.score[99], t.score[99] + 1);
}

TEST_F(RankingRules, InsertingAtFirstPlaceDropsTheFormerHundredth) {
    RankingFile t;
    MakeFullTable(t);
    StoreTable(t);
    Result(0, 5000000);
    EXPECT_EQ(RankResult(CollectMatchResult()), 0);
    EXPECT_EQ(rankingTable.score[0], 5000000);
    for (int i = 1; i < rankingEntries; ++i) EXPECT_TRUE(SameEntry(rankingTable, i, t, i - 1)) << i;
    for (int i = 0; i < rankingEntries; ++i) EXPECT_NE(rankingTable.score[i], t.score[99]);
}

TEST_F(RankingRules, TooLowAResultLeavesTheTableUnchanged) {
    RankingFile t;
    MakeFullTable(t);
    StoreTable(t);
    Result(0, t.score[99]);
    EXPECT_EQ(RankResult(CollectMatchResult()), -1);
    for (int i = 0; i < rankingEntries; ++i) EXPECT_TRUE(SameEntry(rankingTable, i, t, i)) << i;
}

TEST_F(RankingRules, NewEntryCarriesTheMatchResult) {
    RankingFile t;
    MakeFullTable(t);
    StoreTable(t);
    options.difficulty = 2;
    Result(0, 60500);
    level = 17;
    maxChain = 12;
    players[0].chain = 25;  // still running: it counts as the longest chain
    clockHours = 1;
    clockMinutes = 2;
    clockSeconds = 3;
    const int place = RankResult(CollectMatchResult());
    ASSERT_EQ(place, 40);
    EXPECT_EQ(maxChain, 25);
    EXPECT_EQ(rankingTable.score[40], 60500);
    EXPECT_EQ(rankingTable.scoreHigh[40], 0);
    EXPECT_EQ(rankingTable.level[40], 17);
    EXPECT_EQ(rankingTable.maxChain[40], 25);
    EXPECT_EQ(rankingTable.time[40][0], 1);
    EXPECT_EQ(rankingTable.time[40][1], 2);
    EXPECT_EQ(rankingTable.time[40][2], 3);
    EXPECT_EQ(rankingTable.grade[40], 10);
    EXPECT_EQ(rankingTable.difficulty[40], 2);
}

TEST_F(RankingRules, ShorterRunningChainLeavesTheLongestAlone) {
    maxChain = 30;
    players[0].chain = 4;
    Result(0, 10);
    RankResult(CollectMatchResult());
    EXPECT_EQ(maxChain, 30);
    EXPECT_EQ(rankingTable.maxChain[0], 30);
}

TEST_F(RankingRules, NewEntryIsStoredWithinWhatTheFileCanHold) {
    // Out of reach in play, but the stored entry must read back as it stands.
    Result(0, 500);
    level = 4000;
    maxChain = 1200;
    clockHours = 150;
    options.difficulty = 5;
    ASSERT_EQ(RankResult(CollectMatchResult()), 0);
    EXPECT_EQ(rankingTable.level[0], 999);
    EXPECT_EQ(rankingTable.maxChain[0], 999);
    EXPECT_EQ(rankingTable.time[0][0], 99);
    EXPECT_EQ(rankingTable.difficulty[0], 2);
    const RankingFile stored = rankingTable;
    WriteRankingFile();
    RankingFile back;
    ReadRankingFile(back);
    EXPECT_TRUE(SameEntry(back, 0, stored, 0));
}

TEST(RankingGrades, HighPartBorders) {
    EXPECT_EQ(ComputeGrade(10, 0, 0), 0);
    EXPECT_EQ(ComputeGrade(9, 99999999, 99), 1);
    EXPECT_EQ(ComputeGrade(5, 0, 100), 0);
    EXPECT_EQ(ComputeGrade(5, 0, 0), 1);
    EXPECT_EQ(ComputeGrade(4, 0, 50), 1);
    EXPECT_EQ(ComputeGrade(4, 0, 49), 2);
    EXPECT_EQ(ComputeGrade(2, 0, 0), 2);
    EXPECT_EQ(ComputeGrade(1, 0, 50), 2);
    EXPECT_EQ(ComputeGrade(1, 0, 49), 3);
}

TEST(RankingGrades, LowPartBorders) {
    EXPECT_EQ(ComputeGrade(0, 99999999, 29), 4);
    EXPECT_EQ(ComputeGrade(0, 50000000, 30), 3);
    EXPECT_EQ(ComputeGrade(0, 50000000, 29), 4);
    EXPECT_EQ(ComputeGrade(0, 49999999, 30), 4);
    EXPECT_EQ(ComputeGrade(0, 30000000, 29), 5);
    EXPECT_EQ(ComputeGrade(0, 29999999, 30), 5);
    EXPECT_EQ(ComputeGrade(0, 29999999, 29), 6);
    EXPECT_EQ(ComputeGrade(0, 10000000, 0), 6);
    EXPECT_EQ(ComputeGrade(0, 9999999, 20), 6);
    EXPECT_EQ(ComputeGrade(0, 9999999, 19), 7);
    EXPECT_EQ(ComputeGrade(0, 5000000, 0), 7);
    EXPECT_EQ(ComputeGrade(0, 4999999, 20), 7);
    EXPECT_EQ(ComputeGrade(0, 4999999, 19), 8);
    EXPECT_EQ(ComputeGrade(0, 1000000, 0), 8);
    EXPECT_EQ(ComputeGrade(0, 999999, 20), 8);
    EXPECT_EQ(ComputeGrade(0, 999999, 19), 9);
    EXPECT_EQ(ComputeGrade(0, 500000, 0), 9);
    EXPECT_EQ(ComputeGrade(0, 499999, 20), 9);
    EXPECT_EQ(ComputeGrade(0, 100000, 19), 10);
    EXPECT_EQ(ComputeGrade(0, 99999, 20), 10);
    EXPECT_EQ(ComputeGrade(0, 10000, 0), 10);
    EXPECT_EQ(ComputeGrade(0, 9999, 999), 11);
    EXPECT_EQ(ComputeGrade(0, 1, 0), 11);
}

}  // namespace
