#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>

#include "content/game_sheet.h"
#include "editor/editor_scene.h"
#include "editor/editor_state.h"
#include "frontend/frontend_steps.h"
#include "harness/stderr_capture.h"
#include "match/match_state.h"
#include "platform/keys.h"
#include "platform/wipe.h"
#include "puzzle/puzzle_test_util.h"
#include "shell/save_notice_probe.h"

namespace {

using frontendSteps::At;
using puzzleTest::DataPath;
using puzzleTest::PictureShown;

constexpr int noticeTop = 281;  // under the leave question's box

void OpenEditor() {
    harness::Boot();
    wipeState = 2;
    currentScene = EditorEnterScene;
    ASSERT_TRUE(harness::RunUntil([] { return At(EditorScene) && wipeState == 0; }));
}

void Press(int vk) {
    harness::Tap(vk, 1);
    harness::RunFrames(3);
}

// How the save question is answered, and what the player and standard error
// are told.
struct SaveCase {
    const char* name;
    bool folderInTheWay;  // a folder named PZL.dat where the file goes
    int answer;           // 0 yes, 1 no
    bool written;
    bool notice;
};

TEST(PuzzleEditorSave, AFailedSaveIsToldUnderTheLeaveQuestionForTwoSecondsAndOnStandardError) {
    const SaveCase cases[] = {
        {"yes, the write fails", true, 0, false, true},
        {"yes, the write succeeds", false, 0, true, false},
        {"no", false, 1, false, false},
    };
    for (const SaveCase& c : cases) {
        SCOPED_TRACE(c.name);
        OpenEditor();
        if (c.folderInTheWay) {
            ASSERT_EQ(mkdir(DataPath("PZL.dat").c_str(), 0755), 0);
        }
        Press('X');
        Press('X');  // a 1 at column 3, row 2, not yet saved
        Press('C');
        harness::RunFrames(10);
        if (c.answer == 1) Press(vkRight);

        StderrCapture capture;
        harness::Tap('C', 1);
        ASSERT_TRUE(harness::RunUntil([] { return editorDialog == leaveDialog; }, 100));
        const uint32_t answered = harness::Now();
        EXPECT_EQ(capture.Text(), c.folderInTheWay ? "sumline: cannot save Data/PZL.dat: rename: " +
                                                         std::string(std::strerror(EISDIR)) + "\n"
                                                   : "");
        EXPECT_EQ(std::filesystem::is_regular_file(DataPath("PZL.dat")), c.written);
        EXPECT_EQ(EditorCell(0, 2, 3), 1) << "the edit stays in the editor";

        // Every frame of the next two seconds has the notice, or none has;
        // the editor keeps taking keys meanwhile.
        int framesWith = 0, framesWithout = 0;
        while (harness::Now() - answered < saveNoticeMs) {
            (saveNoticeProbe::Shown(noticeTop) ? framesWith : framesWithout) += 1;
            if (!c.notice) {
                EXPECT_TRUE(saveNoticeProbe::Absent(noticeTop)) << harness::Now() - answered << " ms";
            }
            if (harness::Now() - answered == 1000) harness::Tap(vkRight, 1);
            harness::RunFrames(1);
        }
        EXPECT_EQ(framesWith > 0, c.notice);
        EXPECT_EQ(framesWithout > 0, !c.notice);
        EXPECT_EQ(pauseMenuCursor, 1) << "the leave question took the key";
        EXPECT_TRUE(PictureShown(gameSheetLayout::pauseMarker, 310, 241));
        EXPECT_TRUE(saveNoticeProbe::Absent(noticeTop)) << "gone after two seconds";
        EXPECT_EQ(editorDialog, leaveDialog);
    }
}

}  // namespace
