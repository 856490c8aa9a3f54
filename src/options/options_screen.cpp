#include "options/options_screen.h"

#include "content/game_texts.h"
#include "content/option_sheet.h"
#include "options/options_file.h"
#include "options/options_guide.h"
#include "options/options_input.h"
#include "options/options_language.h"
#include "options/options_overlay.h"
#include "options/options_panel.h"
#include "options/options_state.h"
#include "platform/bitmap_loader.h"
#include "platform/blit.h"
#include "platform/present.h"
#include "platform/sound.h"
#include "platform/surface.h"
#include "platform/tiled_background.h"
#include "platform/wipe.h"
#include "shell/key_guide.h"
#include "shell/menu_input.h"
#include "shell/save_notice.h"
#include "shell/scene_links.h"

void OptionsEnterScene() {
    CreateSheet(backdropSurface, optionSheetLayout::width, optionSheetLayout::height);
    LoadBitmapToSurface(backdropSurface, "Back\\Option.bmp");
    ReadOptionsFile();
    optionsState.entered = options;
    // The decide key that chose this screen on the menu may still be down:
    // it must be let go before it steps anything, on every visit.
    optionsState.optionsConfirmHeld = 1;
    currentScene = OptionsScene;
}

namespace {

// A failed save's notice stands in the middle of the screen.
constexpr int noticeTop = 223;

void ToMainMenu() {
    optionsState.closed = 0;
    optionsState.optionsBoxGrowth = 0;
    EmptySlot(backdropSurface);
    currentScene = sceneLinks.mainMenu;
    // Sound switched off: the menu music stops with the screen. Switched
    // on, it is not started here; the next screen that plays music does.
    if (options.soundOff == 1) StopSound(bgmBuffer);
}

}  // namespace

void OptionsScene() {
    SetKeyGuidePage(optionsState.closed == 1 ? nullptr : &optionsGuide);
    // Closed with a failed save's notice up: the screen stays black under
    // it until its time is over.
    if (optionsState.closed == 1) {
        ColorFill(&backBuffer, 0, 0, screenWidth, screenHeight, 0);
        DrawSaveNotice(noticeTop);
        if (!SaveNoticeShown()) ToMainMenu();
        Present();
        return;
    }
    ScrollTiledBackground();
    OptionsKeys();
    // The frame that leaves presents nothing: the closing wipe starts next frame.
    if (LeaveOptionsIfDone()) return;
    DrawOptionsPanel();
    if (wipeState == 0) {
        DrawOptionsOverlay();
        // The players' keys are one key away (F2, over this screen), and
        // the other language another (F3), beside it.
        const char* controls = Tr(TextName::ControlsTitle);
        DrawKeyHint(630, 8, menuKeys.controls, controls);
        DrawLanguageHint(630 - KeyHintWidth(menuKeys.controls, controls) - 16, 8);
    }
    if (wipeState == 2) {
        StripeWipe(1);
    } else if (wipeState == 1 && StripeWipe(0)) {
        optionsState.closed = 1;
    }
    DrawSaveNotice(noticeTop);
    if (optionsState.closed == 1 && !SaveNoticeShown()) ToMainMenu();
    Present();
}
