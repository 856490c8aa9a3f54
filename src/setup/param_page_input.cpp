#include "setup/param_page_input.h"

#include "platform/clock.h"
#include "platform/sound.h"
#include "platform/surface.h"
#include "platform/wipe.h"
#include "setup/confirm_scene.h"
#include "setup/opponent_choice.h"
#include "setup/player_params.h"
#include "setup/profile_rules.h"
#include "setup/radar_chart.h"
#include "setup/remote_opponent.h"
#include "setup/setup_state.h"
#include "shell/menu_input.h"
#include "shell/scene.h"

namespace {

SetupScreenState& s = setupState;

bool OnButton() { return s.setupCursor < 0; }
bool OnParam() { return s.setupCursor >= 0 && s.setupCursor < paramCount; }

void SwitchButton() { s.setupCursor = s.setupCursor == decideEntry ? cancelEntry : decideEntry; }

// Player 1 is done: player 2 sets up next on the same screen.
void NextPlayer() {
    s.setupPlayer = 1;
    s.setupCursor = 0;
    s.setupPage = 0;
    boxGrowth = 0;
}

// Both are done: the canvas takes both charts' grids for the confirmation.
void ToConfirmation() {
    DrawBothRadarGrids();
    currentScene = SetupConfirmScene;
    s.setupPlayer = 0;
    s.setupCursor = 0;
    s.setupPage = 0;
    boxGrowth = 0;
}

// Returns true when the frame ends (player 1 left for the menu).
bool Cancel(int p) {
    ResetPlayerProfile(p);
    s.unlockPresses = 0;
    // Online there is no one before this player on this machine: cancel
    // ends the game against the other one.
    if (RemoteSetup()) {
        remoteOpponent.left();
        return true;
    }
    if (p == 0) {
        wipeState = 1;
        s.setupPlayer = 0;
        confirmHeld = 1;
        return true;
    }
    s.setupPlayer = 0;
    s.setupCursor = 0;
    boxGrowth = 0;
    return false;
}

void OpenItemPage() {
    BuildAvailableItemList();
    s.setupPage = 1;
    s.itemCursor = 0;
    s.itemScrollTop = 0;
    s.itemCursorRow = 0;
    s.itemPanelGrowth = 1;
}

}  // namespace

bool ParamUp() {
    if (s.setupCursor < 0) return false;
    --s.setupCursor;
    return true;
}

bool ParamDown() {
    if (OnButton()) {
        s.setupCursor = 0;
        return true;
    }
    const int last = itemUseOff[s.setupPlayer] == 0 ? itemsRow : itemUseRow;
    if (s.setupCursor >= last) return false;
    ++s.setupCursor;
    return true;
}

bool ParamLeft() {
    if (OnButton()) {
        SwitchButton();
        return true;
    }
    return OnParam() && LowerParam(s.setupPlayer, s.setupCursor);
}

bool ParamRight() {
    if (OnButton()) {
        SwitchButton();
        return true;
    }
    return OnParam() && RaiseParam(s.setupPlayer, s.setupCursor);
}

bool ParamDecide() {
    const int p = s.setupPlayer;
    if (OnParam()) {
        if (RaiseParam(p, s.setupCursor)) RestartSound(seBuffer1, false);
        return false;
    }
    RestartSound(seBuffer2, false);
    switch (s.setupCursor) {
        case itemUseRow:
            FlipItemUse(p);
            s.setupCursor = 0;
            boxGrowth = 0;
            return false;
        case itemsRow:
            OpenItemPage();
            return false;
        case decideEntry:
            s.unlockPresses = 0;
            if (RemoteSetup()) {
                s.setupCursor = 0;
                s.setupPage = 0;
                boxGrowth = 0;
                remoteOpponent.decided();
                return true;
            }
            if (p == 0 && computerOpponent == twoPeople) {
                NextPlayer();
                return false;
            }
            // The computer sets itself up and has accepted before it is shown.
            if (computerOpponent != twoPeople) ChooseComputerProfile(computerOpponent, TimeGetTime());
            ToConfirmation();
            if (computerOpponent != twoPeople) s.confirmDone[1] = 1;
            return true;
        default:
            return Cancel(p);
    }
}

bool ParamBack() { return OnParam() && LowerParam(s.setupPlayer, s.setupCursor); }
