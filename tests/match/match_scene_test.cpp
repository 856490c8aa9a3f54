#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "content/game_sheet.h"
#include "frontend/frontend_steps.h"
#include "frontend/main_menu.h"
#include "match/board_test_util.h"
#include "match/match_scene.h"
#include "match/match_setup.h"
#include "match/match_state.h"
#include "match/pause.h"
#include "options/options_file.h"
#include "platform/bitmap_loader.h"
#include "platform/present.h"
#include "platform/sound.h"
#include "platform/surface.h"
#include "platform/text.h"
#include "platform/wipe.h"
#include "setup/player_params.h"
#include "shell/menu_input.h"
#include "shell/scene.h"

namespace {

// A key as the next step reads it; functions called directly read it at once.
void SetKey(int vk, bool down) {
    keyDown[vk & 0xFF] = down;
    KeyboardMatchInput(matchInput);
}

constexpr int endless = 0, practice = 3;
constexpr uint8_t pauseIndex = 160;

bool At(Scene s) { return currentScene == s; }

void WriteOptions(int soundOff, int difficulty) {
    std::ofstream out(harness::WorkDir() + "/Data/OD.dat", std::ios::binary);
    const char bytes[5] = {0, static_cast<char>(soundOff), static_cast<char>(difficulty), 0, 0};
    out.write(bytes, 5);
}

// Boots, then sets a match up the way the main menu hands it over: the
// wipe closed, the mode chosen. Returns with MatchScene stored.
void SetUpMatch(int mode, int difficulty = 1, int soundOff = 0) {
    harness::Boot();
    ResetMatchRecords();
    WriteOptions(soundOff, difficulty);
    options.soundOff = static_cast<int8_t>(soundOff);
    gameMode = static_cast<int8_t>(mode);
    wipeState = 2;
    EmptySoundSlot(bgmBuffer);
    currentScene = MatchSetupScene;
    harness::Pass();
}

// A stand-in match sheet over a plain background, so pixels tell pictures apart.
void StandInPictures() {
    // The game's palette, for the text boxes' colours.
    CreateSheet(spareSurface, 390, 500);
    LoadBitmapToSurface(spareSurface, "Back\\Title.bmp");
    EmptySlot(spareSurface);
    boardTest::BuildStandInSheets();
    boardTest::Paint(gameSheetLayout::pausePicture, pauseIndex);
}

// The board area under the top line and above the NEXT strip shows only background.
bool BoardHidden() {
    for (int y = 100; y < 370; ++y)
        for (int x = 49; x < 217; ++x)
            if (harness::PixelAt(x, y) != boardTest::backgroundIndex) return false;
    return true;
}

// The highest row holding a panel in every column of player 0's board.
int FullRows() {
    int rows = 0;
    for (int r = 0; r < boardRows; ++r) {
        bool full = true;
        for (int c = 0; c < boardColumns; ++c) full = full && HoldsPanel(Cell(0, r, c));
        if (!full) break;
        ++rows;
    }
    return rows;
}

bool EmptyAbove(int row) {
    for (int r = row; r < boardRows; ++r)
        for (int c = 0; c < boardColumns; ++c)
            if (Cell(0, r, c) != emptyCell) return false;
    return true;
}

void Tap(int vk) {
    harness::Tap(vk, 2);
    harness::RunFrames(4);
}

TEST(MatchSetup, EndlessOpeningRowsFollowTheDifficulty) {
    const int visible[3] = {3, 5, 7};
    for (int d = 0; d < 3; ++d) {
        SetUpMatch(endless, d);
        ASSERT_TRUE(At(MatchScene));
        // n rows in the field, one in the NEXT strip and a fresh one below.
        EXPECT_EQ(FullRows(), visible[d] + 2) << "difficulty " << d;
        EXPECT_TRUE(EmptyAbove(visible[d] + 2)) << "difficulty " << d;
        EXPECT_EQ(matchStarted, 1);
        EXPECT_EQ(playerParams[0][paramSpeed], 2);
        EXPECT_EQ(playerParams[0][paramLuck], 5 - 2 * d);
        EXPECT_EQ(playerParams[0][paramChain], 5 - 2 * d);
    }
}

TEST(MatchSetup, PracticeStartsWithThreeRowsAndFullLuck) {
    SetUpMatch(practice, 2);
    ASSERT_TRUE(At(MatchScene));
    EXPECT_EQ(FullRows(), 5);
    EXPECT_TRUE(EmptyAbove(5));
    EXPECT_EQ(twoPlayers, 0);
    EXPECT_EQ(playerParams[0][paramLuck], 5);
    EXPECT_EQ(playerParams[0][paramChain], 5);
}

TEST(MatchSetup, TheCalendarTimeSeedsTheBoard) {
    SetUpMatch(endless);
    const std::vector<int8_t> first(board, board + boardCells);
    virtualBackend::state.calendarSeconds = 1'800'000'000;
    SetUpMatch(endless);
    EXPECT_EQ(std::vector<int8_t>(board, board + boardCells), first);
    harness::Boot();
    virtualBackend::state.calendarSeconds = 1'800'000'777;
    gameMode = endless;
    currentScene = MatchSetupScene;
    harness::Pass();
    EXPECT_NE(std::vector<int8_t>(board, board + boardCells), first);
}

TEST(MatchSetup, LoadsTheMatchSheetsAndSounds) {
    SetUpMatch(endless);
    ASSERT_NE(mainSheet, nullptr);
    EXPECT_EQ(mainSheet->width, 650);
    EXPECT_EQ(mainSheet->height, 280);
    ASSERT_NE(backdropSurface, nullptr);
    EXPECT_EQ(backdropSurface->width, 640);
    EXPECT_EQ(itemSheet, nullptr);  // let go once the icons are painted
    EXPECT_TRUE(harness::Played("Game.wav", bgmBuffer.index, true));
    EXPECT_TRUE(harness::Played("Count.wav", seBuffer1.index, false));
    ASSERT_NE(seBuffer1.sound, nullptr);
    EXPECT_NE(std::string(seBuffer1.sound->name).find("Motto.wav"), std::string::npos);
    ASSERT_NE(seBuffer2.sound, nullptr);
    EXPECT_NE(std::string(seBuffer2.sound->name).find("Pause.wav"), std::string::npos);
    EXPECT_NE(levelUpSound.sound, nullptr);
    EXPECT_NE(effectSound.sound, nullptr);
    EXPECT_NE(matchFontBig, -1);
}

TEST(MatchSetup, ARetryKeepsTheMusicGoing) {
    SetUpMatch(endless);
    harness::ClearSoundLog();
    currentScene = MatchSetupScene;
    harness::Pass();
    for (const auto& e : harness::SoundLog()) EXPECT_NE(e.slot, bgmBuffer.index) << static_cast<int>(e.call);
}

TEST(MatchSetup, WithSoundOffNothingIsLoadedAndNoMusicStarts) {
    SetUpMatch(endless, 1, 1);
    EXPECT_EQ(bgmBuffer.sound, nullptr);
    EXPECT_FALSE(harness::Played("Game.wav", bgmBuffer.index, true));
    for (const auto& e : harness::SoundLog()) {
        if (e.call != virtualBackend::SoundCall::load) continue;
        const std::string name = harness::SoundName(e);
        EXPECT_NE(name, "Count.wav");
        EXPECT_NE(name, "Motto.wav");
        EXPECT_NE(name, "Pause.wav");
    }
}

TEST(MatchSetup, MainMenuHandsEndlessOverToTheSetUp) {
    ASSERT_TRUE(frontendSteps::BootToMenu());
    puzzleIndex = 12;
    skipPicker = 1;
    harness::ClearSoundLog();
    harness::Tap('X');
    ASSERT_TRUE(harness::RunUntil([] { return At(MatchSetupScene); }));
    EXPECT_EQ(bgmBuffer.sound, nullptr);
    EXPECT_EQ(mainSheet, nullptr);
    EXPECT_EQ(backdropSurface, nullptr);
    EXPECT_EQ(itemSheet, nullptr);
    EXPECT_EQ(puzzleIndex, 0);
    EXPECT_EQ(skipPicker, 0);
    EXPECT_EQ(boxGrowth, 0);
    harness::Pass();
    EXPECT_TRUE(At(MatchScene));
    EXPECT_EQ(gameMode, 0);
}

TEST(MatchSetup, MainMenuStartsPracticeToo) {
    ASSERT_TRUE(frontendSteps::BootToMenu());
    gameMode = 3;
    harness::Tap('X');
    ASSERT_TRUE(harness::RunUntil([] { return At(MatchSetupScene); }));
    harness::Pass();
    EXPECT_TRUE(At(MatchScene));
}

TEST(MatchScene, ASecondCallWithin20MsDrawsNothing) {
    SetUpMatch(endless);
    harness::RunMs(100);
    const uint32_t step = std::max(harness::Now(), matchPaceMark + 20);
    virtualBackend::state.nowMs = step;
    uint32_t presents = presentCount;
    MatchScene();
    EXPECT_EQ(presentCount, presents + 1);
    ASSERT_EQ(matchPaceMark, step);
    const uint32_t steps = matchStep;
    std::memset(backBuffer.pixels, 222, static_cast<size_t>(screenWidth) * screenHeight);
    virtualBackend::state.nowMs = step + 19;
    presents = presentCount;
    MatchScene();
    EXPECT_EQ(presentCount, presents);
    EXPECT_EQ(matchStep, steps);
    EXPECT_EQ(backBuffer.pixels[200 * screenWidth + 100], 222);
    virtualBackend::state.nowMs = step + 20;
    MatchScene();
    EXPECT_EQ(presentCount, presents + 1);
    EXPECT_EQ(matchStep, steps + 1);
    // Match time moves 20 ms a step, whatever the wall clock did.
    EXPECT_EQ(frameClock.now, steps * 20);
}

TEST(MatchScene, PauseFreezesTheClockTheMeterAndTheRise) {
    SetUpMatch(endless);
    StandInPictures();
    harness::RunMs(2500);
    ASSERT_FALSE(BoardHidden());
    Tap('C');
    ASSERT_GT(players[0].paused, 0);
    const int32_t seconds = clockSeconds;
    const uint32_t intoSecond = frameClock.now - clockMark;
    const uint32_t intoMeter = frameClock.now - attackMark;
    const int8_t lit = attackMeterLit;
    const int32_t riseTimer = players[0].riseTimer;
    const int8_t riseOffset = players[0].riseOffset;
    const std::vector<int8_t> cells(board, board + boardCells);
    harness::RunMs(10000);
    EXPECT_EQ(clockSeconds, seconds);
    EXPECT_EQ(frameClock.now - clockMark, intoSecond);
    EXPECT_EQ(frameClock.now - attackMark, intoMeter);
    EXPECT_EQ(attackMeterLit, lit);
    EXPECT_EQ(players[0].riseTimer, riseTimer);
    EXPECT_EQ(players[0].riseOffset, riseOffset);
    EXPECT_EQ(std::vector<int8_t>(board, board + boardCells), cells);
    EXPECT_TRUE(BoardHidden());
    // Resumed, the clock goes on from where it stood.
    Tap('C');
    EXPECT_EQ(players[0].paused, 0);
    EXPECT_EQ(clockSeconds, seconds);
    harness::RunMs(1000);
    EXPECT_GE(clockSeconds, seconds + 1);
    EXPECT_LE(clockSeconds, seconds + 2);
    EXPECT_FALSE(BoardHidden());
}

TEST(MatchScene, PausePictureBlinksWithAPeriodOf80Steps) {
    SetUpMatch(endless);
    StandInPictures();
    Tap('C');
    std::vector<bool> shown;
    for (int i = 0; i < 160; ++i) {
        const uint32_t presents = presentCount;
        harness::RunUntil([presents] { return presentCount != presents; });
        shown.push_back(harness::PixelAt(231, 151) == pauseIndex);
    }
    int on = 0;
    for (bool s : shown) on += s ? 1 : 0;
    EXPECT_EQ(on, 78);  // 39 of every 80 steps
    for (int i = 80; i < 160; ++i) EXPECT_EQ(shown[i], shown[i - 80]) << i;
}

TEST(MatchScene, PracticePauseTwiceLeavesForTheMenu) {
    SetUpMatch(practice);
    versusWins[0] = 2;
    Tap('C');
    EXPECT_EQ(players[0].paused > 0, true);
    EXPECT_EQ(pauseMenuCursor, 0);
    Tap('C');
    EXPECT_EQ(players[0].paused, 0);
    EXPECT_EQ(wipeState, 1);
    harness::ClearSoundLog();
    ASSERT_TRUE(harness::RunUntil([] { return At(MainMenuScene); }));
    EXPECT_TRUE(harness::Played("Opening.wav", bgmBuffer.index, true));
    EXPECT_EQ(versusWins[0], 0);
    ASSERT_NE(mainSheet, nullptr);
    EXPECT_EQ(mainSheet->width, 390);
}

TEST(MatchScene, PracticeNoAnswerResumes) {
    SetUpMatch(practice);
    Tap('C');
    Tap(vkRight);
    EXPECT_EQ(pauseMenuCursor, 1);
    Tap('C');
    EXPECT_EQ(players[0].paused, 0);
    EXPECT_EQ(wipeState, 0);
    EXPECT_EQ(pauseMenuCursor, 0);
    EXPECT_EQ(boxGrowth, 0);
    harness::RunMs(500);
    EXPECT_TRUE(At(MatchScene));
}

TEST(MatchScene, PracticeMenuGrowsThenShowsTheQuestionAndMarker) {
    SetUpMatch(practice);
    StandInPictures();
    boardTest::Paint(gameSheetLayout::pauseMarker, pauseIndex + 1);
    Tap('C');
    harness::RunMs(400);
    EXPECT_EQ(boxGrowth, 10);
    // Full box (169,209)-(469,269), blue inside.
    EXPECT_EQ(harness::PixelAt(175, 239), 3);
    EXPECT_NE(harness::PixelAt(160, 239), 3);
    bool marker = false;
    for (int i = 0; i < 60 && !marker; ++i) {
        harness::RunFrames(1);
        marker = harness::PixelAt(191, 242) == pauseIndex + 1;
    }
    EXPECT_TRUE(marker);
    Tap(vkLeft);
    EXPECT_EQ(pauseMenuCursor, 1);
}

TEST(MatchScene, EscapeLeavesTheMatchForTheMenu) {
    SetUpMatch(endless);
    versusWins[1] = 4;
    harness::ClearSoundLog();
    Tap(vkEscape);
    EXPECT_EQ(wipeState, 1);
    EXPECT_TRUE(harness::Played("Ok.wav", seBuffer2.index, false));
    ASSERT_TRUE(harness::RunUntil([] { return At(MainMenuScene); }));
    EXPECT_EQ(versusWins[1], 0);
    EXPECT_TRUE(harness::Played("Opening.wav", bgmBuffer.index, true));
}

TEST(MatchScene, DecidedMatchRunsTheResultFlowAndHoldsTheRise) {
    SetUpMatch(endless);
    players[0].riseTimer = 300;
    matchState = 1;
    harness::ClearSoundLog();
    harness::RunMs(40);
    EXPECT_EQ(resultPhase, 1);
    EXPECT_EQ(players[0].riseTimer, 0);
    EXPECT_TRUE(harness::Played("GameOver.wav", seBuffer2.index, false));
}

TEST(Pause, SavedDurationsRebaseTheMarks) {
    harness::StartFresh();
    ResetMatchRecords();
    frameClock.now = 50000;
    clockMark = 49700;
    attackMark = 47000;
    SetKey('C', true);
    EXPECT_FALSE(PauseKey(0));
    SetKey('C', false);
    EXPECT_EQ(players[0].paused, 1);
    EXPECT_EQ(pausedClockElapsed, 300u);
    EXPECT_EQ(pausedAttackElapsed, 3000u);
    frameClock.now = 90000;
    HoldPausedClocks();
    EXPECT_EQ(clockMark, 89700u);
    EXPECT_EQ(attackMark, 87000u);
}

TEST(Pause, HeldPauseKeyActsOnceUntilReleased) {
    harness::StartFresh();
    ResetMatchRecords();
    gameMode = 0;
    SetKey('C', true);
    PauseKey(0);
    PauseKey(0);
    PauseKey(0);
    EXPECT_EQ(players[0].paused, 1);
    SetKey('C', false);
    PauseKey(0);
    EXPECT_EQ(players[0].pauseLatch, 0);
    SetKey('C', true);
    PauseKey(0);
    EXPECT_EQ(players[0].paused, 0);
}

TEST(Pause, InVersusOnePlayersKeyDoesNotResumeTheOther) {
    harness::StartFresh();
    ResetMatchRecords();
    gameMode = 1;
    twoPlayers = 1;
    SetKey(vkReturn, true);
    PauseKey(1);
    SetKey(vkReturn, false);
    SetKey('C', true);
    PauseKey(0);
    SetKey('C', false);
    PauseKey(0);
    SetKey('C', true);
    PauseKey(0);
    EXPECT_EQ(players[0].paused, 0);
    EXPECT_EQ(players[1].paused, 1);
    EXPECT_TRUE(AnyPaused());
}

TEST(Pause, PuzzleMenuMovesWrapAndChooseRetry) {
    harness::StartFresh();
    ResetMatchRecords();
    gameMode = 2;
    players[0].paused = 5;
    SetKey('Y', true);
    PauseMenuKeys(0);
    EXPECT_EQ(pauseMenuCursor, 2);  // up from cancel wraps to back
    EXPECT_EQ(players[0].paused, 1);
    PauseMenuKeys(0);  // held: waits for the repeat
    EXPECT_EQ(pauseMenuCursor, 2);
    SetKey('Y', false);
    PauseMenuKeys(0);
    SetKey('B', true);
    PauseMenuKeys(0);
    EXPECT_EQ(pauseMenuCursor, 0);  // down from back wraps to cancel
    SetKey('B', false);
    PauseMenuKeys(0);
    SetKey('B', true);
    PauseMenuKeys(0);
    SetKey('B', false);
    PauseMenuKeys(0);
    EXPECT_EQ(pauseMenuCursor, 1);
    SetKey('X', true);
    PauseMenuKeys(0);
    SetKey('X', false);
    EXPECT_EQ(matchEnd, 2);
    EXPECT_EQ(wipeState, 1);
    EXPECT_EQ(pauseMenuCursor, 0);
}

TEST(Pause, PuzzleCancelKeyResumes) {
    harness::StartFresh();
    ResetMatchRecords();
    gameMode = 2;
    players[0].paused = 30;
    pauseMenuCursor = 2;
    boxGrowth = 10;
    SetKey('Z', true);
    PauseMenuKeys(0);
    EXPECT_EQ(players[0].paused, 0);
    EXPECT_EQ(pauseMenuCursor, 0);
    EXPECT_EQ(boxGrowth, 0);
    EXPECT_EQ(wipeState, 0);
}

TEST(Pause, PracticeSelectAndCancelKeysDoNothing) {
    harness::StartFresh();
    ResetMatchRecords();
    gameMode = 3;
    players[0].paused = 12;
    SetKey('X', true);
    SetKey('Z', true);
    PauseMenuKeys(0);
    EXPECT_EQ(players[0].paused, 12);
    EXPECT_EQ(wipeState, 0);
}

TEST(Pause, NoMenuKeysWhileAWipeRuns) {
    harness::StartFresh();
    ResetMatchRecords();
    gameMode = 3;
    players[0].paused = 12;
    wipeState = 1;
    SetKey('G', true);
    PauseMenuKeys(0);
    EXPECT_EQ(pauseMenuCursor, 0);
    SetKey('G', false);
    SetKey('C', true);
    EXPECT_FALSE(PauseKey(0));
    EXPECT_EQ(players[0].paused, 12);
}

}  // namespace
