#pragma once
#include <cstdint>

#include "match/match_snapshot.h"
#include "netplay/rollback.h"

// What one side of an online match keeps. Steps are counted from 0, the
// first step of play; "before step s" is the state after s steps have run.

// Snapshots kept: one before each step that may still be run again (at most
// rollbackWindow run on a guess, and the present), and a margin for the
// confirmed steps the recorder is still to be told of.
constexpr int rollbackRing = rollbackWindow + 4;
// Inputs kept per player, by step: enough for every step not yet confirmed
// by both sides, however the delay and the window fall.
constexpr int rollbackInputs = 128;
// The most input delay, in steps.
constexpr int inputDelayMax = 3;
// Messages the screens above have not yet taken.
constexpr int heldMessagesMax = 8;
// Checksums waiting for their match from the other side.
constexpr int pendingSumsMax = 8;

struct StepSum {
    int32_t steps = -1;  // the state after this many steps; -1 none
    uint64_t sum = 0;
};

struct RollbackSession {
    NetLink* link = nullptr;
    int8_t localSide = 0;
    RollbackEnd end = RollbackEnd::none;
    bool begun = false;

    // The match as this side left it at the end of its last frame: the
    // records are process-wide, and two sessions may share a process.
    MatchSnapshot live;
    // ring[s % rollbackRing]: the state before step s.
    MatchSnapshot ring[rollbackRing];

    int32_t present = 0;         // the next step to run
    int32_t localNext = 0;       // this side's inputs are known before this step
    int32_t remoteNext = 0;      // the peer's inputs are confirmed before this step
    int32_t recordedNext = 0;    // the recorder has been told of the steps before this
    int32_t peerAck = 0;         // the peer has this side's inputs before this step
    int32_t peerPresent = 0;     // the step the peer last said it was running
    int32_t endStep = -1;        // the step after which the match was over (maybe on a guess)
    uint16_t localBits[rollbackInputs] = {};
    uint16_t remoteBits[rollbackInputs] = {};
    uint16_t remoteUsed[rollbackInputs] = {};  // the peer's bits each step last ran on

    int32_t inputDelay = 0;
    int32_t delayVotes = 0;        // frames in a row the round trip asked for another delay
    int32_t framesSinceWait = 0;

    StepSum ownSums[pendingSumsMax];
    StepSum peerSums[pendingSumsMax];

    NetMessage held[heldMessagesMax];
    int32_t heldFirst = 0;
    int32_t heldCount = 0;

    RollbackFigures figures;
};
