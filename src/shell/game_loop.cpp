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
    currentScene = first;
}

namespace {

Scene lastScene = nullptr;

}  // namespace

bool RunLoopPass() {
    if (quitPosted) return false;
    // Pads play one player unless a scene says otherwise on each of its
    // frames (a versus match): a new scene starts with them as one.
    if (currentScene != lastScene) {
        SetPadPlayers(1);
        lastScene = currentScene;
    }
    if (backend::PumpEvents()) WindowClosed();
    const uint32_t before = presentCount;
    currentScene();
    // A pass that showed nothing (a paced scene waiting for its next step)
    // hands the processor back instead of spinning.
    if (presentCount == before && !quitPosted) backend::IdlePass();
    return !quitPosted;
}

bool ModalLoopPass() {
    if (!backend::PumpEvents()) return true;
    WindowClosed();
    return false;
}

int RunGame(Scene first) {
    StartGame(first);
    while (RunLoopPass()) {
    }
    return 0;
}
