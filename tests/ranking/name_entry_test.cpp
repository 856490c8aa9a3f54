#include <gtest/gtest.h>

#include <vector>

#include "content/game_sheet.h"
#include "content/title_sheet.h"
#include "frontend/main_menu.h"
#include "harness/picture_probe.h"
#include "match/board_test_util.h"
#include "match/match_scene.h"
#include "match/match_setup.h"
#include "match/match_state.h"
#include "match/result_screen.h"
#include "options/options_file.h"
#include "platform/bitmap_loader.h"
#include "platform/blit.h"
#include "platform/keys.h"
#include "platform/present.h"
#include "platform/sound.h"
#include "platform/surface.h"
#include "platform/text.h"
#include "platform/wipe.h"
#include "ranking/name_entry.h"
#include "ranking/ranking_test_util.h"
#include "shell/menu_input.h"
#include "shell/scene.h"

namespace {

using namespace rankingTest;
using pictureProbe::PictureShown;

int rankingSkipped = 0;

// The result screen as the match frame runs it: background, entry, present.
void EntryScene() {
    Blit(&backBuffer, 0, 0, tileSurface, keyedCopy, 0, 0, screenWidth, screenHeight);
    ResultScreenStep(rankingSkipped);
    Present();
}

bool At(Scene s) { return currentScene == s; }

class NameEntry : public ::testing::Test {
protected:
    void SetUp() override {
        AtTheResultScreen(endlessMode);
        rankingSkipped = 0;
        currentScene = EntryScene;
    }
    // A ranked result at place `place` of a full table (place 0..99).
    static void RankedAt(int place) {
        RankingFile t;
        MakeFullTable(t);
        StoreTable(t);
        players[0].score = 1000 * (100 - place) + 1;
    }
    static void Frames(int n) { harness::RunFrames(n); }
    static void Step(int vk) {
        harness::Tap(vk);
        harness::RunFrames(2);
    }
};

TEST_F(NameEntry, FirstPlacePlaysHiscore) {
    RankedAt(0);
    Frames(1);
    EXPECT_EQ(entryPhase, 1);
    EXPECT_EQ(rankPlace, 0);
    EXPECT_TRUE(harness::Played("Hiscore.wav", levelUpSound.index, false));
    EXPECT_FALSE(harness::Played("Omedetou.wav", levelUpSound.index, false));
    for (int8_t code : entryName) EXPECT_EQ(code, 0);
    // The result screen draws on the title sheet.
    ASSERT_NE(mainSheet, nullptr);
    EXPECT_EQ(mainSheet->width, 390);
}

TEST_F(NameEntry, OtherPlacesPlayOmedetou) {
    RankedAt(37);
    Frames(1);
    EXPECT_EQ(rankPlace, 37);
    EXPECT_TRUE(harness::Played("Omedetou.wav", levelUpSound.index, false));
    EXPECT_FALSE(harness::Played("Hiscore.wav", levelUpSound.index, false));
}

TEST_F(NameEntry, HeldDownStepsTheLetterAtOnceThenEveryTenFrames) {
    RankedAt(3);
    Frames(1);
    harness::Hold(vkDown);
    std::vector<int> changedAt;
    int last = entryName[0];
    for (int f = 1; f <= 32; ++f) {
        Frames(1);
        if (entryName[0] != last) {
            changedAt.push_back(f);
            last = entryName[0];
        }
    }
    EXPECT_EQ(changedAt, (std::vector<int>{1, 11, 21, 31}));
    EXPECT_EQ(entryName[0], 4);  // A, then B, C, D, E
    EXPECT_EQ(entryName[1], 0);
}

TEST_F(NameEntry, LettersWrapBothWays) {
    RankedAt(3);
    Frames(1);
    Step(vkUp);
    EXPECT_EQ(entryName[0], 39);  // "A" back to "_"
    Step(vkDown);
    EXPECT_EQ(entryName[0], 0);  // "_" on to "A"
    Step('Z');
    EXPECT_EQ(entryName[0], 39);
}

TEST_F(NameEntry, CursorWrapsBetweenTheFirstLetterAndOk) {
    RankedAt(3);
    Frames(1);
    Step(vkLeft);
    EXPECT_EQ(entryCursor, 4);
    Step(vkRight);
    EXPECT_EQ(entryCursor, 0);
    Step(vkRight);
    Step(vkRight);
    EXPECT_EQ(entryCursor, 2);
    Step(vkDown);
    EXPECT_EQ(entryName[2], 1);
    EXPECT_EQ(entryName[0], 0);
}

TEST_F(NameEntry, HeldSidewaysKeyMovesTheCursorOnce) {
    RankedAt(3);
    Frames(1);
    harness::Hold(vkRight);
    Frames(30);
    EXPECT_EQ(entryCursor, 1);
}

TEST_F(NameEntry, XChangesALetterAndOnlyOkEndsTheEntry) {
    RankedAt(8);
    Frames(1);
    Step('X');
    EXPECT_EQ(entryName[0], 1);
    EXPECT_EQ(entryPhase, 1);
    Step(vkLeft);  // to OK
    harness::Hold('X');
    Frames(1);
    EXPECT_EQ(entryPhase, 2);
    EXPECT_EQ(confirmHeld, 1);
    EXPECT_EQ(rankingTable.name[8][0], 1);
    EXPECT_EQ(rankingTable.name[8][1], 0);
    // Still held from the name: the question waits for a fresh press.
    Frames(20);
    EXPECT_EQ(wipeState, 0);
    harness::Release('X');
    Frames(2);
    harness::Tap('X');
    Frames(2);
    EXPECT_EQ(wipeState, 1);
}

TEST_F(NameEntry, ScoreZeroGoesStraightToTheQuestionWithoutReadingTheFile) {
    RankingFile t;
    MakeFullTable(t);
    StoreTable(t);
    // As read at set-up, then changed: the file must not be read again.
    MakeEmptyTable(rankingTable);
    SetEntry(rankingTable, 0, 0, 4242);
    const RankingFile shared = rankingTable;
    players[0].score = 0;
    Frames(1);
    EXPECT_EQ(entryPhase, 2);
    EXPECT_EQ(rankPlace, -1);
    EXPECT_FALSE(harness::Played("Hiscore.wav", levelUpSound.index, false));
    EXPECT_FALSE(harness::Played("Omedetou.wav", levelUpSound.index, false));
    EXPECT_EQ(rankingTable.score[0], 4242);
    harness::Tap('X');
    Frames(2);
    EXPECT_EQ(wipeState, 1);
    // Answering writes the shared table as it stands.
    RankingFile written;
    ReadRankingFile(written);
    for (int i = 0; i < rankingEntries; ++i) EXPECT_TRUE(SameEntry(written, i, shared, i)) << i;
}

TEST_F(NameEntry, AnsweringAfterANameWritesItToTheFile) {
    RankedAt(5);
    Frames(1);
    Step(vkDown);  // B
    Step(vkRight);
    Step(vkUp);  // _
    Step(vkLeft);
    Step(vkLeft);  // past the first letter to OK
    Step('X');
    ASSERT_EQ(entryPhase, 2);
    Step('X');
    const std::vector<uint8_t> b = ReadRaw();
    ASSERT_EQ(b.size(), 3400u);
    EXPECT_EQ(GetInt(b, 4 * 5), players[0].score);
    EXPECT_EQ(b[1600 + 4 * 5 + 0], 1);
    EXPECT_EQ(b[1600 + 4 * 5 + 1], 39);
    EXPECT_EQ(b[1600 + 4 * 5 + 2], 0);
    EXPECT_EQ(GetInt(b, 4 * 99), 1000 * 2);  // the former place 100 fell out
}

TEST_F(NameEntry, RetryQuestionOtherModesDoesNotWriteTheRanking) {
    gameMode = 3;
    rankingSkipped = 1;
    Frames(1);
    EXPECT_EQ(entryPhase, 2);
    Step('X');
    EXPECT_EQ(wipeState, 1);
    EXPECT_TRUE(ReadRaw().empty());
}

TEST_F(NameEntry, YesRestartsTheMatchWithTheMusicRunning) {
    players[0].score = 0;
    Frames(1);
    harness::ClearSoundLog();
    Step('X');
    ASSERT_TRUE(harness::RunUntil([] { return !At(EntryScene); }, 2000));
    EXPECT_TRUE(At(MatchSetupScene));
    EXPECT_EQ(wipeState, 2);
    EXPECT_TRUE(harness::Played("Game.wav", bgmBuffer.index, true));
    EXPECT_EQ(mainSheet, nullptr);
    EXPECT_EQ(backdropSurface, nullptr);
    EXPECT_EQ(itemSheet, nullptr);
    EXPECT_EQ(entryPhase, 0);
    EXPECT_EQ(rankPlace, -1);
    EXPECT_EQ(boxGrowth, 0);
}

TEST_F(NameEntry, NoReturnsToTheMenuWithItsMusicAndClearsTheWins) {
    gameMode = 1;
    rankingSkipped = 1;
    versusWins[0] = 3;
    versusWins[1] = 5;
    Frames(1);
    Step(vkRight);
    EXPECT_EQ(entryCursor, 1);
    harness::ClearSoundLog();
    Step('X');
    ASSERT_TRUE(harness::RunUntil([] { return !At(EntryScene); }, 2000));
    EXPECT_TRUE(At(MainMenuScene));
    EXPECT_TRUE(harness::Played("Opening.wav", bgmBuffer.index, true));
    EXPECT_EQ(versusWins[0], 0);
    EXPECT_EQ(versusWins[1], 0);
    ASSERT_NE(mainSheet, nullptr);
    EXPECT_EQ(mainSheet->width, 390);
    EXPECT_EQ(entryCursor, 0);
}

TEST_F(NameEntry, ChoiceArrowComesFromTheSheetOfTheMode) {
    players[0].score = 0;
    Frames(12);
    ASSERT_EQ(boxGrowth, 10);
    EXPECT_TRUE(PictureShown(mainSheet, titleSheetLayout::rowMarker, 150, 245));
    Step(vkRight);
    EXPECT_TRUE(PictureShown(mainSheet, titleSheetLayout::rowMarker, 310, 245));
    EXPECT_FALSE(PictureShown(mainSheet, titleSheetLayout::rowMarker, 150, 245));
}

TEST_F(NameEntry, RetryArrowAfterOtherModesIsTheMatchMarker) {
    gameMode = 1;
    rankingSkipped = 1;
    Frames(12);
    EXPECT_TRUE(PictureShown(mainSheet, gameSheetLayout::pauseMarker, 150, 245));
}

TEST_F(NameEntry, NamePanelsGrowThenTheLetterCursorBlinks) {
    RankedAt(2);
    Frames(1);
    Frames(10);
    ASSERT_EQ(boxGrowth, 10);
    // The letter cursor: shown for the first 400 ms of each 800 ms cycle.
    bool shown = false, hidden = false;
    for (int f = 0; f < 60; ++f) {
        Frames(1);
        const bool now = PictureShown(mainSheet, SheetRect{304, 92, 319, 114}, 174, 237);
        shown = shown || now;
        hidden = hidden || !now;
    }
    EXPECT_TRUE(shown);
    EXPECT_TRUE(hidden);
}

}  // namespace
