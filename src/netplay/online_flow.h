#pragma once
#include <cstdint>

#include "netplay/net_messages.h"

// The screens of online versus and the calls they hand over with. The
// hosting and joining screens (net_lobby) make the link and shake hands;
// the set-up then runs on each machine for its own side (online_setup); the
// match, its result and the rematch follow (online_match). Any of them that
// finds the peer gone, out of step or not this game leaves by LeaveOnline.

// Which board this machine plays: 0 the host's (left), 1 the joiner's
// (right), -1 not online. Set by the lobby once the handshake is done.
extern int8_t onlineSide;

// The link serviced, then the next well-formed message the peer sent
// (reliable or not), oldest first. A lost link, the peer's bye or a message
// that does not decode (the peer is then dropped) is handled here: it leaves
// online play by LeaveOnline with 「相手との接続が切れました」 and returns
// false. False too when nothing is waiting. For every screen but the match,
// whose rollback session reads the link itself.
bool NextOnlineMessage(NetMessage& message);

// Encodes message and sends it on the reliable channel.
void SendOnline(const NetMessage& message);

// Says goodbye with this reason (ByeMessage) while the peer is there, once:
// a side that refuses says why before it leaves. LeaveOnline says it with
// reason 0 unless it was said already.
void SayByeOnline(int8_t reason);

// How long the reason for leaving stays over the main menu: long enough to
// read two versions.
constexpr uint32_t leftOnlineNoticeMs = 5000;

// Ends online play from any of its screens: the link closed (with a bye if
// the peer is still there), onlineSide -1, the message (nullptr for none)
// shown for a moment over the main menu, which then takes over. A line break
// in message starts the notice's second line.
void LeaveOnline(const char* message);

// After the handshake: this side's own set-up, the profiles exchanged, the
// confirmation of both. (online_setup)
void OnlineSetupEnterScene();

// After both sides accepted: the host makes the start record and sends it,
// the joiner waits for it; then the match over the rollback session, its
// result, and the rematch question of both machines. (online_match)
void OnlineMatchEnterScene();

// The host's start record, come while this side was still closing its
// confirmation (the host may hand over first): kept for the match, which
// begins with it instead of waiting. (online_match)
void KeepEarlyStart(const MatchStart& start);
