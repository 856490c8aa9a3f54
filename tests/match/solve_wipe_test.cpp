#include <gtest/gtest.h>

#include <filesystem>

#include "frontend/frontend_steps.h"
#include "gallery/item_notice.h"
#include "match/match_scene.h"
#include "match/match_setup.h"
#include "match/match_state.h"
#include "match/match_unlocks.h"
#include "platform/keys.h"
#include "platform/surface.h"
#include "platform/wipe.h"
#include "puzzle/puzzle_file.h"
#include "puzzle/puzzle_test_util.h"
#include "shell/game_mode.h"
#include "shell/save_notice.h"

// After a solved problem the screen closes once and stays closed under the
// notices; the next problem opens the moment they are over.
namespace {

using frontendSteps::At;

constexpr uint32_t stepMs = 20;
// Below the failed save's notice (301..335): black on a closed screen.
constexpr int blackBelow = 337;

struct SolveCase {
    const char* name;
    bool itemFileBlocked;  // a folder named ITEM.dat: the item won cannot be saved
};

TEST(PuzzleSolveWipe, TheScreenClosesOnceUnderTheNoticesAndTheNextProblemOpensWhenTheyEnd) {
    const SolveCase cases[] = {{"an item won", false}, {"an item won that cannot be saved", true}};
    for (const SolveCase& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(frontendSteps::BootToMenu());
        PuzzleFile problems = puzzleTest::NoProblems();
        puzzleTest::Present(problems, 0);
        puzzleTest::Present(problems, 1);
        ASSERT_TRUE(WritePuzzleFile(problems));
        if (c.itemFileBlocked) std::filesystem::create_directory(puzzleTest::DataPath("ITEM.dat"));
        gameMode = puzzleMode;
        harness::Tap('X');
        ASSERT_TRUE(harness::RunUntil([] { return At(MatchSetupScene); }));
        puzzleTest::KeyPlan().Press(60, 'X').Schedule();
        ASSERT_TRUE(harness::RunUntil([] { return At(MatchScene) && matchEnd == 1 && resultPhase == 2; }, 400000));
        harness::Tap('X', 2);

        // Above the box of the one item won: black on a closed screen.
        const int blackAbove = itemNoticeBottom - NoticeHeight(1) - 2;
        int closings = 0;
        int closedFrames = 0;
        int8_t lastState = wipeState;
        uint32_t lastNotice = 0;
        while (At(MatchScene)) {
            harness::RunFrames(1);
            if (!At(MatchScene)) break;
            if (wipeState == 2 && lastState != 2) ++closings;
            lastState = wipeState;
            if (ItemNoticeShown() || SaveNoticeShown()) lastNotice = harness::Now();
            if (wipeState != 2) continue;
            ++closedFrames;
            ASSERT_EQ(harness::CountIndex(0, 0, 0, screenWidth, blackAbove), screenWidth * blackAbove)
                << "closed frame " << closedFrames;
            ASSERT_EQ(harness::CountIndex(0, 0, blackBelow, screenWidth, screenHeight),
                      screenWidth * (screenHeight - blackBelow))
                << "closed frame " << closedFrames;
        }
        EXPECT_TRUE(At(MatchSetupScene));
        EXPECT_EQ(closings, 1);
        EXPECT_GT(closedFrames, 50) << "the notices held the closed screen";
        ASSERT_NE(lastNotice, 0u);
        // The step after the last one with a notice moves on (its frame ends
        // at the next refresh).
        EXPECT_LE(harness::Now() - lastNotice, 2 * stepMs) << "the next problem opens as the notices end";
        EXPECT_EQ(wipeWidth, 82) << "it opens from a whole closed screen";
    }
}

}  // namespace
