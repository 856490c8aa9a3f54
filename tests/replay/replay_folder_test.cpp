#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "harness/harness.h"
#include "platform/game_folders.h"
#include "ranking/ranking_file.h"
#include "replay/modelled_play.h"
#include "replay/replay_folder.h"
#include "replay/replay_ranking.h"

namespace {

constexpr int64_t december8 = 1796690034;  // 2026-12-08 00:33:54 UTC

class ReplayFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        harness::StartFresh();
        SetGameFolders("", "");
        SetReplayFolder("");
        replay = std::make_unique<Replay>();
    }
    void TearDown() override { SetReplayFolder(""); }

    // A short endless match that topped out with that score; what its
    // ranking entry would hold.
    std::string SaveEndless(int64_t when, int32_t score, int32_t level = 12) {
        MatchStart start;
        modelledPlay::RecordMatch(*replay, start, 200, 1);
        replay->result.score[0] = score;
        replay->result.scoreHigh[0] = 0;
        replay->result.level = level;
        std::string name;
        EXPECT_TRUE(SaveReplayAt(*replay, when, name));
        return name;
    }
    std::string SavePractice(int64_t when) {
        MatchStart start;
        start.mode = 3;
        modelledPlay::RecordMatch(*replay, start, 100, 2);
        std::string name;
        EXPECT_TRUE(SaveReplayAt(*replay, when, name));
        return name;
    }
    // The ranking file holding entries of those scores, best first, each as
    // SaveEndless's match left it.
    void RankScores(const std::vector<std::pair<int32_t, int32_t>>& scoresAndLevels) {
        unlink("Data/ED.dat");
        ReadRankingFile(rankingTable);  // every entry empty
        int i = 0;
        for (const auto& [score, lvl] : scoresAndLevels) {
            RankingStamp stamp;
            ASSERT_TRUE(RankingStampOfReplay(*replay, stamp));
            rankingTable.score[i] = score;
            rankingTable.scoreHigh[i] = 0;
            rankingTable.level[i] = lvl;
            rankingTable.maxChain[i] = stamp.maxChain;
            rankingTable.time[i][0] = stamp.hours;
            rankingTable.time[i][1] = stamp.minutes;
            rankingTable.time[i][2] = stamp.seconds;
            rankingTable.difficulty[i] = stamp.difficulty;
            ++i;
        }
        ASSERT_TRUE(WriteRankingFile());
    }
    bool Kept(const std::string& name) { return access(("Replays/" + name).c_str(), F_OK) == 0; }

    std::unique_ptr<Replay> replay;
};

TEST_F(ReplayFolderTest, NamesSortByTheirAge) {
    EXPECT_EQ(ReplayFileName(december8, 0, 0), "20261208-003354-00-endless.replay");
    EXPECT_EQ(ReplayFileName(december8 + 86400 * 366, 12, 2), "20271209-003354-12-puzzle.replay");
    struct Case {
        const char* name;
        bool ours;
    };
    const Case cases[] = {
        {"20261208-003354-00-versus.replay", true}, {"20261208-003354-07-practice.replay", true},
        {"20261208-003354-00-chess.replay", false}, {"20261208-003354-0-endless.replay", false},
        {"20261208-003354-00-endless.replay~", false}, {"best-run.replay", false},
        {".20261208-003354-00-endless.replay.a1B2c3", false},
    };
    for (const Case& c : cases) EXPECT_EQ(IsReplayFileName(c.name), c.ours) << c.name;
}

TEST_F(ReplayFolderTest, FolderStandsBesideTheDataFolder) {
    EXPECT_EQ(ReplayFolder(), "Replays");
    SetGameFolders("/game", "/home/p/.local/share/sumline/Data");
    EXPECT_EQ(ReplayFolder(), "/home/p/.local/share/sumline/Replays");
    SetReplayFolder("/elsewhere/Replays");
    EXPECT_EQ(ReplayFolder(), "/elsewhere/Replays");
    SetGameFolders("", "");
}

TEST_F(ReplayFolderTest, FiftyOneSavesKeepTheFiftyNewest) {
    std::vector<std::string> names;
    for (int i = 0; i < 51; ++i) names.push_back(SavePractice(december8 + i));
    const std::vector<std::string> listed = ListReplays();
    ASSERT_EQ(listed.size(), 50u);
    EXPECT_EQ(listed.front(), names[50]);
    EXPECT_EQ(listed.back(), names[1]);
    EXPECT_FALSE(Kept(names[0]));
}

TEST_F(ReplayFolderTest, SavesInOneSecondOrWithTheClockSetBackSortAfterTheNewest) {
    const std::string first = SavePractice(december8);
    const std::string second = SavePractice(december8);
    const std::string third = SavePractice(december8 - 3600);
    EXPECT_EQ(first, "20261208-003354-00-practice.replay");
    EXPECT_EQ(second, "20261208-003354-01-practice.replay");
    EXPECT_EQ(third, "20261208-003354-02-practice.replay");
}

TEST_F(ReplayFolderTest, ARankingReplayOutlivesTheFiftyWhileItsEntryStands) {
    const std::string ranked = SaveEndless(december8, 5000);
    RankScores({{5000, 12}});
    for (int i = 1; i <= 60; ++i) SavePractice(december8 + i);
    EXPECT_TRUE(Kept(ranked));
    EXPECT_EQ(ListReplays().size(), 51u);
    EXPECT_EQ(FindRankingReplay(rankingTable, 0), "Replays/" + ranked);

    // Pushed out of the ranking, it goes at the next save.
    RankScores({});
    SavePractice(december8 + 61);
    EXPECT_FALSE(Kept(ranked));
    EXPECT_EQ(ListReplays().size(), 50u);
}

// Two entries of one score are told apart by what else they hold, and two
// entries alike in everything by age.
TEST_F(ReplayFolderTest, EqualScoresFindTheirOwnReplays) {
    const std::string older = SaveEndless(december8, 7000);
    const std::string otherLevel = SaveEndless(december8 + 1, 7000, 13);
    const std::string newer = SaveEndless(december8 + 2, 7000);
    const std::string unranked = SaveEndless(december8 + 3, 7000);
    RankScores({{7000, 12}, {7000, 13}, {7000, 12}});
    EXPECT_EQ(FindRankingReplay(rankingTable, 0), "Replays/" + older);
    EXPECT_EQ(FindRankingReplay(rankingTable, 1), "Replays/" + otherLevel);
    EXPECT_EQ(FindRankingReplay(rankingTable, 2), "Replays/" + newer);
    EXPECT_EQ(FindRankingReplay(rankingTable, 3), "");

    for (int i = 10; i < 60; ++i) SavePractice(december8 + i);
    EXPECT_TRUE(Kept(older));
    EXPECT_TRUE(Kept(otherLevel));
    EXPECT_TRUE(Kept(newer));
    EXPECT_FALSE(Kept(unranked));
}

TEST_F(ReplayFolderTest, PruningLeavesOtherFilesAndRemovesCutShortSaves) {
    SavePractice(december8);
    std::FILE* mine = std::fopen("Replays/best-run.replay", "wb");
    ASSERT_NE(mine, nullptr);
    std::fclose(mine);
    std::FILE* leftover = std::fopen("Replays/.20261208-003354-01-endless.replay.a1B2c3", "wb");
    ASSERT_NE(leftover, nullptr);
    std::fclose(leftover);
    EXPECT_EQ(PruneReplays(), 1);
    EXPECT_TRUE(Kept("best-run.replay"));
    EXPECT_EQ(ListReplays().size(), 1u);
}

}  // namespace
