#include <cstdio>
#include <cstring>

#include "content/game_texts.h"
#include "netlink/net_game.h"
#include "netplay/lobby_drawing.h"
#include "netplay/lobby_guides.h"
#include "netplay/net_handshake.h"
#include "netplay/net_lobby.h"
#include "netplay/online_flow.h"
#include "platform/clock.h"
#include "platform/present.h"
#include "platform/sound.h"
#include "platform/text.h"
#include "platform/typed_text.h"
#include "setup/opponent_question.h"
#include "shell/game_loop.h"
#include "shell/menu_input.h"
#include "shell/scene.h"
#include "shell/scene_links.h"

namespace {

NetLobbyState& n = netLobby;

constexpr int listTop = joinListTop;
constexpr int rowHeight = joinRowHeight;
constexpr int listBottom = listTop + 40 + rowHeight * lobbyGamesMax;
constexpr int fieldTop = joinFieldTop;
constexpr int statusTop = joinStatusTop;

void Connect(const char* host, uint16_t port) {
    n.problem[0] = '\0';
    if (!JoinNetGame(host, port)) {
        std::snprintf(n.problem, sizeof n.problem, "%s", NetProblem());
        return;
    }
    n.phase = LobbyPhase::connecting;
    n.mark = TimeGetTime();
}

// The game under the cursor, or the address in the field.
void ConnectToChoice() {
    if (n.cursor < n.gameCount) {
        Connect(n.games[n.cursor].address, n.games[n.cursor].port);
        return;
    }
    char host[48];
    uint16_t port = defaultGamePort;
    if (!SplitAddress(n.field.text, host, sizeof host, port)) {
        std::snprintf(n.problem, sizeof n.problem, Tr(TextName::OnlineJoinAddressForm), unsigned{defaultGamePort});
        return;
    }
    Connect(host, port);
}

void Failed(const char* why) {
    std::snprintf(n.problem, sizeof n.problem, Tr(TextName::OnlineJoinFailed), why);
    CloseNetGame();
    n.phase = LobbyPhase::choosing;
}

void ChoosingKeys() {
    // Typing goes to the field, whatever the cursor was on.
    uint32_t codepoint = 0;
    while (NextTypedChar(codepoint)) {
        if (TypeIntoAddress(n.field, codepoint)) n.cursor = n.gameCount;
    }
    const bool up = UpHeld(), down = DownHeld();
    if ((up || down) && RepeatStep(n.verticalHold)) {
        const int next = n.cursor + (up ? -1 : 1);
        if (next >= 0 && next <= n.gameCount) {
            n.cursor = static_cast<int8_t>(next);
            RestartSound(seBuffer1, false);
        }
    }
    SettleRepeat(n.verticalHold, up || down);
    const bool decide = KeyHeld(menuKeys.decide) || KeyHeld(vkReturn);
    if (decide && confirmHeld == 0) {
        RestartSound(seBuffer2, false);
        ConnectToChoice();
    }
    confirmHeld = decide ? 1 : 0;
}

void FollowSearch() {
    LanGame found[lobbyGamesMax];
    n.gameCount = static_cast<int8_t>(LanGamesFound(found, lobbyGamesMax));
    std::memcpy(n.games, found, sizeof found);
    // The field stays the last row as the list grows and shrinks.
    if (n.cursor > n.gameCount) n.cursor = n.gameCount;
}

void DrawList() {
    BeginPanelText(smallFont);
    RoundRect(40, listTop, 600, listBottom, 10, 10);
    DrawTextInRect(Tr(TextName::OnlineJoinGamesHere), textCenter, 40, listTop + 8, 600, listTop + 30);
    char line[200];
    for (int k = 0; k < n.gameCount; ++k) {
        std::snprintf(line, sizeof line, "%s  %s:%u", n.games[k].name, n.games[k].address, unsigned{n.games[k].port});
        const int y = listTop + 42 + rowHeight * k;
        DrawTextInRect(line, textCenter, 60, y, 580, y + 22);
    }
    if (n.gameCount == 0) DrawTextInRect(Tr(TextName::OnlineJoinSearching), textCenter, 40, listTop + 42, 600, listTop + 64);
    RoundRect(40, fieldTop, 600, fieldTop + 78, 10, 10);
    DrawTextInRect(Tr(TextName::OnlineJoinFieldLabel), textCenter, 40, fieldTop + 8, 600, fieldTop + 30);
    // The field's text with a bar where the next character goes.
    char shown[sizeof n.field.text + 2];
    std::snprintf(shown, sizeof shown, "%.63s_", n.field.text);
    DrawTextInRect(shown, textCenter, 60, fieldTop + 42, 580, fieldTop + 64);
    EndText();
    if (n.phase == LobbyPhase::choosing) {
        const int f = static_cast<int>((TimeGetTime() / 100) % 2);
        const int top = n.cursor < n.gameCount ? listTop + 34 + rowHeight * n.cursor : fieldTop + 34;
        DrawCursorFrame(48, top, 544, rowHeight, f);
    }
}

void Draw() {
    DrawLobbyFrame(Tr(TextName::OnlineJoinTitle));
    DrawList();
    if (n.phase == LobbyPhase::connecting) DrawLobbyLine(Tr(TextName::OnlineJoinConnecting), statusTop);
    if (n.phase == LobbyPhase::shaking) DrawLobbyLine(Tr(TextName::OnlineJoinLinked), statusTop);
    if (n.phase == LobbyPhase::choosing && n.problem[0] != '\0') DrawLobbyLine(n.problem, statusTop);
}

// The connection being made, then the handshake; true when the screen was
// left.
bool FollowConnection() {
    if (n.phase == LobbyPhase::connecting) {
        netGameLink.Service();
        const LinkState state = netGameLink.State();
        if (state == LinkState::connected) {
            StopLanSearch();
            BeginHandshake(1);
            n.phase = LobbyPhase::shaking;
        } else if (state != LinkState::connecting) {
            Failed(NetProblem());
        } else if (TimeGetTime() - n.mark >= joinGiveUpMs) {
            Failed(Tr(TextName::OnlineJoinNoAnswer));
        }
    }
    return n.phase == LobbyPhase::shaking && HandshakeLeftTheScreen();
}

void JoiningScene() {
    SetKeyGuidePage(&joinGuide);
    if (n.phase == LobbyPhase::choosing) WantTypedText();
    if (n.phase != LobbyPhase::shaking && LobbyBackPressed()) {
        RestartSound(seBuffer2, false);
        if (n.phase == LobbyPhase::connecting) {
            // Back from connecting to the list and the field.
            CloseNetGame();
            n.phase = LobbyPhase::choosing;
        } else {
            StopLanSearch();
            currentScene = OpponentQuestionScene;
            return;
        }
    }
    FollowSearch();
    if (n.phase == LobbyPhase::choosing) ChoosingKeys();
    if (FollowConnection()) return;
    Draw();
    Present();
}

void OpenJoining() {
    n.phase = LobbyPhase::choosing;
    n.problem[0] = '\0';
    n.gameCount = 0;
    n.cursor = 0;
    cancelHeld = 1;
    confirmHeld = 1;
    StartLanSearch();
    currentScene = JoiningScene;
}

}  // namespace

void JoinEnterScene() {
    n.field = AddressField{};
    OpenJoining();
    JoiningScene();
}

void JoinAtOnce(const char* host, uint16_t port) {
    n.field = AddressField{};
    std::snprintf(n.field.text, sizeof n.field.text, "%s:%u", host, unsigned{port});
    n.field.length = static_cast<int8_t>(std::strlen(n.field.text));
    OpenJoining();
    Connect(host, port);
}

bool JoiningLinkPass() {
    FollowSearch();
    return FollowConnection();
}

void LinkOnlineScreens() {
    sceneLinks.hostNetGame = HostEnterScene;
    sceneLinks.joinNetGame = JoinEnterScene;
    // A game left is closed in the background, whatever screen follows.
    everyPassChore = [] { ServiceNetClosing(); };
}
