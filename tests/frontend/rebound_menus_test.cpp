#include <gtest/gtest.h>

#include "frontend/frontend_steps.h"
#include "frontend/main_menu.h"
#include "frontend/title_scene.h"
#include "platform/key_bindings.h"
#include "shell/menu_input.h"

namespace {

using namespace frontendSteps;

void Step(int vk) {
    harness::Tap(vk);
    harness::RunFrames(2);
}

// Every action of both players on keys far from the game's own: the menus
// still answer the arrows, Enter and Escape, and the old letters do nothing.
TEST(ReboundMenus, TheArrowsEnterAndEscapeWorkWhateverTheBindings) {
    ASSERT_TRUE(BootToTitle());
    const PlayerKeys one = {'1', '2', '3', '4', '5', '6', '7', 0x60, 0x61, 0x62, 0x63};
    const PlayerKeys two = {0x64, 0x65, 0x66, 0x67, 0x68, 0x69, 0x6A, 0x6B, 0x6D, 0x6E, 0x6F};
    playerKeys[0] = one;
    playerKeys[1] = two;
    ASSERT_TRUE(BindingsSound());
    FollowBoundKeys();

    Step('X');
    EXPECT_TRUE(At(TitleScene)) << "X is no longer a decide key";
    harness::Tap(vkReturn);
    ASSERT_TRUE(harness::RunUntil([] { return At(MainMenuScene) && wipeState == 0; }));

    EXPECT_EQ(gameMode, 0);
    Step('Y');
    EXPECT_EQ(gameMode, 0) << "Y no longer steers";
    Step(vkUp);
    EXPECT_EQ(gameMode, -8);
    Step(vkUp);
    EXPECT_EQ(gameMode, 1);
    Step('1');
    EXPECT_EQ(gameMode, 0) << "player 1's up key steers the menu";
    Step(vkRight);
    EXPECT_EQ(gameMode, 2);
    Step('4');
    EXPECT_EQ(gameMode, 0) << "player 1's left key steers the menu";
    Step('Z');
    EXPECT_TRUE(At(MainMenuScene)) << "Z no longer goes back";
    harness::Tap(vkEscape);
    EXPECT_TRUE(harness::RunUntil([] { return At(TitleScene) && wipeState == 0; })) << "Escape goes back";
}

}  // namespace
