#include "netplay/online_setup.h"

#include "content/game_texts.h"
#include "netlink/net_game.h"
#include "netplay/online_flow.h"
#include "platform/sound.h"
#include "setup/player_params.h"
#include "setup/profile_rules.h"
#include "setup/radar_chart.h"
#include "setup/remote_opponent.h"
#include "setup/setup_scene.h"
#include "setup/setup_state.h"
#include "shell/game_mode.h"
#include "shell/menu_input.h"
#include "shell/scene.h"

OnlineSetupState onlineSetup;

namespace {

int OwnSide() { return remoteOpponent.ownSide; }
int PeerSide() { return 1 - remoteOpponent.ownSide; }

void TakeProfileMessage(const ProfileMessage& profile) {
    if (!TakeProfile(PeerSide(), profile.params, profile.items, profile.itemUseOff)) {
        // Only a game that is not ours, or not honest, sends a profile our
        // own set-up could never have built.
        LeaveOnline(Tr(TextName::OnlineLinkLost));
        return;
    }
    // A profile shown anew is answered anew, by both.
    ClearSetupAnswers();
    onlineSetup.peerIn = 1;
    onlineSetup.peerRedoing = 0;
    remoteOpponent.hidden[PeerSide()] = 0;
}

void TakeAnswer(const AcceptMessage& answer) {
    if (answer.choice == 1) {
        // He is back at his set-up, wherever this side is: his chart leaves
        // the confirmation until he decides again, and both answers are
        // asked again then.
        if (onlineSetup.peerIn == 0) return;
        ClearSetupAnswers();
        onlineSetup.peerIn = 0;
        onlineSetup.peerRedoing = 1;
        remoteOpponent.hidden[PeerSide()] = 1;
        return;
    }
    // He accepts only profiles he has seen, after sending his own: an accept
    // before that, or one to a profile this side has since taken back for a
    // redo, accepts nothing shown now. (One sent in the instant before he
    // heard of the redo could still meet this side's next profile, were
    // that decided within one trip of the link; a person takes far longer.)
    if (answer.choice != 0 || onlineSetup.peerIn == 0 || onlineSetup.ownSent == 0) return;
    setupState.confirmChoice[PeerSide()] = 0;
    setupState.confirmDone[PeerSide()] = 1;
}

// Own side's decide button on the set-up screen.
void OwnProfileDecided() {
    const int p = OwnSide();
    NetMessage message;
    message.kind = NetKind::profile;
    for (int k = 0; k < paramCount; ++k) message.profile.params[k] = playerParams[p][k];
    message.profile.items[0] = itemSlots[p][0];
    message.profile.items[1] = itemSlots[p][1];
    message.profile.itemUseOff = itemUseOff[p];
    SendOnline(message);
    onlineSetup.ownSent = 1;
    setupState.confirmDone[p] = 0;
    setupState.confirmChoice[p] = 0;
    DrawBothRadarGrids();
    currentScene = OnlineConfirmScene;
}

void SetupFrame() { ReadSetupMessages(); }

// Under the key guide the messages wait in the link, but the link itself
// must go on answering, or the other machine lets this one go for silence.
bool KeepLinkAlive() {
    netGameLink.Service();
    return netGameLink.State() != LinkState::connected;
}

void LeaveFromSetup() { LeaveOnline(nullptr); }

}  // namespace

void ClearSetupAnswers() {
    for (int i = 0; i < 2; ++i) {
        setupState.confirmDone[i] = 0;
        setupState.confirmChoice[i] = 0;
    }
}

void TakeSetupMessage(const NetMessage& message) {
    if (message.kind == NetKind::profile) {
        TakeProfileMessage(message.profile);
    } else if (message.kind == NetKind::accept) {
        TakeAnswer(message.accept);
    } else if (message.kind == NetKind::start) {
        KeepEarlyStart(message.start.start);
    }
}

bool SetupAgreed() {
    const SetupScreenState& s = setupState;
    return s.confirmDone[0] == 1 && s.confirmDone[1] == 1 && s.confirmChoice[0] == 0 && s.confirmChoice[1] == 0;
}

bool ReadSetupMessages() {
    NetMessage message;
    while (onlineSide >= 0 && !SetupAgreed() && NextOnlineMessage(message)) TakeSetupMessage(message);
    // Agreed, the link is only kept going through the closing wipe.
    if (onlineSide >= 0 && SetupAgreed()) netGameLink.Service();
    if (onlineSide >= 0) return true;
    // Online play is over; the set-up on one keyboard is itself again.
    remoteOpponent = RemoteOpponent{};
    onlineSetup = OnlineSetupState{};
    return false;
}

void OnlineSetupEnterScene() {
    ResetSetupRecords();
    gameMode = versusMode;
    onlineSetup = OnlineSetupState{};
    remoteOpponent.ownSide = onlineSide == 1 ? 1 : 0;
    remoteOpponent.eachFrame = SetupFrame;
    remoteOpponent.decided = OwnProfileDecided;
    remoteOpponent.left = LeaveFromSetup;
    remoteOpponent.keepAlive = KeepLinkAlive;
    remoteOpponent.hidden[PeerSide()] = 1;
    setupState.setupPlayer = remoteOpponent.ownSide;
    boxGrowth = 0;
    currentScene = SetupEnterScene;
}
