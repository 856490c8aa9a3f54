// Saves frames of the real scenes, driven through the test harness, as PNGs
// to look at: the front end, an endless match, the practice pause, and the
// puzzle editor with the problem it saved as the puzzle mode shows it, the
// ranking viewer, and the versus setup.
//
//   sumline_shots [folder] [frontend|match|practice|editor|ranking|setup|puzzle|gallery|all] [ja|en]
//
// The folder defaults to /tmp; the set to all; the language to Japanese.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "editor/editor_scene.h"
#include "editor/editor_state.h"
#include "gallery/gallery_scene.h"
#include "gallery/item_notice.h"
#include "frontend/frontend_steps.h"
#include "match/match_scene.h"
#include "match/match_setup.h"
#include "match/match_state.h"
#include "platform/language.h"
#include "match/match_run.h"
#include "puzzle/puzzle_test_util.h"
#include "ranking/ranking_test_util.h"
#include "ranking/ranking_viewer.h"
#include "setup/confirm_scene.h"
#include "setup/player_params.h"
#include "setup/opponent_question.h"
#include "setup/setup_scene.h"
#include "setup/setup_state.h"
#include "shell/farewell.h"
#include "shell/game_mode.h"

namespace {

using namespace frontendSteps;

std::string out = "/tmp";
int saved = 0;
Language shotLanguage = Language::japanese;

// The game's start in the language of the shots (the harness starts every
// run in Japanese; the first pass loads the pictures).
void Boot() {
    harness::Boot();
    SetLanguage(shotLanguage);
}

bool BootToShotMenu() {
    Boot();
    return harness::RunUntil([] { return At(TitleScene) && wipeState == 0; }) && TitleToMenu();
}

void Save(const char* name) {
    const std::string path = out + "/" + name;
    if (harness::SaveFramePng(path)) {
        std::printf("%s\n", path.c_str());
        ++saved;
    } else {
        std::fprintf(stderr, "cannot write %s\n", path.c_str());
    }
}

bool FrontEnd() {
    Boot();
    harness::RunFrames(40);
    Save("logo_falling.png");
    harness::RunUntil([] { return logoState.spinCount == 6; });
    Save("logo_rest.png");
    harness::RunUntil([] { return At(TitleScene) && wipeState == 0; });
    harness::RunFrames(3);
    Save("title.png");
    if (!TitleToMenu()) return false;
    harness::RunFrames(12);
    Save("menu.png");
    harness::Tap(vkUp);
    harness::RunFrames(3);
    Save("menu_back.png");
    BeginFarewell();
    harness::RunFrames(2);
    Save("farewell.png");
    return true;
}

bool EndlessMatch() {
    if (!BootToShotMenu()) return false;
    harness::Tap('X');
    if (!harness::RunUntil([] { return At(MatchScene); }, 2000000)) return false;
    harness::RunMs(2000);
    Save("match_start.png");
    harness::Tap('S');
    harness::RunMs(100);
    harness::Tap('Y');
    harness::RunMs(300);
    Save("match_line.png");
    harness::RunMs(60000);
    Save("match_minute.png");
    harness::RunUntil([] { return matchState != 0; }, 2000000);
    harness::RunMs(300);
    Save("match_over.png");
    harness::RunUntil([] { return matchState == 2; }, 2000000);
    harness::RunMs(3000);
    Save("match_entry.png");
    return true;
}

// Practice: the pause menu asks whether to go back to the menu.
bool Practice() {
    if (!BootToShotMenu()) return false;
    gameMode = practiceMode;
    harness::Tap('X');
    if (!harness::RunUntil([] { return At(MatchScene); }, 2000000)) return false;
    harness::RunMs(1000);
    harness::Tap('A', 3);
    harness::RunMs(600);
    Save("practice.png");
    harness::Tap('C', 3);
    harness::RunMs(600);
    Save("practice_pause.png");
    return true;
}

// Taps a key and gives the editor a few steps to take it.
void EditorKey(int vk, int times = 1) {
    for (int i = 0; i < times; ++i) {
        harness::Tap(vk, 1);
        harness::RunFrames(12);
    }
}

// The editor: an empty problem, a built one with the goal field's hints,
// the save question; then the saved problem in the puzzle mode.
bool Editor() {
    if (!BootToShotMenu()) return false;
    gameMode = editorMode;
    harness::Tap('X');
    if (!harness::RunUntil([] { return At(EditorScene) && wipeState == 0; }, 2000000)) return false;
    harness::RunFrames(2);
    Save("editor_empty.png");
    EditorKey('X', 3);       // a 2 at column 3, row 2
    EditorKey(vkUp);
    EditorKey('X', 6);       // a 5 above it
    EditorKey(vkDown, 2);    // into the NEXT strip
    EditorKey('X', 8);       // a 7
    EditorKey('S');
    EditorKey(vkRight, 3);   // problem 4
    EditorKey(vkLeft, 3);    // back to problem 1
    EditorKey('S');
    EditorKey(vkRight, 6);   // 1:00
    EditorKey('S');
    EditorKey(vkRight, 3);   // a score goal
    EditorKey(vkUp, 12);
    EditorKey('S');
    EditorKey(vkRight, 2);   // target 9
    EditorKey('S');
    EditorKey(vkRight, 3);   // 3 swaps
    EditorKey('A', 2);
    // A frame from the half second the hints show.
    harness::RunUntil([] { return editorStepMark - editorHintMark > 100 && editorStepMark - editorHintMark < 400; });
    Save("editor_goal.png");
    EditorKey(vkEscape);
    harness::RunFrames(12);
    Save("editor_escape_question.png");
    EditorKey(vkRight);
    EditorKey('X');
    EditorKey('C');
    harness::RunFrames(12);
    Save("editor_question.png");
    EditorKey('C');
    EditorKey('C');
    if (!harness::RunUntil([] { return At(MainMenuScene) && wipeState == 0; }, 2000000)) return false;
    gameMode = puzzleMode;
    harness::Tap('X');
    if (!harness::RunUntil([] { return At(MatchSetupScene); }, 2000000) || editorTables.minutes[0] != 1) return false;
    // The picker runs inside the set-up; X, pressed once its wipe is open,
    // starts the problem.
    const uint32_t at = harness::Frames() + 60;
    virtualBackend::state.keyScript.push_back({at, 'X', true});
    virtualBackend::state.keyScript.push_back({at + 2, 'X', false});
    harness::Pass();
    if (!harness::RunUntil([] { return At(MatchScene); }, 2000000)) return false;
    harness::RunMs(1000);
    Save("editor_played.png");
    return true;
}

void ViewerKey(int vk, int frames = 1) {
    harness::Tap(vk, frames);
    harness::RunFrames(frames + 20);
}

// The ranking viewer over a full table: the top, scrolled, the columns slid,
// sorted by the longest chain, the score order turned around.
bool Ranking() {
    if (!BootToShotMenu()) return false;
    RankingFile table;
    rankingTest::MakeFullTable(table);
    table.scoreHigh[0] = 12;
    table.score[0] = 3456789;
    table.time[0][0] = 2;
    table.maxChain[0] = 123;
    rankingTest::StoreTable(table);
    gameMode = rankingMode;
    harness::Tap('X');
    if (!harness::RunUntil([] { return At(RankingViewerScene) && wipeState == 0; })) return false;
    harness::RunFrames(2);
    Save("ranking_top.png");
    ViewerKey(vkDown, 60);
    Save("ranking_scrolled.png");
    ViewerKey(vkRight, 1);
    ViewerKey(vkRight, 1);
    Save("ranking_slid.png");
    ViewerKey('X');
    Save("ranking_by_chain.png");
    ViewerKey(vkLeft, 1);
    ViewerKey(vkLeft, 1);
    ViewerKey('X');
    ViewerKey('X');
    Save("ranking_reversed.png");
    ViewerKey(vkDown, 200);
    Save("ranking_bottom.png");
    return true;
}

void SetupKey(int vk) {
    harness::Tap(vk);
    harness::RunFrames(12);
}

// The versus setup with 40 items unlocked: player 1's parameter page, his
// item page with two items chosen, player 2 with items off, and the
// confirmation.
bool Setup() {
    if (!BootToShotMenu()) return false;
    {
        std::ofstream file(harness::WorkDir() + "/Data/ITEM.dat", std::ios::binary);
        for (int i = 0; i < 50; ++i) file.put(i < 40 ? 1 : 0);
    }
    gameMode = versusMode;
    harness::Tap('X');
    if (!harness::RunUntil([] { return At(OpponentQuestionScene) && wipeState == 0; })) return false;
    harness::RunFrames(12);
    Save("opponent_question.png");
    harness::Tap('X');
    if (!harness::RunUntil([] { return At(SetupScene) && wipeState == 0; })) return false;
    for (int i = 0; i < 3; ++i) SetupKey('H');
    SetupKey('B');
    for (int i = 0; i < 4; ++i) SetupKey('H');
    Save("setup_parameters.png");
    setupState.setupCursor = itemsRow;
    SetupKey('X');
    for (int vk : {'H', 'X', 'H', 'H', 'X', 'B', 'B', 'B', 'B', 'B'}) SetupKey(vk);
    Save("setup_items.png");
    SetupKey('Y');
    setupState.itemCursor = decideEntry;
    SetupKey('X');
    Save("setup_items_back.png");
    setupState.setupCursor = decideEntry;
    SetupKey('X');
    setupState.setupCursor = itemUseRow;
    SetupKey('L');
    for (int i = 0; i < 4; ++i) SetupKey(vkRight);
    Save("setup_items_off.png");
    setupState.setupCursor = decideEntry;
    SetupKey('L');
    if (!At(SetupConfirmScene)) return false;
    SetupKey('X');
    SetupKey(vkRight);
    Save("setup_confirmation.png");
    return true;
}

// The puzzle mode with the shipped problems: the picker on a lesson and on a
// later problem, each with its idea, and the lesson in play with its hint;
// then the gallery with a held and a locked item.
bool Puzzle() {
    if (!BootToShotMenu()) return false;
    std::filesystem::copy_file(SUMLINE_CONTENT_DIR "/defaults/PZL.dat", harness::WorkDir() + "/Data/PZL.dat",
                               std::filesystem::copy_options::overwrite_existing);
    gameMode = puzzleMode;
    harness::Tap('X');
    if (!harness::RunUntil([] { return At(MatchSetupScene); }, 2000000)) return false;
    // The picker runs inside the set-up: its frames are taken as they come.
    static int shot = 0;
    shot = 0;
    virtualBackend::state.afterPresent = [] {
        if (shot == 0 && puzzleIndex == 5 && wipeState == 0) {
            Save("puzzle_picker_lesson.png");
            shot = 1;
        } else if (shot == 1 && puzzleIndex == 51 && wipeState == 0) {
            Save("puzzle_picker_idea.png");
            shot = 2;
        }
    };
    puzzleTest::KeyPlan plan;
    for (int i = 0; i < 5; ++i) plan.Press(60 + 4 * static_cast<uint32_t>(i), vkRight, 2);
    for (int i = 0; i < 46; ++i) plan.Press(100 + 4 * static_cast<uint32_t>(i), vkRight, 2);
    for (int i = 0; i < 46; ++i) plan.Press(300 + 4 * static_cast<uint32_t>(i), vkLeft, 2);
    plan.Press(520, 'X');
    plan.Schedule();
    harness::Pass();
    virtualBackend::state.afterPresent = nullptr;
    if (!harness::RunUntil([] { return At(MatchScene); }, 2000000)) return false;
    harness::RunMs(1000);
    Save("puzzle_lesson_hint.png");
    return true;
}

bool Gallery() {
    if (!BootToShotMenu()) return false;
    {
        std::ofstream file(harness::WorkDir() + "/Data/ITEM.dat", std::ios::binary);
        for (int i = 0; i < 50; ++i) file.put(i < 12 ? 1 : 0);
    }
    gameMode = galleryMode;
    harness::Tap('X');
    if (!harness::RunUntil([] { return At(GalleryScene) && wipeState == 0; }, 2000000)) return false;
    galleryCursor = 10;
    harness::RunFrames(14);
    Save("gallery_held.png");
    galleryCursor = 25;
    harness::RunFrames(2);
    Save("gallery_locked.png");
    // A practice session of 12 lines and a chain of 3 wins two items, told
    // by name on the way back to the menu.
    harness::Tap(vkEscape);
    if (!harness::RunUntil([] { return At(MainMenuScene) && wipeState == 0; }, 2000000)) return false;
    if (!matchRun::MenuToMatch(practiceMode)) return false;
    // That walk boots the game afresh, in Japanese; the notice is the shots'.
    SetLanguage(shotLanguage);
    players[0].linesCleared = 9;
    players[0].chain = 3;
    harness::Tap(vkEscape);
    if (!harness::RunUntil([] { return ItemNoticeShown(); }, 100000)) return false;
    harness::RunFrames(2);
    Save("item_notice.png");
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1) out = argv[1];
    const std::string set = argc > 2 ? argv[2] : "all";
    Language language = Language::japanese;
    if (argc > 3 && !LanguageFromCode(argv[3], language)) {
        std::fprintf(stderr, "sumline_shots: the language is ja or en\n");
        return 2;
    }
    shotLanguage = language;
    struct Shots {
        const char* name;
        bool (*take)();
    };
    const Shots shots[] = {{"frontend", FrontEnd}, {"match", EndlessMatch}, {"practice", Practice},
                           {"editor", Editor},     {"ranking", Ranking},   {"setup", Setup},
                           {"puzzle", Puzzle},     {"gallery", Gallery}};
    bool known = false;
    bool ok = true;
    for (const Shots& s : shots) {
        if (set != "all" && set != s.name) continue;
        known = true;
        if (!s.take()) {
            std::fprintf(stderr, "%s: a scene did not arrive where expected\n", s.name);
            ok = false;
        }
    }
    if (!known) {
        std::fprintf(stderr, "usage: sumline_shots [folder] [frontend|match|practice|editor|ranking|setup|puzzle|gallery|all] [ja|en]\n");
        return 2;
    }
    return ok && saved > 0 ? 0 : 1;
}
