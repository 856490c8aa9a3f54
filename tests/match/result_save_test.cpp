#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "content/game_sheet.h"
#include "frontend/main_menu.h"
#include "harness/stderr_capture.h"
#include "match/match_scene.h"
#include "match/match_setup.h"
#include "match/match_state.h"
#include "platform/bitmap_loader.h"
#include "platform/keys.h"
#include "platform/sound.h"
#include "platform/surface.h"
#include "platform/temp_work_dir.h"
#include "platform/wipe.h"
#include "ranking/name_entry.h"
#include "ranking/ranking_file.h"
#include "ranking/ranking_test_util.h"
#include "shell/game_mode.h"
#include "shell/save_notice_probe.h"

namespace {

constexpr int noticeTop = 301;  // under the question's box
constexpr int32_t score = 4321;

// The real match scene at its result screen after an endless match that
// made the (empty) ranking: the name entered, the question whole.
void AtTheQuestion() {
    rankingTest::AtTheResultScreen(endlessMode);
    // Every item held already: the failed save's is the only notice here.
    PutFile("Data/ITEM.dat", std::vector<uint8_t>(50, 1));
    players[0].score = score;
    currentScene = MatchScene;
    harness::RunFrames(1);
    ASSERT_EQ(entryPhase, 1);
    harness::Tap(vkLeft);  // from the first letter round to OK
    harness::RunFrames(3);
    harness::Tap('X');
    ASSERT_TRUE(harness::RunUntil([] { return entryPhase == 2; }, 100));
    harness::RunFrames(15);
}

struct AnswerCase {
    const char* name;
    bool dataIsAFile;  // a file named Data where the folder should be
    int answer;        // 0 yes, 1 no
    Scene next;
    bool notice;
};

TEST(RankingSave, AFailedWriteIsToldUnderTheQuestionThroughTheWipeForTwoSecondsAndOnStandardError) {
    const AnswerCase cases[] = {
        {"yes, the write fails", true, 0, MatchSetupScene, true},
        {"no, the write fails", true, 1, MainMenuScene, true},
        {"yes, the write succeeds", false, 0, MatchSetupScene, false},
    };
    for (const AnswerCase& c : cases) {
        SCOPED_TRACE(c.name);
        AtTheQuestion();
        EXPECT_TRUE(saveNoticeProbe::Absent(noticeTop)) << "nothing before the answer";
        if (c.dataIsAFile) {
            std::filesystem::remove_all("Data");
            PutText("Data", "in the way");
        }
        if (c.answer == 1) {
            harness::Tap(vkRight);
            harness::RunFrames(3);
        }

        StderrCapture capture;
        harness::Tap('X');
        ASSERT_TRUE(harness::RunUntil([] { return wipeState == 1; }, 100));
        const uint32_t answered = harness::Now();
        EXPECT_EQ(capture.Text(), c.dataIsAFile ? "sumline: cannot save Data/ED.dat: folder: " +
                                                      std::string(std::strerror(ENOTDIR)) + "\n"
                                                : "");
        EXPECT_EQ(std::filesystem::file_size(c.dataIsAFile ? "Data" : "Data/ED.dat"), c.dataIsAFile ? 10u : 3400u);

        // Frame by frame until the next screen: the notice on each or on
        // none, the wipe closing meanwhile, then the closed screen black
        // around the notice.
        int framesWith = 0, framesWithout = 0, closedFramesWith = 0;
        while (currentScene == MatchScene) {
            const bool shown = saveNoticeProbe::Shown(noticeTop);
            (shown ? framesWith : framesWithout) += 1;
            if (!c.notice) {
                EXPECT_TRUE(saveNoticeProbe::Absent(noticeTop)) << harness::Now() - answered << " ms";
            }
            if (wipeState == 2 && shown) {
                ++closedFramesWith;
                const int below = noticeTop + saveNoticeHeight + 2;
                EXPECT_EQ(harness::CountIndex(0, 0, 0, screenWidth, noticeTop - 2), screenWidth * (noticeTop - 2));
                EXPECT_EQ(harness::CountIndex(0, 0, below, screenWidth, screenHeight), screenWidth * (screenHeight - below));
            }
            harness::RunFrames(1);
        }
        const uint32_t movedOn = harness::Now() - answered;
        EXPECT_TRUE(currentScene == c.next);
        EXPECT_EQ(framesWith > 0, c.notice);
        EXPECT_EQ(framesWithout > 0, !c.notice);
        EXPECT_EQ(closedFramesWith > 0, c.notice);
        if (c.notice) {
            EXPECT_GE(movedOn, saveNoticeMs);
            EXPECT_LE(movedOn, saveNoticeMs + 60);
        } else {
            EXPECT_LE(movedOn, 900u) << "the wipe alone";
        }
        // The table keeps the entry, saved or not.
        EXPECT_EQ(rankingTable.score[0], score);
        EXPECT_EQ(rankingTable.score[1], -1);
    }
}

}  // namespace
