#include "netplay/rollback.h"

#include <algorithm>
#include <climits>
#include <iterator>

#include "match/match_begin.h"
#include "match/match_step.h"
#include "match/step_input.h"
#include "options/options_file.h"
#include "platform/draw_switch.h"
#include "platform/sound.h"
#include "netplay/rollback_session.h"
#include "netplay/rollback_talk.h"
#include "replay/replay_recorder.h"

namespace {

RollbackSession theSession;

// The input delay the round trip asks for: none on a local network, one
// step from about 30 ms, up to three from about 130 ms (the peer's inputs
// then come about when they act, and a guess is seldom needed).
int32_t DelayFor(uint32_t roundTripMs) { return std::min<int32_t>(inputDelayMax, static_cast<int32_t>((roundTripMs + 20) / 50)); }

// A new delay only after the round trip has asked for it for a second, and
// a shorter one only when the round trip is well below the longer's: a
// delay that flaps would drop or repeat a key each time.
constexpr int32_t delayVotesNeeded = 50;
constexpr uint32_t delayBandMs = 15;

void ChooseDelay(RollbackSession& s) {
    const uint32_t rtt = s.link->RoundTripMs();
    int32_t want = DelayFor(rtt);
    if (want < s.inputDelay && DelayFor(rtt + delayBandMs) >= s.inputDelay) want = s.inputDelay;
    if (want == s.inputDelay) {
        s.delayVotes = 0;
        return;
    }
    if (++s.delayVotes < delayVotesNeeded) return;
    s.delayVotes = 0;
    s.inputDelay = want;
}

// This frame's keys act inputDelay steps from now (from the second of two
// steps run to catch up: the first keeps the keys held before). A delay
// grown by a step leaves a step between that keeps them too; a shrunk one
// has no step left for this frame's keys, which then act from the next.
void TakeLocal(RollbackSession& s, uint16_t bits, int steps) {
    const int32_t target = s.present + s.inputDelay + (steps > 1 ? steps - 1 : 0);
    if (target < s.localNext || target - s.peerAck >= rollbackInputs - 1) return;
    const uint16_t held = s.localNext > 0 ? s.localBits[InputSlot(s.localNext - 1)] : 0;
    while (s.localNext < target) s.localBits[InputSlot(s.localNext++)] = held;
    s.localBits[InputSlot(target)] = bits & onlineBitsMask;
    s.localNext = target + 1;
}

MatchInput InputOf(const RollbackSession& s, int32_t step, uint16_t remote) {
    MatchInput input;
    input.player[s.localSide] = s.localBits[InputSlot(step)];
    input.player[1 - s.localSide] = remote;
    return input;
}

// The peer's bits for a step: confirmed, or his last confirmed ones again.
uint16_t RemoteGuess(const RollbackSession& s, int32_t step) {
    if (step < s.remoteNext) return s.remoteBits[InputSlot(step)];
    return s.remoteNext > 0 ? s.remoteBits[InputSlot(s.remoteNext - 1)] : 0;
}

// Runs the present step, keeping the state before it.
void RunStep(RollbackSession& s) {
    SaveMatchSnapshot(s.ring[s.present % rollbackRing]);
    const uint16_t remote = RemoteGuess(s, s.present);
    s.remoteUsed[InputSlot(s.present)] = remote;
    MatchStep(InputOf(s, s.present, remote));
    ++s.present;
    if (MatchOver()) s.endStep = s.present - 1;
}

// Back to the state before step from and on again to where the match was,
// unseen and unheard; a match that now ends earlier stops there.
void RunAgainFrom(RollbackSession& s, int32_t from) {
    const int32_t to = s.present;
    RestoreMatchSnapshot(s.ring[from % rollbackRing]);
    s.present = from;
    s.endStep = -1;
    const bool drawing = drawingSkipped;
    const bool muted = soundsMuted;
    drawingSkipped = true;
    soundsMuted = true;
    while (s.present < to && s.endStep < 0) RunStep(s);
    drawingSkipped = drawing;
    soundsMuted = muted;
    RollbackFigures& f = s.figures;
    ++f.rollbacks;
    f.stepsRerun += to - from;
    f.deepest = std::max(f.deepest, to - from);
}

// Whether the present step may run now: this side's keys are known for it,
// it is within the window of what both sides have confirmed, and the match
// is not over on a guess (an end counts only once its step is confirmed).
bool MayRun(const RollbackSession& s) {
    return s.end == RollbackEnd::none && s.endStep < 0 && s.present < s.localNext &&
           s.present < s.remoteNext + rollbackWindow;
}

// Steps to run this frame: one; none now and then while this side runs
// ahead of the peer (as far as the peer's step, a one-way trip old, tells);
// two while it runs behind and the window has room for both.
int StepsThisFrame(RollbackSession& s) {
    const int32_t oneWay = static_cast<int32_t>(s.link->RoundTripMs() / 2 / matchStepMs);
    const int32_t ahead = s.present - (s.peerPresent + oneWay);
    ++s.framesSinceWait;
    if (ahead >= 2 && s.framesSinceWait >= 4) {
        s.framesSinceWait = 0;
        return 0;
    }
    return ahead <= -3 && s.present + 1 < s.remoteNext + rollbackWindow ? 2 : 1;
}

// The steps of this frame; only the last is drawn. Returns how many ran.
int RunSteps(RollbackSession& s, int steps) {
    const bool drawing = drawingSkipped;
    int ran = 0;
    for (; ran < steps && MayRun(s); ++ran) {
        drawingSkipped = drawing || ran + 1 < steps;
        RunStep(s);
    }
    drawingSkipped = drawing;
    if (ran == 0) ++s.figures.waits;
    return ran;
}

// A frame that went back and ran again but runs no step of its own still
// shows the present as it now is: its last step once more, drawn, silent.
void DrawPresent(RollbackSession& s) {
    if (drawingSkipped || s.present == 0) return;
    RestoreMatchSnapshot(s.ring[(s.present - 1) % rollbackRing]);
    --s.present;
    const bool muted = soundsMuted;
    soundsMuted = true;
    RunStep(s);
    soundsMuted = muted;
}

// The state after the step before steps (steps >= 1): the ring's, or the
// live match's for the present.
void GoToStateAfter(RollbackSession& s, int32_t steps) {
    if (steps < s.present) {
        RestoreMatchSnapshot(s.ring[steps % rollbackRing]);
    } else {
        RestoreMatchSnapshot(s.live);
    }
}

// The steps both sides now have confirmed, each in its state after it: the
// recorder told, and the checksums shared where they fall. Leaves the live
// match as it was.
void ConfirmSteps(RollbackSession& s) {
    const int32_t confirmed = std::min(s.remoteNext, s.present);
    if (s.recordedNext >= confirmed) return;
    for (int32_t step = s.recordedNext; step < confirmed && s.end == RollbackEnd::none; ++step) {
        GoToStateAfter(s, step + 1);
        if (matchStepSeen != nullptr) matchStepSeen(InputOf(s, step, s.remoteBits[InputSlot(step)]));
        s.recordedNext = step + 1;
        if ((step + 1) % checksumEvery == 0) ShareChecksum(s, step + 1, SharedMatchChecksum());
    }
    if (s.end == RollbackEnd::none && s.endStep >= 0 && s.endStep < s.recordedNext) {
        s.end = RollbackEnd::over;
        SendInputs(s, true);
    }
    RestoreMatchSnapshot(s.live);
}

// A match stopped before its end: the recording saved as far as it goes,
// in the state after the last step it holds.
void SaveWhatWasRecorded(RollbackSession& s) {
    if (s.recordedNext > 0) GoToStateAfter(s, s.recordedNext);
    SaveRecordingNow();
    RestoreMatchSnapshot(s.live);
}

void Reset(RollbackSession& s, NetLink& link, int8_t localSide) {
    s.link = &link;
    s.localSide = localSide == 1 ? 1 : 0;
    s.end = RollbackEnd::none;
    s.present = s.localNext = s.remoteNext = s.recordedNext = 0;
    s.peerAck = s.peerPresent = 0;
    s.endStep = -1;
    std::fill(std::begin(s.localBits), std::end(s.localBits), uint16_t{0});
    std::fill(std::begin(s.remoteBits), std::end(s.remoteBits), uint16_t{0});
    std::fill(std::begin(s.remoteUsed), std::end(s.remoteUsed), uint16_t{0});
    s.inputDelay = DelayFor(link.RoundTripMs());
    s.delayVotes = 0;
    s.framesSinceWait = 0;
    std::fill(std::begin(s.ownSums), std::end(s.ownSums), StepSum{});
    std::fill(std::begin(s.peerSums), std::end(s.peerSums), StepSum{});
    s.heldFirst = s.heldCount = 0;
    s.figures = RollbackFigures{};
}

}  // namespace

RollbackSession& netRollback = theSession;

void BeginRollback(RollbackSession& s, const MatchStart& start, int8_t localSide, NetLink& link) {
    Reset(s, link, localSide);
    // The host's record decides the match; the sound, the backdrop and the
    // panels stay this player's own, and his replay says so, so that it
    // plays back as he saw it.
    MatchStart kept = start;
    kept.options[1] = options.soundOff;
    kept.options[3] = options.backgroundPattern;
    kept.options[4] = options.panelShape;
    ApplyMatchStart(kept);
    const bool opened = RunMatchOpening();
    SaveMatchSnapshot(s.live);
    s.begun = true;
    if (!opened) {
        // The window closed during the countdown: the peer hears a bye.
        NetMessage bye;
        bye.kind = NetKind::bye;
        uint8_t bytes[8];
        const size_t size = EncodeNetMessage(bye, bytes, sizeof bytes);
        link.Send(bytes, size, true);
        s.end = RollbackEnd::peerLost;
    }
}

void RollbackFrame(RollbackSession& s, uint16_t localBits) {
    if (!s.begun) return;
    RestoreMatchSnapshot(s.live);
    ++s.figures.framesRun;
    const RollbackEnd before = s.end;
    int32_t firstWrong = INT32_MAX;
    ReadPeer(s, firstWrong);
    if (s.end == RollbackEnd::over) {
        // Over here; the peer may still lack this side's last inputs.
        SendInputs(s, false);
        return;
    }
    if (s.end != RollbackEnd::none) {
        if (before == RollbackEnd::none) SaveWhatWasRecorded(s);
        return;
    }
    ChooseDelay(s);
    const int steps = StepsThisFrame(s);
    TakeLocal(s, localBits, steps);
    const bool wentBack = firstWrong < s.present;
    if (wentBack) RunAgainFrom(s, firstWrong);
    if (RunSteps(s, steps) == 0 && wentBack) DrawPresent(s);
    SaveMatchSnapshot(s.live);
    ConfirmSteps(s);
    if (s.end == RollbackEnd::outOfStep) {
        SaveWhatWasRecorded(s);
        return;
    }
    if (s.end == RollbackEnd::none) SendInputs(s, false);
    s.figures.inputDelay = s.inputDelay;
}

RollbackEnd RollbackEnded(const RollbackSession& s) { return s.end; }

bool TakeHeldMessage(RollbackSession& s, NetMessage& message) {
    if (s.heldCount == 0) return false;
    message = s.held[s.heldFirst];
    s.heldFirst = (s.heldFirst + 1) % heldMessagesMax;
    --s.heldCount;
    return true;
}

const RollbackFigures& RollbackStats(const RollbackSession& s) { return s.figures; }
