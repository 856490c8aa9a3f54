#include "shell/controls_screen.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "frontend/frontend_steps.h"
#include "platform/key_bindings.h"
#include "platform/keys.h"
#include "platform/palette.h"
#include "shell/key_guide.h"
#include "shell/menu_input.h"

namespace {

using namespace frontendSteps;

void Step(int vk) {
    harness::Tap(vk);
    harness::RunFrames(2);
}

// Walks the cursor there with the arrows alone.
void GoTo(int row, int column) {
    for (int i = 0; i < 2 * controlsRows && controlsScreen.row != row; ++i) Step(vkDown);
    for (int i = 0; i < 2 * controlsColumns && controlsScreen.column != column; ++i) Step(vkRight);
    ASSERT_EQ(controlsScreen.row, row);
    ASSERT_EQ(controlsScreen.column, column);
}

int CellPixels(int row, int column, Rgb colour) {
    const int x = ControlsCellX(row, column);
    const int y = ControlsCellY(row);
    return harness::CountIndex(NearestPaletteIndex(colour), x, y, x + 100, y + 21);
}

constexpr Rgb chosen = MakeRgb(255, 224, 64);
constexpr Rgb waiting = MakeRgb(255, 128, 64);

class ControlsScreen : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(BootToMenu());
        Step(vkF2);
        ASSERT_TRUE(ControlsScreenOpen());
    }
};

TEST_F(ControlsScreen, OpensOverTheMenuFromF2AndFromTheGuideAndEscapeLeaves) {
    EXPECT_GT(CellPixels(0, 0, chosen), 50) << "player 1's up key is chosen first";
    EXPECT_TRUE(harness::SaveFramePng("/tmp/controls-screen.png"));
    Step(vkEscape);
    EXPECT_FALSE(ControlsScreenOpen());
    EXPECT_TRUE(At(MainMenuScene));
    Step(vkF1);
    ASSERT_TRUE(KeyGuideOpen());
    EXPECT_FALSE(ControlsScreenOpen());
    Step(vkF2);
    EXPECT_TRUE(ControlsScreenOpen()) << "the guide leads on to the controls";
    Step(vkEscape);
    EXPECT_FALSE(KeyGuideOpen());
    EXPECT_FALSE(std::ifstream(harness::WorkDir() + "/Data/Controls.txt").good()) << "nothing changed, nothing saved";
}

// Each action of each player, chosen with the arrows and Enter, takes the
// key pressed next; its cell shows it, and leaving saves them all.
TEST_F(ControlsScreen, EachActionTakesTheKeyPressedNext) {
    constexpr int newKeys[2][bindingActionCount] = {
        {'D', 'E', 'F', 'J', 'M', 'N', 'R', 'T', 'U', 'V', 'P'},
        {'0', '1', '2', '3', '4', '5', '6', '7', 0xBA, 0xBC, 0xBE},
    };
    for (int p = 0; p < 2; ++p) {
        for (int a = 0; a < bindingActionCount; ++a) {
            GoTo(a, 2 * p);
            Step(vkReturn);
            ASSERT_EQ(controlsScreen.waiting, 1);
            EXPECT_GT(CellPixels(a, 2 * p, waiting), 50) << "the cell waits for the key";
            Step(newKeys[p][a]);
            EXPECT_EQ(controlsScreen.waiting, 0);
            EXPECT_EQ(BoundKey(p, a), newKeys[p][a]) << "player " << p + 1 << " action " << a;
            EXPECT_NE(std::string(controlsScreen.message).find(bindingActionNames[a]), std::string::npos);
        }
    }
    EXPECT_TRUE(BindingsSound());
    EXPECT_EQ(menuKeys.decide, 'M') << "the menus follow player 1's swap";
    Step(vkEscape);
    std::ifstream in(harness::WorkDir() + "/Data/Controls.txt");
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_NE(text.find("1 swap 16 a"), std::string::npos) << text;
    EXPECT_NE(text.find("2 pause 55 start"), std::string::npos) << text;
}

TEST_F(ControlsScreen, AKeyAnotherActionHoldsIsRefusedWithALineNamingIt) {
    const struct {
        int vk;
        const char* line;
    } cases[] = {
        {'K', "K は 2P の「キャンセル」がつかっています"},
        {'S', "S は 1P の「ライン」がつかっています"},
        {vkUp, "↑ は 2P の「上へ」がつかっています"},
    };
    GoTo(bindSwap, 0);
    for (const auto& c : cases) {
        Step(vkReturn);
        Step(c.vk);
        EXPECT_EQ(playerKeys[0].swap, 'X') << c.line;
        EXPECT_STREQ(controlsScreen.message, c.line);
        EXPECT_EQ(controlsScreen.waiting, 0);
    }
    // F1 cannot be taken; Escape gives up the wait, and the screen stays.
    Step(vkReturn);
    Step(vkF1);
    EXPECT_STREQ(controlsScreen.message, "F1 はつかえません");
    EXPECT_EQ(controlsScreen.waiting, 1);
    Step(vkEscape);
    EXPECT_EQ(controlsScreen.waiting, 0);
    EXPECT_TRUE(ControlsScreenOpen());
    EXPECT_EQ(playerKeys[0].swap, 'X');
}

TEST_F(ControlsScreen, AButtonChangesPlacesWithTheActionHoldingIt) {
    GoTo(bindSwap, 1);
    Step(vkReturn);
    ASSERT_EQ(controlsScreen.waiting, 2);
    harness::TapPad(0, PadButton::y);
    harness::RunFrames(2);
    EXPECT_EQ(playerButtons[0][bindSwap], PadButton::y);
    EXPECT_EQ(playerButtons[0][bindRow], PadButton::a);
    EXPECT_TRUE(BindingsSound());
}

TEST_F(ControlsScreen, TheSetsRowGivesTheReadyMadeSetsAndTheGamesOwnKeys) {
    const struct {
        int column;
        int up, swap, cancel;
    } cases[] = {
        {1, vkUp, 'X', 'Z'},
        {2, 'W', 'J', 'K'},
        {0, 'Y', 'X', 'Z'},
    };
    GoTo(controlsSetRow, 0);
    for (const auto& c : cases) {
        GoTo(controlsSetRow, c.column);
        Step(vkReturn);
        EXPECT_EQ(playerKeys[0].up, c.up) << c.column;
        EXPECT_EQ(playerKeys[0].swap, c.swap) << c.column;
        EXPECT_EQ(playerKeys[0].cancel, c.cancel) << c.column;
        EXPECT_TRUE(BindingsSound()) << c.column;
    }
}

std::string Cell(int row, int column) {
    std::string pixels;
    const int x = ControlsCellX(row, column), y = ControlsCellY(row);
    for (int dy = 0; dy < 21; ++dy)
        for (int dx = 0; dx < 100; ++dx) pixels.push_back(static_cast<char>(harness::PixelAt(x + dx, y + dy)));
    return pixels;
}

// The cells show the label the layout prints on the key at each place: on
// a German keyboard player 1's up, kept at the place of Y, reads "Z", as his
// cancel at the place of Z did on the US one.
TEST_F(ControlsScreen, TheCellsNameTheKeysByTheLayout) {
    Step(vkRight);  // the cursor off the compared cells
    const std::string usUp = Cell(bindUp, 0);
    const std::string usCancel = Cell(bindCancel, 0);
    EXPECT_NE(usUp, usCancel);
    virtualBackend::UseKeyboardLayout(virtualBackend::KeyboardLayout::german);
    harness::RunFrames(2);
    EXPECT_EQ(Cell(bindUp, 0), usCancel);
    EXPECT_EQ(Cell(bindCancel, 0), usUp);
    EXPECT_EQ(playerKeys[0].up, 'Y');
    virtualBackend::UseKeyboardLayout(virtualBackend::KeyboardLayout::us);
}

}  // namespace
