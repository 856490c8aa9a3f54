#include "content/game_texts.h"
#include "netplay/online_flow.h"
#include "netplay/online_setup.h"
#include "platform/keys.h"
#include "platform/present.h"
#include "platform/sound.h"
#include "platform/surface.h"
#include "platform/tiled_background.h"
#include "platform/wipe.h"
#include "setup/confirm_drawing.h"
#include "setup/remote_opponent.h"
#include "setup/setup_guides.h"
#include "setup/setup_keys.h"
#include "setup/setup_scene.h"
#include "setup/setup_state.h"
#include "shell/key_guide.h"
#include "shell/menu_input.h"
#include "shell/scene.h"

namespace {

SetupScreenState& s = setupState;

int Own() { return remoteOpponent.ownSide; }
int Peer() { return 1 - remoteOpponent.ownSide; }

void SendAnswer(int8_t choice) {
    NetMessage message;
    message.kind = NetKind::accept;
    message.accept.choice = choice;
    SendOnline(message);
}

// This side's redo: back to its own set-up, whose entry draws a fresh
// canvas; the peer is told and waits.
void Redo() {
    ClearSetupAnswers();
    onlineSetup.ownSent = 0;
    boxGrowth = 0;
    EmptySlot(logoSheet);
    s.setupPlayer = static_cast<int8_t>(Own());
    currentScene = SetupEnterScene;
}

// This side answers once the peer's profile is on show: what it accepts is
// both.
void AnswerKeys() {
    const int i = Own();
    // Player 1's left and right keys are among the menu's.
    const bool toggle = LeftHeld() || RightHeld();
    const bool decide = KeyHeld(playerKeys[0].swap);
    if (wipeState == 0 && s.confirmDone[i] == 0 && onlineSetup.peerIn == 1) {
        if (toggle && s.confirmToggleHeld[i] == 0) {
            s.confirmChoice[i] = static_cast<int8_t>(1 - s.confirmChoice[i]);
            RestartSound(seBuffer1, false);
        }
        if (decide && confirmHeld == 0) {
            RestartSound(seBuffer2, false);
            confirmHeld = 1;
            s.confirmDone[i] = 1;
            SendAnswer(s.confirmChoice[i]);
            if (s.confirmChoice[i] == 1) {
                Redo();
                return;
            }
        }
    }
    s.confirmToggleHeld[i] = toggle ? 1 : 0;
    if (!decide) confirmHeld = 0;
}

// What the confirmation says while this side waits.
const char* WaitingLine() {
    if (onlineSetup.peerIn == 0) {
        return Tr(onlineSetup.peerRedoing != 0 ? TextName::OnlineSetupPeerRedoing
                                               : TextName::OnlineSetupWaitingForProfile);
    }
    if (s.confirmDone[Own()] == 1 && s.confirmDone[Peer()] == 0) return Tr(TextName::OnlineSetupWaitingForAnswer);
    return nullptr;
}

void HandOver() {
    remoteOpponent = RemoteOpponent{};
    onlineSetup = OnlineSetupState{};
    ClearSetupAnswers();
    EmptySlot(logoSheet);
    // The match makes way for its own music and sheets itself.
    currentScene = OnlineMatchEnterScene;
}

}  // namespace

void OnlineConfirmScene() {
    if (!ReadSetupMessages()) return;
    SetKeyGuidePage(&onlineConfirmGuide);
    ScrollTiledBackground();
    if (wipeState == 0 && escapeHeld == 0 && KeyHeld(vkEscape)) {
        escapeHeld = 1;
        RestartSound(seBuffer2, false);
        LeaveOnline(nullptr);
        return;
    }
    if (!KeyHeld(vkEscape)) escapeHeld = 0;
    AnswerKeys();
    if (currentScene != OnlineConfirmScene) return;
    if (wipeState == 0 && SetupAgreed()) wipeState = 1;
    remoteOpponent.confirmLine = WaitingLine();
    DrawConfirmScreen();
    if (wipeState == 1 && StripeWipe(0)) HandOver();
    Present();
}
