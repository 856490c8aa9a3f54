#include "setup/confirm_scene.h"

#include "platform/keys.h"
#include "platform/present.h"
#include "platform/sound.h"
#include "platform/surface.h"
#include "platform/tiled_background.h"
#include "platform/wipe.h"
#include "setup/confirm_drawing.h"
#include "setup/setup_guides.h"
#include "setup/setup_keys.h"
#include "setup/setup_scene.h"
#include "setup/setup_state.h"
#include "shell/key_guide.h"
#include "shell/menu_assets.h"
#include "shell/menu_input.h"
#include "shell/scene.h"
#include "shell/scene_links.h"

namespace {

SetupScreenState& s = setupState;

void ClearAnswers() {
    for (int i = 0; i < 2; ++i) {
        s.confirmDone[i] = 0;
        s.confirmChoice[i] = 0;
    }
}

// Player i's redo: back to his setup, whose entry draws a fresh canvas.
void Redo(int i) {
    ClearAnswers();
    boxGrowth = 0;
    EmptySlot(logoSheet);
    s.setupPlayer = static_cast<int8_t>(i);
    currentScene = SetupEnterScene;
}

// Returns true when the frame must end at once.
bool ReadPlayerAnswer(int i) {
    const PlayerKeys& keys = playerKeys[i];
    const bool toggle = KeyHeld(keys.left) || KeyHeld(keys.right);
    if (wipeState == 0 && s.confirmDone[i] == 0) {
        if (toggle && s.confirmToggleHeld[i] == 0) {
            s.confirmChoice[i] = static_cast<int8_t>(1 - s.confirmChoice[i]);
            RestartSound(seBuffer1, false);
        }
        if (KeyHeld(keys.swap) && confirmHeld == 0) {
            RestartSound(seBuffer2, false);
            s.confirmDone[i] = 1;
            confirmHeld = 1;
            if (s.confirmChoice[i] == 1) {
                Redo(i);
                return true;
            }
            if (s.confirmDone[0] == 1 && s.confirmDone[1] == 1) {
                wipeState = 1;
                return true;
            }
        }
    }
    s.confirmToggleHeld[i] = toggle ? 1 : 0;
    return false;
}

// Returns true when the frame must end at once.
bool Keys() {
    for (int i = 0; i < 2; ++i)
        if (ReadPlayerAnswer(i)) return true;
    // Let go, the shared decide key is free for the other player.
    if (!AnyDecideHeld()) confirmHeld = 0;
    if (wipeState == 0 && escapeHeld == 0 && KeyHeld(vkEscape)) {
        escapeHeld = 1;
        s.confirmEscaped = 1;
        wipeState = 1;
        RestartSound(seBuffer2, false);
    }
    return false;
}

void Leave() {
    ClearAnswers();
    EmptySlot(logoSheet);
    if (s.confirmEscaped == 1) {
        s.confirmEscaped = 0;
        boxGrowth = 0;
        s.setupPlayer = 0;
        EmptySlot(itemSheet);
        currentScene = sceneLinks.mainMenu;
        return;
    }
    // The match loads its own music and sheets.
    ReleaseMenuAssets();
    currentScene = sceneLinks.versusMatch;
}

}  // namespace

void SetupConfirmScene() {
    SetKeyGuidePage(&confirmGuide);
    ScrollTiledBackground();
    if (Keys()) return;
    DrawConfirmScreen();
    if (wipeState == 1 && StripeWipe(0)) Leave();
    Present();
}
