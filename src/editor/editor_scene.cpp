#include "editor/editor_scene.h"

#include "content/game_sheet.h"
#include "editor/editor_drawing.h"
#include "editor/editor_guide.h"
#include "editor/editor_input.h"
#include "editor/editor_state.h"
#include "match/match_setup.h"
#include "match/match_state.h"
#include "platform/bitmap_loader.h"
#include "platform/blit.h"
#include "platform/clock.h"
#include "platform/present.h"
#include "platform/sound.h"
#include "platform/surface.h"
#include "puzzle/puzzle_file.h"
#include "shell/first_run_guides.h"
#include "shell/key_guide.h"
#include "shell/menu_assets.h"
#include "shell/menu_input.h"
#include "shell/save_notice.h"
#include "shell/scene.h"

namespace {

constexpr uint32_t stepMs = 20;
// A failed save's notice sits under the question box.
constexpr int noticeTop = 281;

}  // namespace

void PrepareEditorEntry() { ReleaseMenuAssets(); }

void EditorEnterScene() {
    CreateSheet(mainSheet, gameSheetLayout::width, gameSheetLayout::height);
    LoadBitmapToSurface(mainSheet, "Back\\Game.bmp");
    LoadChosenBackdrop();
    if (tileSurface == nullptr) CreateSheet(tileSurface, screenWidth, screenHeight);
    Blit(tileSurface, 0, 0, backdropSurface, opaqueCopy, 0, 0, screenWidth, screenHeight);
    PaintEditorFrame();
    StartEditorValues();
    // A missing file leaves every problem at its defaults.
    ReadPuzzleFile(editorTables);
    editorSavedTables = editorTables;
    pauseMenuCursor = 0;
    boxGrowth = 0;
    editorStepMark = TimeGetTime();
    editorHintMark = editorStepMark;
    currentScene = EditorScene;
    // The first visit shows the editor's keys once its screen is open.
    OpenFirstRunGuide(editorMode, &editorGuide);
}

void EditorScene() {
    SetKeyGuidePage(&editorGuide);
    const uint32_t now = TimeGetTime();
    if (now - editorStepMark < stepMs) return;
    editorStepMark = now;
    Blit(&backBuffer, 0, 0, tileSurface, opaqueCopy, 0, 0, screenWidth, screenHeight);
    DrawEditorBoard();
    DrawEditorPanel();
    EditorInput();
    // Drawn last: a leave right after a failed save closes the wipe under it.
    DrawSaveNotice(noticeTop);
    Present();
}
