#include <gtest/gtest.h>

#include <string>

#include "content/game_texts.h"
#include "ranking/ranking_viewer_input.h"
#include "ranking/viewer_steps.h"
#include "shell/line_notice.h"
#include "shell/scene_links.h"

namespace {

using namespace viewerSteps;

// What the link was asked for, and what it answers.
int askedPlace = -2;
const char* linkAnswer = nullptr;
const char* AnsweringLink(int place) {
    askedPlace = place;
    return linkAnswer;
}

RankingFile TableOf(int entries) {
    RankingFile t;
    rankingTest::MakeEmptyTable(t);
    for (int i = 0; i < entries; ++i) rankingTest::SetEntry(t, i, 0, 1000 * (100 - i));
    return t;
}

class RankingViewerReplayKey : public ::testing::Test {
protected:
    void SetUp() override {
        askedPlace = -2;
        linkAnswer = nullptr;
    }
    static bool Open(int entries, bool linked) {
        if (!OpenViewerWith(TableOf(entries))) return false;
        sceneLinks.watchRankingReplay = linked ? AnsweringLink : nullptr;
        return true;
    }
};

TEST_F(RankingViewerReplayKey, ShortListMovesTheMarkerOverItsLines) {
    ASSERT_TRUE(Open(5, true));
    EXPECT_EQ(MarkedLine(), 0);
    Step(vkDown);
    Step('B');
    EXPECT_EQ(MarkedLine(), 2);
    for (int n = 0; n < 6; ++n) Step(vkDown);
    EXPECT_EQ(MarkedLine(), 4);  // stops at the last line
    EXPECT_EQ(Viewer().scrollY, 0);
    Step(vkUp);
    EXPECT_EQ(MarkedLine(), 3);
}

TEST_F(RankingViewerReplayKey, LongListScrollsUnderTheMarkerFirst) {
    ASSERT_TRUE(Open(100, true));
    harness::Hold(vkDown);
    harness::RunFrames(4);
    EXPECT_EQ(Viewer().scrollY, 60);
    EXPECT_EQ(Viewer().markerRow, 0);
    EXPECT_EQ(MarkedLine(), 2);
    harness::RunUntil([] { return Viewer().scrollY == Viewer().maxScroll; });
    harness::RunFrames(1);
    // At the end of the list the marker itself goes down.
    EXPECT_GE(Viewer().markerRow, 1);
    harness::Release(vkDown);
    harness::RunFrames(1);
    EXPECT_EQ(MarkedLine(), 87 + Viewer().markerRow);
}

TEST_F(RankingViewerReplayKey, RAsksForTheMarkedEntryOfTheTable) {
    ASSERT_TRUE(Open(20, true));
    // Score turned around: the first line is the last place.
    ASSERT_TRUE(Choose(scoreColumn));
    Step('R');
    EXPECT_EQ(askedPlace, 19);
    // Down scrolls the longer list by a line under the marker.
    Step(vkDown);
    Step('R');
    EXPECT_EQ(askedPlace, 18);
    EXPECT_FALSE(LineNoticeShown());
}

struct NoticeCase {
    const char* name;
    bool linked;
    const char* answer;
    std::string notice;
};

const char* const rankingReplayMissing = TextIn(Language::japanese, TextName::RankingReplayMissing);

const NoticeCase noticeCases[] = {
    {"NoReplayLayer", false, nullptr, rankingReplayMissing},
    {"EntryWithoutAReplay", true, rankingReplayMissing, rankingReplayMissing},
    {"AReplayThatCannotBePlayed", true, "リプレイを再生できません: the file ends early",
     "リプレイを再生できません: the file ends early"},
};

class RankingViewerReplayNotice : public RankingViewerReplayKey, public ::testing::WithParamInterface<NoticeCase> {};

TEST_P(RankingViewerReplayNotice, ShowsTheReasonForTwoSecondsAndStays) {
    const NoticeCase& c = GetParam();
    ASSERT_TRUE(Open(3, c.linked));
    linkAnswer = c.answer;
    Step('R');
    EXPECT_EQ(askedPlace, c.linked ? 0 : -2);
    ASSERT_TRUE(LineNoticeShown());
    EXPECT_EQ(std::string(LineNoticeText(0)), c.notice);
    EXPECT_TRUE(InViewer());
    // The box is drawn over the list: one fill from its left end to its right.
    const uint8_t fill = harness::PixelAt(30, 320);
    EXPECT_EQ(harness::PixelAt(610, 320), fill);
    EXPECT_EQ(harness::PixelAt(320, 331), fill);
    harness::RunMs(1900);
    EXPECT_TRUE(LineNoticeShown());
    harness::RunMs(200);
    EXPECT_FALSE(LineNoticeShown());
    EXPECT_TRUE(InViewer());
}

INSTANTIATE_TEST_SUITE_P(Answers, RankingViewerReplayNotice, ::testing::ValuesIn(noticeCases),
                         CaseName<NoticeCase>);

}  // namespace
