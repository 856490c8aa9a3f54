#pragma once
#include <cstddef>
#include <cstdint>

#include "netplay/net_messages.h"

// The first thing two games say once linked: a hello each way (reliable),
// naming the protocol, the game's version and the build. The same steps on
// both machines need the same rules and the same arithmetic, so two games
// play only when all three agree; otherwise both refuse, saying why with
// both versions (or builds), and leave. A peer that says nothing within
// handshakeMs of the link, or says anything but a hello first, is dropped.

constexpr uint32_t handshakeMs = 5000;

// This game's hello: what the build was made with (compiler, its version,
// the architecture) besides the version. A process-wide record so that the
// tests can play another version or build.
extern HelloMessage ownHello;
// ownHello as this build makes it.
HelloMessage BuildHello();

// Whether the peer's hello lets the two play; when not, why, in the game's
// language (up to two lines split by '\n') into reason. Only the hellos
// travel: each game words its own refusal.
bool HellosAgree(const HelloMessage& ours, const HelloMessage& theirs, char* reason, size_t size);

// The handshake as the lobby screens run it, once the link is connected.
enum class HandshakeState : int8_t {
    waiting,  // our hello sent, the peer's not yet here
    agreed,   // onlineSide set; the set-up follows
    left,     // refused, dropped or lost: LeaveOnline has taken over
};

// Sends our hello and starts the clock; side is this machine's board (0
// host, 1 joiner).
void BeginHandshake(int8_t side);
// One frame of it: reads the peer's messages through NextOnlineMessage.
HandshakeState HandshakeFrame();
// HandshakeFrame for a lobby screen: true when the screen is left, for the
// online set-up once both agreed, or by LeaveOnline.
bool HandshakeLeftTheScreen();
