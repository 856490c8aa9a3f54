#include <gtest/gtest.h>

#include <strings.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "content/game_sheet.h"
#include "frontend/main_menu.h"
#include "harness/harness.h"
#include "match/board_test_util.h"
#include "match/game_random.h"
#include "match/match_state.h"
#include "match/result_flow.h"
#include "match/step_input.h"
#include "options/options_file.h"
#include "platform/blit.h"
#include "platform/keys.h"
#include "platform/present.h"
#include "platform/sound.h"
#include "platform/surface.h"
#include "shell/menu_input.h"

namespace {

// A match sheet whose pictures are plain blocks of their own colour, so a
// test can tell from one pixel which picture lies where.
constexpr uint8_t panelColour = 100;  // + value
constexpr uint8_t winColour = 120;
constexpr uint8_t loseColour = 121;
constexpr uint8_t drawColour = 122;
constexpr uint8_t clearColour = 123;
constexpr uint8_t backColour = 7;

void Paint(const SheetRect& r, uint8_t colour) { ColorFill(mainSheet, r.left, r.top, r.right, r.bottom, colour); }

class ResultFlowTest : public ::testing::Test {
protected:
    void SetUp() override {
        harness::Boot();
        ResetMatchRecords();
        ResetMatchValues();
        CreateSheet(mainSheet, gameSheetLayout::width, gameSheetLayout::height);
        ColorFill(mainSheet, 0, 0, gameSheetLayout::width, gameSheetLayout::height, colorKey);
        for (int v = 0; v < 8; ++v) Paint(gameSheetLayout::Panel(v, 0), static_cast<uint8_t>(panelColour + v));
        Paint(gameSheetLayout::winPicture, winColour);
        Paint(gameSheetLayout::losePicture, loseColour);
        Paint(gameSheetLayout::drawPicture, drawColour);
        Paint(gameSheetLayout::clearPicture, clearColour);
        CreateSheet(tileSurface, screenWidth, screenHeight);
        ColorFill(tileSurface, 0, 0, screenWidth, screenHeight, backColour);
        CreateSheet(backdropSurface, screenWidth, screenHeight);
        LoadSoundBuffer(bgmBuffer, "Sound\\Game.wav");
        RestartSound(bgmBuffer, true);
        options.panelShape = 0;
        gameMode = 0;
        matchState = 1;
        harness::ClearSoundLog();
    }
    // One match step of the result flow, presented.
    static void Step() {
        // The step's inputs come from the keys, as MatchScene takes them.
        KeyboardMatchInput(matchInput);
        Blit(&backBuffer, 0, 0, tileSurface, keyedCopy, 0, 0, screenWidth, screenHeight);
        ResultFlow();
        Present();
    }
    static void Steps(int n) {
        for (int i = 0; i < n; ++i) Step();
    }
    static bool SlotHolds(const SoundSlot& slot, const std::string& file) {
        if (slot.sound == nullptr || slot.sound->name == nullptr) return false;
        const std::string name = slot.sound->name;
        return name.size() >= file.size() &&
               strcasecmp(name.c_str() + name.size() - file.size(), file.c_str()) == 0;
    }
    static bool Stopped(int slot) {
        for (const auto& e : harness::SoundLog())
            if (e.call == virtualBackend::SoundCall::stop && e.slot == slot) return true;
        return false;
    }
};

TEST_F(ResultFlowTest, EveryPanelTakesItsAngleFromRandInBoardOrder) {
    Cell(0, 2, 0) = 3;
    Cell(0, 5, 6) = 7;
    Cell(0, 0, 4) = 2;  // below the field: it flies too
    Cell(0, 6, 1) = 12; // a marked cell does not
    Cell(1, 14, 3) = 1;
    players[0].riseOffset = 6;
    std::srand(77);
    const int a0 = std::rand() % 360;
    const int a1 = std::rand() % 360;
    const int a2 = std::rand() % 360;
    const int a3 = std::rand() % 360;
    const int next = std::rand();
    SeedGameRandom(77);
    Step();
    EXPECT_EQ(flyingPanels[0][0][4].flyAngle, a0);
    EXPECT_EQ(flyingPanels[0][2][0].flyAngle, a1);
    EXPECT_EQ(flyingPanels[0][5][6].flyAngle, a2);
    EXPECT_EQ(flyingPanels[1][14][3].flyAngle, a3);
    EXPECT_EQ(GameRand(), next);
    EXPECT_DOUBLE_EQ(flyingPanels[0][2][0].flyX, 49);
    EXPECT_DOUBLE_EQ(flyingPanels[0][2][0].flyY, 352 - 6);
    EXPECT_DOUBLE_EQ(flyingPanels[0][5][6].flyX, 49 + 24 * 6);
    EXPECT_DOUBLE_EQ(flyingPanels[0][5][6].flyY, 352 - 72 - 6);
    EXPECT_DOUBLE_EQ(flyingPanels[0][0][4].flyY, 352 + 48 - 6);
    EXPECT_DOUBLE_EQ(flyingPanels[1][14][3].flyX, 49 + 374 + 72);
    EXPECT_DOUBLE_EQ(flyingPanels[1][14][3].flyY, 64);
    EXPECT_EQ(resultPhase, 1);
    EXPECT_TRUE(harness::Played("GameOver.wav", seBuffer2.index, false));
    // Nothing else in that step: no panel drawn yet.
    EXPECT_EQ(harness::CountIndex(panelColour + 3, 0, 0, 640, 480), 0);
}

TEST_F(ResultFlowTest, PanelsFlyTenPixelsPerStepAlongTheirAngle) {
    Cell(0, 2, 0) = 5;
    Step();
    flyingPanels[0][2][0].flyAngle = 45;
    Step();
    // 49 + 7.07 and 352 - 7.07, truncated.
    EXPECT_EQ(harness::PixelAt(56, 344), panelColour + 5);
    EXPECT_EQ(harness::PixelAt(79, 367), panelColour + 5);
    EXPECT_NE(harness::PixelAt(55, 344), panelColour + 5);
    EXPECT_NE(harness::PixelAt(56, 343), panelColour + 5);
    Step();
    EXPECT_EQ(static_cast<int>(flyingPanels[0][2][0].flyX), 63);
    EXPECT_EQ(static_cast<int>(flyingPanels[0][2][0].flyY), 337);
    EXPECT_EQ(harness::PixelAt(63, 337), panelColour + 5);
    EXPECT_NE(harness::PixelAt(62, 337), panelColour + 5);
}

TEST_F(ResultFlowTest, ResultScreenFollows120StepsAfterTheLastPanelLeft) {
    Cell(0, 2, 6) = 4;  // x 193, flying right: gone when x passes 638
    Step();
    flyingPanels[0][2][6].flyAngle = 0;
    int steps = 0;
    while (flyingPanels[0][2][6].flyGone == 0 && steps < 100) {
        Step();
        ++steps;
    }
    EXPECT_EQ(steps, 45);  // 193 + 450 = 643
    EXPECT_EQ(resultPhase, 1);
    harness::ClearSoundLog();
    Steps(119);
    EXPECT_EQ(matchState, 1);
    EXPECT_EQ(resultWait, 119);
    EXPECT_NE(backdropSurface, nullptr);
    Step();
    EXPECT_EQ(matchState, 2);
    EXPECT_EQ(resultPhase, 0);
    EXPECT_EQ(resultWait, 0);
    EXPECT_EQ(resultPulse, 0);
    EXPECT_EQ(resultPulseStep, 1);
    EXPECT_TRUE(Stopped(bgmBuffer.index));
    EXPECT_EQ(backdropSurface, nullptr);
}

TEST_F(ResultFlowTest, EmptyBoardPassesThroughTheFlightInOneStep) {
    Step();
    EXPECT_EQ(resultPhase, 1);
    Step();
    EXPECT_EQ(resultPhase, 2);
    EXPECT_EQ(resultWait, 1);
    EXPECT_TRUE(SlotHolds(seBuffer1, "select.wav"));
    EXPECT_TRUE(SlotHolds(seBuffer2, "ok.wav"));
}

TEST_F(ResultFlowTest, FailedPuzzleWaitsButKeepsMusicAndBackdrop) {
    gameMode = 2;
    Steps(2 + 119);
    EXPECT_EQ(matchState, 2);
    EXPECT_FALSE(Stopped(bgmBuffer.index));
    EXPECT_NE(backdropSurface, nullptr);
}

TEST_F(ResultFlowTest, VersusDrawShowsTheDrawPictureOnBothBoardsAndCountsNoWin) {
    gameMode = 1;
    twoPlayers = 1;
    topOutResult = 3;
    versusWins[0] = 4;
    versusWins[1] = 6;
    Steps(2);
    EXPECT_EQ(versusWins[0], 4);
    EXPECT_EQ(versusWins[1], 6);
    // Pulse 0 on this step: both pictures at their own size.
    EXPECT_EQ(harness::PixelAt(58, 150), drawColour);
    EXPECT_EQ(harness::PixelAt(207, 199), drawColour);
    EXPECT_EQ(harness::PixelAt(432, 150), drawColour);
    EXPECT_EQ(harness::PixelAt(581, 199), drawColour);
    EXPECT_EQ(harness::CountIndex(winColour, 0, 0, 640, 480), 0);
}

TEST_F(ResultFlowTest, VersusWinnerLeftAndLoserRight) {
    gameMode = 1;
    twoPlayers = 1;
    topOutResult = 1;
    Steps(2);
    EXPECT_EQ(versusWins[0], 1);
    EXPECT_EQ(versusWins[1], 0);
    EXPECT_EQ(harness::CountIndex(winColour, 93, 150, 173, 200), 80 * 50);
    EXPECT_EQ(harness::CountIndex(loseColour, 467, 150, 547, 200), 80 * 50);
    // Later the two pulse in opposite phase: one grows while the other shrinks.
    Steps(5);
    const int left = harness::CountIndex(winColour, 0, 0, 640, 480);
    const int right = harness::CountIndex(loseColour, 0, 0, 640, 480);
    EXPECT_GT(left, 80 * 50);
    EXPECT_LT(right, 80 * 50);
}

TEST_F(ResultFlowTest, WinsStopAtNinetyNine) {
    gameMode = 1;
    twoPlayers = 1;
    topOutResult = 2;
    versusWins[1] = 99;
    Steps(2);
    EXPECT_EQ(versusWins[1], 99);
}

TEST_F(ResultFlowTest, PulseSwingsBetweenMinusTenAndTenIn40Steps) {
    gameMode = 1;
    topOutResult = 1;
    Steps(2);
    ASSERT_EQ(resultPhase, 2);
    std::vector<int> seen;
    seen.push_back(resultPulse);
    for (int i = 0; i < 40; ++i) {
        Step();
        seen.push_back(resultPulse);
    }
    EXPECT_EQ(seen[0], 1);
    EXPECT_EQ(seen[9], 10);
    EXPECT_EQ(seen[10], 9);
    EXPECT_EQ(seen[29], -10);
    EXPECT_EQ(seen[30], -9);
    EXPECT_EQ(seen[40], 1);
    for (int v : seen) {
        EXPECT_GE(v, -10);
        EXPECT_LE(v, 10);
    }
}

TEST_F(ResultFlowTest, VersusKeyHandsOverToTheResultScreen) {
    gameMode = 1;
    topOutResult = 2;
    Steps(3);
    harness::ClearSoundLog();
    keyDown['L'] = true;
    boxGrowth = 7;
    Step();
    keyDown['L'] = false;
    EXPECT_EQ(matchState, 2);
    EXPECT_EQ(resultPhase, 0);
    EXPECT_EQ(confirmHeld, 1);
    EXPECT_EQ(boxGrowth, 0);
    EXPECT_TRUE(harness::Played("Select.wav", seBuffer1.index, false));
}

TEST_F(ResultFlowTest, KeyStillHeldFromPlayEndsTheBannerAtOnce) {
    gameMode = 1;
    topOutResult = 1;
    keyDown['C'] = true;
    Step();
    EXPECT_EQ(matchState, 1);
    Step();
    keyDown['C'] = false;
    EXPECT_EQ(matchState, 2);
}

TEST_F(ResultFlowTest, SolvedPuzzlePlaysTheClearJingleWithoutFlyingPanels) {
    gameMode = 2;
    matchEnd = 1;
    Cell(0, 2, 0) = 3;
    std::srand(5);
    const int first = std::rand();
    SeedGameRandom(5);
    Step();
    EXPECT_EQ(GameRand(), first);
    EXPECT_EQ(resultPhase, 2);
    EXPECT_TRUE(harness::Played("Clear.wav", seBuffer2.index, false));
    EXPECT_FALSE(harness::Played("GameOver.wav", seBuffer2.index, false));
    EXPECT_EQ(harness::CountIndex(clearColour, 68, 150, 198, 200), 130 * 50);
    Steps(3);
    EXPECT_EQ(matchState, 1);
    harness::ClearSoundLog();
    keyDown['X'] = true;
    Step();
    keyDown['X'] = false;
    EXPECT_EQ(matchState, 2);
    EXPECT_EQ(resultPulse, 0);
    EXPECT_EQ(resultPulseStep, 1);
    EXPECT_EQ(confirmHeld, 1);
    EXPECT_TRUE(harness::Played("Ok.wav", seBuffer1.index, false));
}

}  // namespace
