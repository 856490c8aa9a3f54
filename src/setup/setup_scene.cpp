#include "setup/setup_scene.h"

#include "content/item_sheet.h"
#include "gallery/item_file.h"
#include "platform/bitmap_loader.h"
#include "platform/keys.h"
#include "platform/present.h"
#include "platform/sound.h"
#include "platform/surface.h"
#include "platform/tiled_background.h"
#include "platform/wipe.h"
#include "setup/item_page_drawing.h"
#include "setup/item_page_input.h"
#include "setup/param_page_input.h"
#include "setup/radar_chart.h"
#include "setup/remote_opponent.h"
#include "setup/setup_drawing.h"
#include "setup/setup_guides.h"
#include "setup/setup_keys.h"
#include "setup/setup_state.h"
#include "shell/key_guide.h"
#include "shell/menu_input.h"
#include "shell/scene.h"
#include "shell/scene_links.h"

namespace {

SetupScreenState& s = setupState;

bool OnItemPage() { return s.setupPage == 1; }

// A direction that moved the cursor or changed a level: the cursor's blink
// starts over and the select sound plays.
void Moved(bool moved) {
    if (!moved) return;
    RestartCursorCycle(s.setupBlink);
    RestartSound(seBuffer1, false);
}

void DirectionKeys(int p) {
    const bool up = SetupUpHeld(p), down = SetupDownHeld(p);
    const bool left = SetupLeftHeld(p), right = SetupRightHeld(p);
    if (wipeState == 0) {
        if (up && RepeatStep(s.setupVerticalHold)) Moved(OnItemPage() ? ItemUp() : ParamUp());
        if (down && RepeatStep(s.setupVerticalHold)) Moved(OnItemPage() ? ItemDown() : ParamDown());
        if (left && RepeatStep(s.setupHorizontalHold)) Moved(OnItemPage() ? ItemLeft() : ParamLeft());
        if (right && RepeatStep(s.setupHorizontalHold)) Moved(OnItemPage() ? ItemRight() : ParamRight());
    }
    SettleRepeat(s.setupVerticalHold, up || down);
    SettleRepeat(s.setupHorizontalHold, left || right);
}

// The hidden key: ten separate presses lift the level cap.
void UnlockKey(int p) {
    const bool held = KeyHeld(setupUnlockKeys[p]);
    if (held && s.unlockKeyHeld == 0 && wipeState == 0 && s.unlockPresses < unlockPressesNeeded) {
        ++s.unlockPresses;
        RestartSound(seBuffer1, false);
    }
    s.unlockKeyHeld = held ? 1 : 0;
}

// Returns true when the frame must end at once.
bool DecideKey(int p) {
    if (wipeState != 0 || confirmHeld != 0 || !KeyHeld(playerKeys[p].swap)) return false;
    confirmHeld = 1;
    if (!OnItemPage()) return ParamDecide();
    ItemDecide();
    return false;
}

void BackKey(int p) {
    if (wipeState != 0 || s.backHeld != 0 || !KeyHeld(playerKeys[p].cancel)) return;
    s.backHeld = 1;
    if (OnItemPage()) {
        ItemBack();
    } else if (ParamBack()) {
        RestartSound(seBuffer1, false);
    }
}

// Returns true when the frame must end at once (online play was left).
bool EscapeKey() {
    if (wipeState != 0 || escapeHeld != 0 || !KeyHeld(vkEscape)) return false;
    escapeHeld = 1;
    s.unlockPresses = 0;
    RestartSound(seBuffer2, false);
    if (RemoteSetup()) {
        remoteOpponent.left();
        return true;
    }
    wipeState = 1;
    return false;
}

void ReleaseLatches() {
    if (!AnyDecideHeld()) confirmHeld = 0;
    if (!AnyBackHeld()) s.backHeld = 0;
    if (!KeyHeld(vkEscape)) escapeHeld = 0;
}

// Returns true when the frame must end at once.
bool Keys() {
    const int seat = SetupSeat();
    DirectionKeys(seat);
    UnlockKey(seat);
    if (DecideKey(seat)) return true;
    BackKey(seat);
    if (EscapeKey()) return true;
    ReleaseLatches();
    return false;
}

const KeyGuidePage* GuidePage() {
    if (RemoteSetup()) return OnItemPage() ? &onlineItemPageGuide : &onlineParamPageGuide;
    return OnItemPage() ? &itemPageGuide : &paramPageGuide;
}

void Draw() {
    const int f = CursorPhase(s.setupBlink);
    DrawSetupPanels();
    DrawSetupChart();
    DrawParamTable();
    if (OnItemPage()) {
        DrawItemPage(f);
    } else {
        DrawParamPage(f);
    }
    // Texts and pictures wait for the frame after the panels are whole.
    if (boxGrowth < 10) ++boxGrowth;
}

void ToMainMenu() {
    s.setupCursor = 0;
    s.setupPage = 0;
    s.setupPlayer = 0;
    boxGrowth = 0;
    EmptySlot(logoSheet);
    EmptySlot(itemSheet);
    currentScene = sceneLinks.mainMenu;
}

}  // namespace

void SetupEnterScene() {
    CreateSheet(itemSheet, itemSheetLayout::width, itemSheetLayout::height);
    LoadBitmapToSurface(itemSheet, "Back\\Item.bmp");
    ReadItemFile(unlockFlags);
    CreateRadarCanvas();
    s.unlockPresses = 0;
    currentScene = SetupScene;
}

void SetupScene() {
    if (RemoteSetup()) {
        remoteOpponent.eachFrame();
        if (currentScene != SetupScene) return;
    }
    SetKeyGuidePage(GuidePage());
    ScrollTiledBackground();
    if (Keys()) return;
    Draw();
    if (wipeState == 2) {
        StripeWipe(1);
    } else if (wipeState == 1 && StripeWipe(0)) {
        ToMainMenu();
    }
    Present();
}
