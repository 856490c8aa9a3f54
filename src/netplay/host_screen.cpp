#include <cstdio>

#include "content/game_texts.h"
#include "netplay/lobby_drawing.h"
#include "netplay/lobby_guides.h"
#include "netplay/net_handshake.h"
#include "netplay/net_lobby.h"
#include "netplay/online_flow.h"
#include "platform/present.h"
#include "platform/sound.h"
#include "platform/text.h"
#include "setup/opponent_question.h"
#include "shell/menu_input.h"
#include "shell/scene.h"

NetLobbyState netLobby;

namespace {

NetLobbyState& n = netLobby;

void Draw() {
    DrawLobbyFrame(Tr(TextName::OnlineHostTitle));
    BeginPanelText(smallFont);
    RoundRect(60, 84, 580, 330, 10, 10);
    char line[96];
    if (n.phase == LobbyPhase::choosing) {
        // Why, in the link's own words (they name the port).
        DrawTextInRect(Tr(TextName::OnlineHostCannot), textCenter, 60, 180, 580, 202);
        DrawTextInRect(n.problem, textCenter, 60, 212, 580, 234);
    } else {
        DrawTextInRect(Tr(TextName::OnlineHostAddresses), textCenter, 60, 98, 580, 120);
        for (int k = 0; k < n.addressCount; ++k) {
            DrawTextInRect(n.addresses[k], textCenter, 60, 132 + 26 * k, 580, 154 + 26 * k);
        }
        std::snprintf(line, sizeof line, Tr(TextName::OnlineHostPort), unsigned{n.listeningPort});
        DrawTextInRect(line, textCenter, 60, 290, 580, 312);
    }
    EndText();
    if (n.phase == LobbyPhase::listening) DrawLobbyLine(Tr(TextName::OnlineHostWaiting), 350);
    if (n.phase == LobbyPhase::shaking) DrawLobbyLine(Tr(TextName::OnlineHostLinked), 350);
}

}  // namespace

bool HostingLinkPass() {
    if (n.phase == LobbyPhase::listening) {
        netGameLink.Service();
        if (netGameLink.State() == LinkState::connected) {
            BeginHandshake(0);
            n.phase = LobbyPhase::shaking;
        }
    }
    return n.phase == LobbyPhase::shaking && HandshakeLeftTheScreen();
}

namespace {

void HostingScene() {
    SetKeyGuidePage(&hostGuide);
    if (n.phase != LobbyPhase::shaking && LobbyBackPressed()) {
        // Nothing listens once the player has stopped hosting.
        CloseNetGame();
        RestartSound(seBuffer2, false);
        currentScene = OpponentQuestionScene;
        return;
    }
    if (HostingLinkPass()) return;
    Draw();
    Present();
}

}  // namespace

void HostEnterScene() {
    n.problem[0] = '\0';
    n.addressCount = 0;
    // The key that chose hosting must not leave it at once.
    cancelHeld = 1;
    if (HostNetGame(n.hostPort)) {
        n.phase = LobbyPhase::listening;
        n.listeningPort = HostedGamePort();
        n.addressCount = static_cast<int8_t>(LocalAddresses(n.addresses, lobbyAddressesMax));
    } else {
        n.phase = LobbyPhase::choosing;
        std::snprintf(n.problem, sizeof n.problem, "%s", NetProblem());
    }
    currentScene = HostingScene;
    HostingScene();
}
