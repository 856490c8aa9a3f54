#pragma once
#include <cstdint>

#include "netplay/net_messages.h"

// The set-up of a game against another machine: this side sets up its own
// profile (the set-up screen, bent by remoteOpponent), sends it when decided
// and shows both on the confirmation; each side answers for itself, and the
// match begins when both have accepted.

struct OnlineSetupState {
    int8_t ownSent = 0;      // 1 once this side's profile of this round went to the peer
    int8_t peerIn = 0;       // 1 while the peer's decided profile is here
    int8_t peerRedoing = 0;  // 1 after the peer chose redo, until his new profile comes
};
extern OnlineSetupState onlineSetup;

// One message from the peer, during the set-up or the confirmation: his
// profile (checked by the set-up's rules: one that breaks them ends online
// play as a bad peer's), his accept or his redo. Others are not for these
// screens and are let go.
void TakeSetupMessage(const NetMessage& message);

// Neither side has answered the profiles shown (a redo on either side asks
// both again).
void ClearSetupAnswers();

// Both sides have accepted the profiles shown: what comes after is the
// match's.
bool SetupAgreed();

// Every message waiting on the link, up to the one that makes both sides
// agree (the rest, the host's start record among them, are left in the
// link for the match), then, when online play has ended meanwhile, the
// set-up's online bend undone. False when it has ended.
bool ReadSetupMessages();

// The confirmation of both profiles, this side answering with player 1's
// keys.
void OnlineConfirmScene();
