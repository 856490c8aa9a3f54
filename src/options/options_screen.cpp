#include "options/options_screen.h"

#include "content/option_sheet.h"
#include "options/options_file.h"
#include "options/options_input.h"
#include "options/options_overlay.h"
#include "options/options_panel.h"
#include "options/options_state.h"
#include "platform/bitmap_loader.h"
#include "platform/present.h"
#include "platform/sound.h"
#include "platform/surface.h"
#include "platform/tiled_background.h"
#include "platform/wipe.h"
#include "shell/scene_links.h"

void OptionsEnterScene() {
    CreateSheet(backdropSurface, optionSheetLayout::width, optionSheetLayout::height);
    LoadBitmapToSurface(backdropSurface, "Back\\Option.bmp");
    ReadOptionsFile();
    optionsState.entered = options;
    currentScene = OptionsScene;
}

void OptionsScene() {
    ScrollTiledBackground();
    OptionsKeys();
    // The frame that leaves draws nothing: the closing wipe starts next frame.
    if (LeaveOptionsIfDone()) return;
    DrawOptionsPanel();
    if (wipeState == 0) DrawOptionsOverlay();
    if (wipeState == 2) {
        StripeWipe(1);
    } else if (wipeState == 1 && StripeWipe(0)) {
        optionsState.optionsBoxGrowth = 0;
        EmptySlot(backdropSurface);
        currentScene = sceneLinks.mainMenu;
        // Sound switched off: the menu music stops with the screen. Switched
        // on, it is not started here; the next screen that plays music does.
        if (options.soundOff == 1) StopSound(bgmBuffer);
    }
    Present();
}
