#pragma once
#include <cstdint>

#include "match/match_start.h"
#include "netlink/net_link.h"
#include "netplay/net_messages.h"

// Versus over a link: this side's inputs act at once (after an input delay
// of 0..3 steps chosen from the round trip), the peer's are predicted (his
// last ones repeat) and, when the real ones arrive and differ, the match goes
// back to the snapshot of the first wrong step and runs again to the present
// within the same frame, drawing only the present and playing no sound a
// second time. At most rollbackWindow steps run ahead of what both sides have
// confirmed; a side that runs ahead of the other waits a step now and then.
// Every checksumEvery confirmed steps both sides compare the state's checksum.

constexpr int rollbackWindow = 12;    // 240 ms
constexpr int checksumEvery = 25;

enum class RollbackEnd : int8_t {
    none,
    over,        // the match ended on inputs both sides confirmed
    outOfStep,   // the checksums differed: 「同期がずれました」
    peerLost,    // the link was lost or the peer left: 「相手との接続が切れました」
    badPeer,     // the peer sent a message that is not one: dropped
};

struct RollbackFigures {
    int64_t framesRun = 0;
    int64_t rollbacks = 0;
    int64_t stepsRerun = 0;
    int32_t deepest = 0;      // the most steps re-run at once
    int64_t waits = 0;        // frames a step was held back for time sync
    int32_t inputDelay = 0;
    uint64_t checksumsCompared = 0;
};

// Everything one side keeps (defined in rollback_session.h); a session is a
// value, so that two of them can play each other in one process.
struct RollbackSession;

// Begins the match for this side (0 left, the host; 1 right, the joiner)
// over link: the start record applied as ApplyMatchStart does, then the
// opening, then play at step 0.
void BeginRollback(RollbackSession& session, const MatchStart& start, int8_t localSide, NetLink& link);

// One frame of play: the link serviced and its messages read, this side's
// bits (player 0's keys on this machine, MatchInput bits) taken for the step
// they act on, any rollback, then normally one step run (none while waiting
// for the peer, two when catching up), the last one drawn.
void RollbackFrame(RollbackSession& session, uint16_t localBits);

// Why the session has stopped running steps (none while it runs).
RollbackEnd RollbackEnded(const RollbackSession& session);

// While the match runs, RollbackFrame is the only reader of the link: it
// uses inputs and checksums, ends on a bye or a lost link, and keeps any
// other well-formed message (the peer's rematch answer, which may come
// before this side's match is over) for the screens above, oldest first.
bool TakeHeldMessage(RollbackSession& session, NetMessage& message);

const RollbackFigures& RollbackStats(const RollbackSession& session);

// The game's one session, for the online match scene.
extern RollbackSession& netRollback;
