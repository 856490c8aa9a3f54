#pragma once
#include <cstdint>

#include "netlink/net_link.h"

// The game's own connection to one opponent over ENet. Nothing listens
// unless the player hosts, and a host takes one opponent; a second one is
// turned away. Every call returns at once (a frame never waits on the
// network); the link is moved on by netGameLink.Service() every frame.

// The port a host listens on unless told otherwise, and the port on which
// hosts answer the joiners' search of the local network unless
// SetLanSearchPort says another.
constexpr uint16_t defaultGamePort = 41730;
constexpr uint16_t lanSearchPort = 41731;

// The search port of the games hosted and the searches started from now on
// (the tests take a free one, so that two runs on one machine never meet).
void SetLanSearchPort(uint16_t port);
uint16_t LanSearchPort();

// The one link of the running game.
extern NetLink& netGameLink;

// Starts listening on port (all addresses) for one opponent, and answering
// the local network's search. False, with NetProblem() saying why in one
// line, when the port cannot be taken.
bool HostNetGame(uint16_t port);

// Starts connecting to host (a name or a dotted address) at port. False,
// with NetProblem() saying why, when the address cannot be resolved or the
// library refuses.
bool JoinNetGame(const char* host, uint16_t port);

// The port the game listens on while hosting: the one asked for, or the one
// the system picked when asked for port 0.
uint16_t HostedGamePort();

// The bytes the network carried for the link since hosting or joining
// began: the messages with ENet's headers, acknowledgements and pings (not
// the UDP and IP headers below them), where BytesSent and BytesReceived
// count the messages alone. For the figures.
uint64_t NetWireBytesSent();
uint64_t NetWireBytesReceived();

// Says goodbye to the peer if there is one, stops listening and answering,
// and closes everything. Safe to call at any time, and again. The game goes
// on at once: what was sent last (a bye saying why) still reaches the peer,
// then the disconnect, as long as ServiceNetClosing is called every frame.
void CloseNetGame();

// Moves on the graceful close of the last connection (at most about a
// second, less once the peer has acknowledged the goodbye), then lets it go.
// True while it still runs. A new HostNetGame or JoinNetGame ends it first.
bool ServiceNetClosing();

// Why the last call failed, in one line (UTF-8, no newline).
const char* NetProblem();

// The addresses (IPv4, dotted) this machine can be reached at, loopback
// last; at most max of them, each up to 47 characters. Returns the count.
int LocalAddresses(char (*out)[48], int max);

// The search of the local network for hosted games: a broadcast now and
// then while it runs, and the answers kept. Poll LanGamesFound every frame.
struct LanGame {
    char address[48] = {};  // dotted
    uint16_t port = 0;      // the game's port there
    char name[32] = {};     // the host machine's name, as it gave it (checked UTF-8)
};
void StartLanSearch();
void StopLanSearch();
// The hosts that answered lately (an answer older than a few seconds is
// forgotten), at most max. Returns the count.
int LanGamesFound(LanGame* out, int max);
