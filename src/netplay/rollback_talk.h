#pragma once
#include <cstdint>

#include "match/match_input.h"
#include "netplay/rollback_session.h"

// The session's side of the conversation: what it reads from the link and
// what it says, each message checked against what the peer can know before
// anything of it is used. Internal to the session (rollback.cpp).

// Only what a remote player may press: online play has no pause (one player
// cannot stop the other) and leaving is the screen's, not a step's.
constexpr uint16_t onlineBitsMask = inputBitsMask & ~(inputPause | inputLeave);

inline int InputSlot(int32_t step) { return step % rollbackInputs; }

// The link serviced and every message waiting read: the peer's inputs taken
// (firstWrong lowered to the first step whose guess they prove wrong), its
// checksums compared, anything else kept for the screens. Ends the session
// on a lost link, a bye, a message that is not one (the peer dropped) or
// one that no honest peer could have sent.
void ReadPeer(RollbackSession& session, int32_t& firstWrong);

// This side's inputs the peer has not acknowledged (at most netInputsMax),
// with what it has of the peer's and the step it runs; reliable once the
// match is over, so that the peer surely reaches the same end.
void SendInputs(RollbackSession& session, bool reliable);

// The checksum of the state after steps steps (a multiple of
// checksumEvery), sent and compared with the peer's when his is here.
void ShareChecksum(RollbackSession& session, int32_t steps, uint64_t sum);

// Stops the session for a reason other than its end; a bye tells the peer
// why when he should hear it from this side.
void EndSession(RollbackSession& session, RollbackEnd why);
