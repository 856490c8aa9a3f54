#pragma once
#include <cstdint>

#include "netlink/net_game.h"
#include "netplay/address_field.h"

// The hosting and joining screens of online versus, between the question
// before the set-up and the set-up itself. Hosting listens and shows where;
// joining lists the games hosted on the local network and takes an address
// typed in. Either shakes hands once linked (net_handshake.h) and hands over
// to the online set-up; the back key or Escape closes the link and returns
// to the question.

constexpr int lobbyAddressesMax = 4;
constexpr int lobbyGamesMax = 4;
constexpr uint32_t joinGiveUpMs = 10000;

// The joining screen's layout: the list's box, its rows (the text of row k
// from joinListTop + 42 + joinRowHeight * k, 22 high; the rows are tall
// enough for the cursor's frame to go round the text), the field's box (its
// text from joinFieldTop + 42) and the status line's box.
constexpr int joinListTop = 84;
constexpr int joinRowHeight = 38;
constexpr int joinFieldTop = joinListTop + 52 + joinRowHeight * lobbyGamesMax;
constexpr int joinStatusTop = joinFieldTop + 88;

enum class LobbyPhase : int8_t {
    choosing,    // joining: the list and the field; hosting: the port could not be taken
    listening,   // hosting: waiting for one opponent
    connecting,  // joining: the link asked for, no answer yet
    shaking,     // linked: the hellos
};

struct NetLobbyState {
    uint16_t hostPort = defaultGamePort;  // where the next hosting listens (0: a port the system picks)
    uint16_t listeningPort = 0;           // where it does
    LobbyPhase phase = LobbyPhase::choosing;
    char addresses[lobbyAddressesMax][48] = {};
    int8_t addressCount = 0;
    LanGame games[lobbyGamesMax] = {};
    int8_t gameCount = 0;
    int8_t cursor = 0;  // joining: a game of the list, or gameCount for the field
    int8_t verticalHold = 0;
    AddressField field;
    char problem[160] = {};  // why the last try failed, shown until the next
    uint32_t mark = 0;       // when connecting began
};
extern NetLobbyState netLobby;

// The screens' entries: the hosting screen listens on netLobby.hostPort at
// once; the joining screen opens with the search of the network running.
void HostEnterScene();
void JoinEnterScene();
// The joining screen with host:port in its field, connecting at once (the
// command line's --join).
void JoinAtOnce(const char* host, uint16_t port);

// The question's links to these screens (shell/scene_links.h); start-up.
void LinkOnlineScreens();
