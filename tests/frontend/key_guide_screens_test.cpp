#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>

#include "editor/editor_scene.h"
#include "frontend/frontend_steps.h"
#include "gallery/gallery_scene.h"
#include "harness/harness.h"
#include "match/match_run.h"
#include "match/match_scene.h"
#include "match/match_setup.h"
#include "match/versus_run.h"
#include "options/options_screen.h"
#include "platform/keys.h"
#include "platform/palette.h"
#include "platform/text.h"
#include "puzzle/puzzle_file.h"
#include "puzzle/puzzle_test_util.h"
#include "ranking/ranking_viewer.h"
#include "setup/opponent_question.h"
#include "setup/setup_steps.h"
#include "shell/key_guide.h"
#include "shell/menu_input.h"

namespace {

using frontendSteps::At;

// The panel's left margin, which no text or cap reaches: all blue while
// the guide is up.
bool PanelShown() {
    const uint8_t blue = NearestPaletteIndex(blueBrush);
    return harness::CountIndex(blue, 40, 220, 56, 260) == 16 * 40;
}

// The corner of the screen under the guide: every other pixel black.
bool Dimmed() {
    const uint8_t black = NearestPaletteIndex(MakeRgb(0, 0, 0));
    for (int y = 0; y < 8; ++y)
        for (int x = (y % 2); x < 32; x += 2)
            if (harness::PixelAt(x, y) != black) return false;
    return true;
}

bool InMenu(Scene scene) { return At(scene) && wipeState == 0; }

bool MenuTo(GameMode mode, Scene scene) {
    if (!frontendSteps::BootToMenu()) return false;
    gameMode = mode;
    harness::Tap('X');
    return harness::RunUntil([scene] { return InMenu(scene); });
}

bool ToMatch(GameMode mode) { return frontendSteps::BootToMenu() && versusRun::EnterMatch(mode); }

bool ToPuzzle() {
    if (!frontendSteps::BootToMenu()) return false;
    if (!WritePuzzleFile(puzzleTest::OneProblemToPlay())) return false;
    // The picker is a loop of its own: X waits in the key script for its
    // opening wipe to be over.
    puzzleTest::KeyPlan().Press(80, 'X').Schedule();
    return versusRun::EnterMatch(puzzleMode);
}

bool ToPause() {
    if (!ToMatch(endlessMode)) return false;
    matchRun::Press('C');
    return AnyPaused();
}

struct Screen {
    const char* name;
    std::function<bool()> reach;
    const char* title;  // of the page the guide shows
    int players;
    int closeKey;  // each of the three closes it somewhere
    Scene scene;
};

const Screen screens[] = {
    {"title", frontendSteps::BootToTitle, "操作説明：タイトル", 1, vkF1, TitleScene},
    {"main menu", frontendSteps::BootToMenu, "操作説明：メインメニュー", 1, vkEscape, MainMenuScene},
    {"endless", [] { return ToMatch(endlessMode); }, "操作説明：エンドレス", 1, 'Z', MatchScene},
    {"versus", [] { return ToMatch(versusMode); }, "操作説明：対戦", 2, vkF1, MatchScene},
    {"puzzle", ToPuzzle, "操作説明：パズル", 1, vkEscape, MatchScene},
    {"practice", [] { return ToMatch(practiceMode); }, "操作説明：練習", 1, 'Z', MatchScene},
    {"pause", ToPause, "操作説明：ポーズ", 1, vkEscape, MatchScene},
    {"editor", [] { return MenuTo(editorMode, EditorScene); }, "操作説明：エディタ", 1, vkEscape, EditorScene},
    {"opponent", [] { return frontendSteps::BootToMenu() && setupSteps::MenuToQuestion(); }, "操作説明：対戦相手", 1,
     'Z', OpponentQuestionScene},
    {"set-up", [] { return setupSteps::BootToSetup(); }, "操作説明：パラメータ", 2, vkEscape, SetupScene},
    {"item page",
     [] {
         if (!setupSteps::BootToSetup()) return false;
         setupSteps::OpenItemPage();
         return setupState.setupPage == 1;
     },
     "操作説明：アイテムえらび", 2, 'Z', SetupScene},
    {"confirmation", [] { return setupSteps::BootToSetup() && setupSteps::ToConfirmation(); }, "操作説明：確認", 2,
     vkEscape, SetupConfirmScene},
    {"ranking", [] { return MenuTo(rankingMode, RankingViewerScene); }, "操作説明：ランキング", 1, vkEscape,
     RankingViewerScene},
    {"gallery", [] { return MenuTo(galleryMode, GalleryScene); }, "操作説明：アイテム", 1, 'Z', GalleryScene},
    {"options", [] { return MenuTo(optionsMode, OptionsScene); }, "操作説明：オプション", 1, vkEscape, OptionsScene},
};

// On every screen F1 opens that screen's page over it, dimmed; F1, Z or
// Escape closes it, and the key that closed it does nothing to the screen.
TEST(KeyGuide, OpensAndClosesOnEveryScreen) {
    for (const Screen& s : screens) {
        SCOPED_TRACE(s.name);
        ASSERT_TRUE(s.reach());
        ASSERT_FALSE(KeyGuideOpen());
        harness::RunFrames(3);
        harness::Tap(vkF1);
        harness::RunFrames(3);
        ASSERT_TRUE(KeyGuideOpen());
        EXPECT_STREQ(KeyGuidePageOpen()->title, s.title);
        EXPECT_EQ(KeyGuidePageOpen()->players, s.players);
        EXPECT_TRUE(PanelShown());
        EXPECT_TRUE(Dimmed());
        // To look at when it fails.
        if (HasFailure())
            harness::SaveFramePng(std::string("/tmp/sumline-guide-") + std::to_string(&s - screens) + ".png");

        harness::Tap(s.closeKey, 3);
        harness::RunFrames(30);
        EXPECT_FALSE(KeyGuideOpen());
        EXPECT_TRUE(At(s.scene)) << "the closing key stays with the guide";
        EXPECT_EQ(wipeState, 0);
        EXPECT_FALSE(Dimmed());
    }
}

// The guide reads the keys in force from the game's tables: each cap on
// the versus page is a key of the player whose column it stands in.
TEST(KeyGuide, PagesTakeTheirKeysFromTheKeyTables) {
    ASSERT_TRUE(ToMatch(versusMode));
    harness::RunFrames(3);
    harness::Tap(vkF1);
    harness::RunFrames(2);
    ASSERT_TRUE(KeyGuideOpen());
    const KeyGuidePage& page = *KeyGuidePageOpen();
    ASSERT_GE(page.lineCount, 6);
    EXPECT_EQ(page.lines[1].keys[0][0], &playerKeys[0].swap);
    EXPECT_EQ(page.lines[1].keys[1][0], &playerKeys[1].swap);
    EXPECT_EQ(*page.lines[0].keys[1][0], vkUp);
}

// The pad's middle button stands for F1.
TEST(KeyGuide, ThePadGuideButtonOpensIt) {
    ASSERT_TRUE(frontendSteps::BootToMenu());
    harness::TapPad(0, PadButton::guide);
    harness::RunFrames(3);
    EXPECT_TRUE(KeyGuideOpen());
    harness::TapPad(0, PadButton::guide);
    harness::RunFrames(3);
    EXPECT_FALSE(KeyGuideOpen());
}

// A key pressed under the guide and still held as it closes does not act:
// the menu does not take X, and it takes the next press as usual.
TEST(KeyGuide, KeysPressedUnderTheGuideDoNotActAfterwards) {
    ASSERT_TRUE(frontendSteps::BootToMenu());
    gameMode = optionsMode;
    harness::Tap(vkF1);
    harness::RunFrames(3);
    harness::Hold('X');
    harness::RunFrames(3);
    harness::Tap(vkF1);
    harness::RunFrames(20);
    ASSERT_FALSE(KeyGuideOpen());
    EXPECT_EQ(mainMenuState.menuDecided, 0);
    harness::Release('X');
    harness::RunFrames(2);
    harness::Tap('X');
    harness::RunFrames(2);
    EXPECT_EQ(mainMenuState.menuDecided, 1);
}

// The picker is a loop of its own: the guide stops it too, and Escape that
// closes the guide does not leave the picker.
TEST(KeyGuide, StopsThePuzzlePicker) {
    ASSERT_TRUE(frontendSteps::BootToMenu());
    PuzzleFile problems = puzzleTest::NoProblems();
    puzzleTest::Present(problems, 0, 1, 0);
    puzzleTest::Present(problems, 1, 1, 0);
    ASSERT_TRUE(WritePuzzleFile(problems));
    gameMode = puzzleMode;
    harness::Tap('X');
    ASSERT_TRUE(harness::RunUntil([] { return At(MatchSetupScene); }));
    static std::string titleSeen;
    static int indexWhileOpen = -1;
    titleSeen.clear();
    indexWhileOpen = -1;
    virtualBackend::state.afterPresent = [] {
        if (!KeyGuideOpen()) return;
        titleSeen = KeyGuidePageOpen()->title;
        indexWhileOpen = puzzleIndex;
    };
    // Right is held under the guide and let go only after it closes.
    puzzleTest::KeyPlan().Press(80, vkF1).Press(90, vkRight, 25).Press(110, vkEscape).Press(140, 'X').Schedule();
    harness::Pass();
    virtualBackend::state.afterPresent = nullptr;
    EXPECT_EQ(titleSeen, "操作説明：問題えらび");
    EXPECT_EQ(indexWhileOpen, 0);
    EXPECT_TRUE(At(MatchScene)) << "the picker went on and started the problem";
    EXPECT_EQ(puzzleIndex, 0);
}

// The main menu's bottom line names the key: its cap at the right of the
// description panel's last line.
TEST(KeyGuide, TheMainMenuNamesItsKey) {
    ASSERT_TRUE(frontendSteps::BootToMenu());
    harness::RunFrames(15);
    const uint8_t white = NearestPaletteIndex(MakeRgb(255, 255, 255));
    const uint8_t black = NearestPaletteIndex(MakeRgb(0, 0, 0));
    EXPECT_GT(harness::CountIndex(white, 510, 443, 540, 465), 200) << "the F1 cap";
    EXPECT_GT(harness::CountIndex(black, 510, 443, 540, 465), 20) << "its label";
    EXPECT_GT(harness::CountIndex(white, 540, 443, 610, 465), 60) << "操作説明";
    if (HasFailure()) harness::SaveFramePng("/tmp/sumline-guide-menu.png");
}

}  // namespace
