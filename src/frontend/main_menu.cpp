#include "frontend/main_menu.h"

#include "content/logo_sheet.h"
#include "content/title_sheet.h"
#include "editor/editor_scene.h"
#include "frontend/front_end_guides.h"
#include "frontend/title_scene.h"
#include "gallery/gallery_scene.h"
#include "match/match_setup.h"
#include "options/options_file.h"
#include "options/options_screen.h"
#include "platform/bitmap_loader.h"
#include "platform/blit.h"
#include "platform/clock.h"
#include "platform/keys.h"
#include "platform/present.h"
#include "platform/sound.h"
#include "platform/surface.h"
#include "platform/text.h"
#include "platform/tiled_background.h"
#include "platform/wipe.h"
#include "puzzle/progress_file.h"
#include "ranking/ranking_viewer.h"
#include "setup/opponent_question.h"
#include "setup/player_params.h"
#include "setup/setup_scene.h"
#include "shell/key_guide.h"
#include "shell/line_notice.h"
#include "shell/menu_assets.h"
#include "shell/menu_input.h"
#include "shell/scene_links.h"

MainMenuState mainMenuState;
// Endless, puzzle and practice start a match; versus goes through the
// players' setup first.
Scene modeEntryScene[gameModeCount] = {MatchSetupScene,  OpponentQuestionScene,    MatchSetupScene,   MatchSetupScene,
                                       EditorEnterScene, RankingViewerEnter, GalleryEnterScene, OptionsEnterScene};

const ScreenWords menuDescription[9] = {
    TextName::MainMenuAboutEndless, TextName::MainMenuAboutVersus,  TextName::MainMenuAboutPuzzle,
    TextName::MainMenuAboutPractice, TextName::MainMenuAboutEditor, TextName::MainMenuAboutRanking,
    TextName::MainMenuAboutGallery, TextName::MainMenuAboutOptions, TextName::MainMenuAboutBack,
};

namespace {

void MovedCursor() {
    RestartCursorCycle(mainMenuState.cursor);
    RestartSound(seBuffer1, false);
}

void VerticalKeys() {
    int8_t& counter = mainMenuState.verticalRepeat;
    const bool up = UpHeld();
    const bool down = DownHeld();
    if (up && wipeState == 0 && RepeatStep(counter)) {
        if (gameMode < 0) gameMode = static_cast<int8_t>(gameMode + 9);
        else if (gameMode % 2 == 0) gameMode = static_cast<int8_t>(gameMode - 8);
        else gameMode = static_cast<int8_t>(gameMode - 1);
        MovedCursor();
    }
    if (down && wipeState == 0 && RepeatStep(counter)) {
        if (gameMode < 0) gameMode = static_cast<int8_t>(gameMode + 8);
        else if (gameMode % 2 == 1) gameMode = static_cast<int8_t>(gameMode - 9);
        else gameMode = static_cast<int8_t>(gameMode + 1);
        MovedCursor();
    }
    SettleRepeat(counter, up || down);
}

void HorizontalKeys() {
    int8_t& counter = mainMenuState.horizontalRepeat;
    const bool left = LeftHeld();
    const bool right = RightHeld();
    if (gameMode >= 0 && wipeState == 0) {
        if (left && RepeatStep(counter)) {
            gameMode = static_cast<int8_t>(gameMode / 2 == 0 ? gameMode + 6 : gameMode - 2);
            MovedCursor();
        }
        if (right && RepeatStep(counter)) {
            gameMode = static_cast<int8_t>(gameMode / 2 == 3 ? gameMode - 6 : gameMode + 2);
            MovedCursor();
        }
    }
    SettleRepeat(counter, left || right);
}

void DecideAndCancel() {
    if (confirmHeld == 0 && DecideHeld() && wipeState == 0) {
        confirmHeld = 1;
        if (gameMode < 0) {
            wipeState = 1;
        } else {
            mainMenuState.menuDecided = 1;
            sceneClock.now = TimeGetTime();
            sceneClock.mark = sceneClock.now;
        }
        RestartSound(seBuffer2, false);
    }
    if (!DecideHeld()) confirmHeld = 0;
    if ((KeyHeld(menuKeys.back) || KeyHeld(menuKeys.escape)) && wipeState == 0) {
        RestartSound(seBuffer2, false);
        gameMode = -1;
        wipeState = 1;
    }
}

void DrawDescriptionPanel() {
    BeginText();
    SelectPen(whitePen);
    SelectFont(smallFont);
    SelectBrush(blueBrush);
    SetBkMode(bkTransparent);
    const int g = boxGrowth;
    RoundRect(319 - 30 * g, 439 - 3 * g, 319 + 30 * g, 439 + 3 * g, 10, 10);
    if (g < 10) {
        ++boxGrowth;
    } else {
        SetTextColor(MakeRgb(255, 255, 255));
        const int index = gameMode < 0 ? 8 : gameMode;
        DrawTextInRect(menuDescription[index], textLeft, 30, 415, 610, 465);
    }
    EndText();
    // The panel's bottom line, right: how to read the keys of any screen.
    if (g >= 10) DrawKeyGuideHint(610, 443);
}

void DrawTiles() {
    const SheetRect& back = titleSheetLayout::backTile;
    BlitClipped(&backBuffer, 43, 150, mainSheet, keyedCopy, back.left, back.top, back.right, back.bottom);
    bool hideChosen = false;
    if (mainMenuState.menuDecided == 1) {
        sceneClock.now = TimeGetTime();
        const uint32_t elapsed = sceneClock.now - sceneClock.mark;
        if (elapsed > 1000) {
            wipeState = 1;
            return;
        }
        hideChosen = elapsed < 1000 && elapsed % 200 < 100;
    }
    for (int k = 0; k < 8; ++k) {
        if (hideChosen && k == gameMode) continue;
        const SheetRect tile = titleSheetLayout::ModeTile(k);
        BlitClipped(&backBuffer, 8 + 158 * (k / 2), 210 + 100 * (k % 2), mainSheet, keyedCopy, tile.left, tile.top,
                    tile.right, tile.bottom);
    }
}

void DrawCursor() {
    const int f = CursorPhase(mainMenuState.cursor);
    if (gameMode < 0) {
        // Around the back tile: two rows of 23 from the box's top and bottom.
        DrawCappedCursorFrame(40, 147, 84, 23, f);
    } else if (mainMenuState.menuDecided != 1) {
        DrawCursorFrame(158 * (gameMode / 2), 202 + 100 * (gameMode % 2), 166, 96, f);
    }
}

// Returns false when the frame must end without presenting.
bool Dispatch() {
    mainMenuState.menuDecided = 0;
    if (gameMode < 0) {
        StopSound(bgmBuffer);
        CreateSheet(logoSheet, logoSheetLayout::width, logoSheetLayout::height);
        LoadBitmapToSurface(logoSheet, "Back\\Logo.bmp");
        gameMode = endlessMode;
        sceneClock.now = TimeGetTime();
        sceneClock.mark = sceneClock.now;
        currentScene = TitleScene;
        return false;
    }
    Scene next = modeEntryScene[gameMode];
    if (next != nullptr && (gameMode == endlessMode || gameMode == puzzleMode || gameMode == practiceMode)) PrepareMatchEntry();
    // The picker marks the problems the player has solved.
    if (next != nullptr && gameMode == puzzleMode) ReadClearFile(clearTables);
    if (next != nullptr && gameMode == editorMode) PrepareEditorEntry();
    // A new versus starts both players from nothing; the menu music plays on.
    if (next != nullptr && gameMode == versusMode) ResetSetupRecords();
    // The viewer draws its list into the backdrop's slot; the menu music
    // plays on into the viewer, the gallery and the options.
    if (next != nullptr && gameMode == rankingMode) EmptySlot(backdropSurface);
    if (next == nullptr) {
        // Not built yet: open the menu again where it was.
        currentScene = MainMenuScene;
    } else {
        currentScene = next;
    }
    boxGrowth = 0;
    return true;
}

}  // namespace

void MainMenuScene() {
    SetKeyGuidePage(&mainMenuGuide);
    ScrollTiledBackground();
    const SheetRect& logo = titleSheetLayout::titleLogo;
    BlitClipped(&backBuffer, 128, 30, mainSheet, keyedCopy, logo.left, logo.top, logo.right, logo.bottom);
    VerticalKeys();
    HorizontalKeys();
    DecideAndCancel();
    if (wipeState == 0) DrawDescriptionPanel();
    DrawTiles();
    if (wipeState == 0) DrawCursor();
    // Why the game came back here (online play that ended), over the menu.
    DrawLineNotice(mainMenuNoticeTop);
    if (wipeState == 2) {
        StripeWipe(1);
    } else if (wipeState == 1) {
        if (StripeWipe(0) && !Dispatch()) return;
    }
    Present();
}

void ReturnToMainMenu() {
    ReloadTitleSheet();
    LoadMenuSounds();
    // The sound option holds here too: with sound off the menu stays quiet.
    if (options.soundOff == 0) RestartSound(bgmBuffer, true);
    currentScene = MainMenuScene;
}

void LinkFrontEnd() {
    sceneLinks.mainMenu = MainMenuScene;
    sceneLinks.returnToMainMenu = ReturnToMainMenu;
    sceneLinks.versusMatch = MatchSetupScene;
}
