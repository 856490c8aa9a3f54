#include <gtest/gtest.h>

#include "content/item_sheet.h"
#include "frontend/frontend_steps.h"
#include "gallery/gallery_scene.h"
#include "gallery/gallery_test_util.h"
#include "gallery/item_notice.h"
#include "gallery/item_notice_probe.h"
#include "harness/picture_probe.h"
#include "match/match_run.h"
#include "match/match_scene.h"
#include "match/match_setup.h"
#include "match/match_state.h"
#include "platform/keys.h"
#include "platform/sound.h"
#include "platform/surface.h"
#include "platform/wipe.h"
#include "puzzle/puzzle_file.h"
#include "puzzle/puzzle_test_util.h"
#include "ranking/name_entry.h"
#include "shell/game_mode.h"

// Whole matches through the real scenes that win items: the notice where it
// does not interrupt play, "Sound\Item.wav", and the item file written.
namespace {

using frontendSteps::At;
using galleryTest::FileWith;
using galleryTest::ReadRaw;

// A panel in the top row: the stack tops out 201 steps later.
void TopOut(int p) { Cell(p, 14, 3) = 2; }

bool ItemSoundPlayed() { return harness::Played("Item.wav", effectSound.index, false); }

// Runs until the scene is reached; true when a notice of items won was
// shown on the way.
bool NoticeOnTheWayTo(Scene scene) {
    bool shown = false;
    EXPECT_TRUE(harness::RunUntil([&] {
        shown = shown || ItemNoticeShown();
        return At(scene);
    }, 400000));
    return shown;
}

TEST(ItemWins, AnEndlessMatchWinsItsItemAfterTheNameAndToldAboveTheQuestion) {
    ASSERT_TRUE(matchRun::MenuToMatch(endlessMode));
    players[0].score = 1500;
    players[0].chain = 2;  // still running at the end: a longest chain of 2, no item
    TopOut(0);
    ASSERT_TRUE(harness::RunUntil([] { return matchState == 2 && entryPhase == 1; }, 5000000));
    EXPECT_TRUE(ReadRaw("ITEM.dat").empty()) << "nothing while the name is typed";
    EXPECT_TRUE(itemNoticeProbe::Absent());

    harness::Tap(vkLeft);  // from the first letter round to OK
    harness::RunFrames(3);
    harness::ClearSoundLog();
    harness::Tap('X');
    ASSERT_TRUE(harness::RunUntil([] { return entryPhase == 2; }, 100));
    harness::RunFrames(12);
    EXPECT_EQ(ReadRaw("ITEM.dat"), FileWith({0, 1}));
    EXPECT_TRUE(ItemSoundPlayed());
    EXPECT_TRUE(itemNoticeProbe::Shown({1}));
    EXPECT_EQ(boxGrowth, 10) << "the question is there beside it";

    // It goes after its time; the question stays.
    ASSERT_TRUE(harness::RunUntil([] { return !ItemNoticeShown(); }, 100000));
    harness::RunFrames(1);
    EXPECT_TRUE(itemNoticeProbe::Absent());
    EXPECT_EQ(spareSurface, nullptr) << "the pictures let go";
    EXPECT_EQ(entryPhase, 2);

    // No: back to the menu, and the gallery shows the item.
    harness::Tap(vkRight);
    harness::RunFrames(3);
    harness::Tap('X');
    ASSERT_TRUE(harness::RunUntil([] { return At(MainMenuScene) && wipeState == 0; }, 100000));
    gameMode = galleryMode;
    harness::Tap('X');
    ASSERT_TRUE(harness::RunUntil([] { return At(GalleryScene) && wipeState == 0; }));
    harness::RunFrames(1);
    EXPECT_TRUE(pictureProbe::PictureShown(itemSheet, itemSheetLayout::Icon(1), 74 + 52, 110));
    EXPECT_FALSE(pictureProbe::PictureShown(itemSheet, itemSheetLayout::Icon(2), 74 + 104, 110));
}

// Every problem of the file has an empty board with the goal to clear it:
// solved on the first step of play.
void SolveTheFirstProblems(int count) {
    ASSERT_TRUE(frontendSteps::BootToMenu());
    PuzzleFile problems;
    DefaultPuzzleFile(problems);
    for (int i = 0; i < count; ++i) puzzleTest::Present(problems, i);
    ASSERT_TRUE(WritePuzzleFile(problems));
    gameMode = puzzleMode;
    harness::Tap('X');
    ASSERT_TRUE(harness::RunUntil([] { return At(MatchSetupScene); }));
    puzzleTest::KeyPlan().Press(60, 'X').Schedule();
}

void PassTheClearBanner() {
    ASSERT_TRUE(harness::RunUntil([] { return matchEnd == 1 && resultPhase == 2; }, 400000));
    harness::Tap('X', 2);
}

// A solved problem moves on at once: the notice stands over the closing
// wipe and on the closed screen until its time is up.
TEST(ItemWins, TheFirstSolvedProblemWinsItsItemToldOnTheWayToTheNext) {
    SolveTheFirstProblems(2);
    ASSERT_TRUE(harness::RunUntil([] { return At(MatchScene); }, 400000));
    harness::ClearSoundLog();
    PassTheClearBanner();
    ASSERT_TRUE(harness::RunUntil([] { return ItemNoticeShown(); }, 1000));
    EXPECT_EQ(ReadRaw("ITEM.dat"), FileWith({0, 2}));
    EXPECT_TRUE(ItemSoundPlayed());
    ASSERT_TRUE(harness::RunUntil([] { return wipeState == 2; }, 1000));
    harness::RunFrames(1);
    EXPECT_TRUE(itemNoticeProbe::Shown({2}));
    EXPECT_TRUE(itemNoticeProbe::BlackAround(1));
    EXPECT_TRUE(At(MatchScene)) << "held until the notice is over";
    ASSERT_TRUE(harness::RunUntil([] { return At(MatchSetupScene); }, 400000));
    EXPECT_FALSE(ItemNoticeShown());
    EXPECT_EQ(ReadRaw("CLEAR.dat")[0], 1);

    // The second solve wins nothing: no notice, no sound, the file untouched.
    const ino_t written = galleryTest::Inode("ITEM.dat");
    harness::ClearSoundLog();
    ASSERT_TRUE(harness::RunUntil([] { return At(MatchScene); }, 400000));
    PassTheClearBanner();
    EXPECT_FALSE(NoticeOnTheWayTo(MainMenuScene));
    EXPECT_FALSE(ItemSoundPlayed());
    EXPECT_EQ(galleryTest::Inode("ITEM.dat"), written);
    EXPECT_EQ(ReadRaw("CLEAR.dat")[1], 1);
}

// Practice has no end of its own: what a session won is told on the way
// back to the menu, on the closed screen.
TEST(ItemWins, APracticeSessionWinsItsItemsToldOnTheWayBackToTheMenu) {
    ASSERT_TRUE(matchRun::MenuToMatch(practiceMode));
    players[0].linesCleared = 9;
    players[0].longestChain = 2;
    players[0].chain = 3;  // a chain of 3 running: 12 lines, a chain of 3
    harness::ClearSoundLog();
    harness::Tap(vkEscape);
    ASSERT_TRUE(harness::RunUntil([] { return wipeState == 2; }, 10000));
    ASSERT_TRUE(harness::RunUntil([] { return ItemNoticeShown(); }, 100));
    harness::RunFrames(2);
    EXPECT_EQ(ReadRaw("ITEM.dat"), FileWith({0, 3, 8}));
    EXPECT_TRUE(ItemSoundPlayed());
    EXPECT_TRUE(itemNoticeProbe::Shown({3, 8}));
    EXPECT_TRUE(itemNoticeProbe::NamesShown(2, "「ぶどう」「きのこ」"));
    EXPECT_TRUE(itemNoticeProbe::BlackAround(2));
    EXPECT_TRUE(At(MatchScene));
    ASSERT_TRUE(harness::RunUntil([] { return At(MainMenuScene); }, 400000));
    EXPECT_FALSE(ItemNoticeShown());
}

// An endless match left with Escape has no result: it wins nothing.
TEST(ItemWins, AnEndlessMatchLeftHalfWayWinsNothing) {
    ASSERT_TRUE(matchRun::MenuToMatch(endlessMode));
    players[0].score = 50000;
    harness::Tap(vkEscape);
    ASSERT_TRUE(harness::RunUntil([] { return At(MainMenuScene); }, 100000));
    EXPECT_TRUE(ReadRaw("ITEM.dat").empty());
}

// Versus: the winner's wins in the series and longest chain count; the
// setup before it is not needed for the match itself.
TEST(ItemWins, AVersusWinWinsItsItemsAboveTheQuestion) {
    ASSERT_TRUE(frontendSteps::BootToMenu());
    gameMode = versusMode;
    PrepareMatchEntry();
    currentScene = MatchSetupScene;
    ASSERT_TRUE(harness::RunUntil([] { return At(MatchScene) && matchStarted == 1; }, 5000000));
    versusWins[1] = 2;         // the right player has won twice in this series
    players[1].longestChain = 5;
    TopOut(0);                 // the left board tops out: the right player wins
    ASSERT_TRUE(harness::RunUntil([] { return resultPhase == 2; }, 5000000));
    EXPECT_EQ(versusWins[1], 3);
    harness::ClearSoundLog();
    harness::Tap('X', 2);
    ASSERT_TRUE(harness::RunUntil([] { return matchState == 2 && ItemNoticeShown(); }, 1000));
    harness::RunFrames(12);
    EXPECT_EQ(ReadRaw("ITEM.dat"), FileWith({0, 5, 13, 17}));
    EXPECT_TRUE(ItemSoundPlayed());
    EXPECT_TRUE(itemNoticeProbe::Shown({5, 13, 17}));
}

}  // namespace
