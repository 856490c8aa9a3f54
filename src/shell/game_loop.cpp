#include "shell/game_loop.h"

#include <algorithm>

#include "content/game_palette.h"
#include "platform/backend.h"
#include "platform/pad_input.h"
#include "platform/palette.h"
#include "platform/present.h"
#include "platform/sound.h"
#include "platform/surface.h"
#include "platform/text.h"
#include "shell/data_files.h"
#include "shell/farewell.h"
#include "shell/key_guide.h"
#include "shell/scene.h"

void StartGame(Scene first) {
    EmptySlot(mainSheet);
    EmptySlot(itemSheet);
    EmptySlot(backdropSurface);
    EmptySlot(tileSurface);
    quitPosted = false;
    // Screens show through the game's own palette until a picture brings its
    // own: with no picture readable they would otherwise be all black.
    Rgb colours[256];
    std::copy(gamePaletteColours.begin(), gamePaletteColours.end(), colours);
    SetDisplayPalette(colours);
    // A write the last run did not finish left its temporary file behind.
    RemoveDataLeftovers();
    InitSound();
    CreateSharedTextObjects();
    PrepareKeyGuide();
    currentScene = first;
}

namespace {

Scene lastScene = nullptr;

}  // namespace

void (*everyPassChore)() = nullptr;

bool RunLoopPass() {
    if (quitPosted) return false;
    if (everyPassChore != nullptr) everyPassChore();
    // Pads play one player unless a scene says otherwise on each of its
    // frames (a versus match): a new scene starts with them as one.
    if (currentScene != lastScene) {
        SetPadPlayers(1);
        // The new screen names its own guide page, if it has one.
        SetKeyGuidePage(nullptr);
        lastScene = currentScene;
    }
    const uint32_t before = presentCount;
    const bool closed = backend::PumpEvents();
    if (closed) {
        // Closing the window ends the game from under the key guide too.
        CloseKeyGuide();
        WindowClosed();
    }
    if (closed || !KeyGuidePass()) currentScene();
    // A pass that showed nothing (a paced scene waiting for its next step)
    // hands the processor back instead of spinning.
    if (presentCount == before && !quitPosted) backend::IdlePass();
    return !quitPosted;
}

void (*modalLoopChore)() = nullptr;

bool ModalLoopPass() {
    // The key guide stops the modal loop too, for as long as it is open.
    do {
        if (modalLoopChore != nullptr) modalLoopChore();
        if (backend::PumpEvents()) {
            CloseKeyGuide();
            WindowClosed();
            return false;
        }
    } while (KeyGuidePass());
    return true;
}

int RunGame(Scene first) {
    StartGame(first);
    while (RunLoopPass()) {
    }
    return 0;
}
