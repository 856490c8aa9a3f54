#include "netplay/rollback_talk.h"

#include <algorithm>

namespace {

// The furthest ahead of this side's own inputs any step the peer names can
// be: the peer runs at most rollbackWindow steps past the inputs of ours it
// has, and its own inputs act up to inputDelayMax steps after that (one
// more while it catches up). Further is a lie (or garbage that decoded).
bool Reachable(const RollbackSession& s, int64_t step) {
    return step <= int64_t{s.localNext} + rollbackWindow + inputDelayMax + 4;
}

void Send(RollbackSession& s, const NetMessage& m, bool reliable) {
    uint8_t bytes[netMessageMax];
    const size_t size = EncodeNetMessage(m, bytes, sizeof bytes);
    if (size > 0) s.link->Send(bytes, size, reliable);
}

void Hold(RollbackSession& s, const NetMessage& m) {
    // A full queue keeps the oldest: the screens read them in order.
    if (s.heldCount == heldMessagesMax) return;
    s.held[(s.heldFirst + s.heldCount) % heldMessagesMax] = m;
    ++s.heldCount;
}

// False when the inputs cannot have come from an honest peer.
bool TakeInputs(RollbackSession& s, const InputsMessage& m, int32_t& firstWrong) {
    const int64_t last = int64_t{m.firstStep} + m.count - 1;
    if (!Reachable(s, last) || !Reachable(s, m.presentStep) || m.ackStep > static_cast<uint32_t>(s.localNext))
        return false;
    s.peerAck = std::max(s.peerAck, static_cast<int32_t>(m.ackStep));
    s.peerPresent = std::max(s.peerPresent, static_cast<int32_t>(m.presentStep));
    for (int i = 0; i < m.count; ++i) {
        const int32_t step = static_cast<int32_t>(m.firstStep) + i;
        const uint16_t bits = m.bits[i] & onlineBitsMask;
        uint16_t& kept = s.remoteBits[InputSlot(step)];
        if (step < s.remoteNext) {
            // Sent again: it must say what it said before.
            if (step >= s.remoteNext - rollbackInputs / 2 && kept != bits) return false;
            continue;
        }
        // Past a gap (an earlier message lost): a later one brings it all.
        if (step > s.remoteNext) break;
        kept = bits;
        if (step < s.present && bits != s.remoteUsed[InputSlot(step)]) firstWrong = std::min(firstWrong, step);
        ++s.remoteNext;
    }
    return true;
}

// Compares the two sides' checksums of one step when both are here.
void Compare(RollbackSession& s, int32_t steps) {
    const StepSum& own = s.ownSums[steps / checksumEvery % pendingSumsMax];
    const StepSum& peer = s.peerSums[steps / checksumEvery % pendingSumsMax];
    if (own.steps != steps || peer.steps != steps) return;
    ++s.figures.checksumsCompared;
    if (own.sum != peer.sum) EndSession(s, RollbackEnd::outOfStep);
}

bool TakeChecksum(RollbackSession& s, const ChecksumMessage& m) {
    if (m.step == 0 || m.step % checksumEvery != 0 || !Reachable(s, m.step)) return false;
    const int32_t steps = static_cast<int32_t>(m.step);
    s.peerSums[steps / checksumEvery % pendingSumsMax] = StepSum{steps, m.sum};
    Compare(s, steps);
    return true;
}

void Take(RollbackSession& s, const NetMessage& m, int32_t& firstWrong) {
    switch (m.kind) {
    case NetKind::inputs:
        if (!TakeInputs(s, m.inputs, firstWrong)) EndSession(s, RollbackEnd::badPeer);
        return;
    case NetKind::checksum:
        if (!TakeChecksum(s, m.checksum)) EndSession(s, RollbackEnd::badPeer);
        return;
    case NetKind::bye:
        // Once the match is over the bye is the result screen's to hear.
        if (s.end == RollbackEnd::over) break;
        EndSession(s, m.bye.reason == 1 ? RollbackEnd::outOfStep : RollbackEnd::peerLost);
        return;
    default: break;
    }
    Hold(s, m);
}

}  // namespace

void EndSession(RollbackSession& s, RollbackEnd why) {
    if (s.end != RollbackEnd::none) return;
    s.end = why;
    if (why == RollbackEnd::badPeer) {
        s.link->Drop();
        return;
    }
    if (why == RollbackEnd::outOfStep) {
        NetMessage bye;
        bye.kind = NetKind::bye;
        bye.bye.reason = 1;
        Send(s, bye, true);
    }
}

void ReadPeer(RollbackSession& s, int32_t& firstWrong) {
    s.link->Service();
    uint8_t bytes[netMessageMax];
    size_t size = 0;
    while ((s.end == RollbackEnd::none || s.end == RollbackEnd::over) && s.link->Receive(bytes, size)) {
        NetMessage m;
        if (!DecodeNetMessage(bytes, size, m)) {
            EndSession(s, RollbackEnd::badPeer);
            return;
        }
        // After the end only what the screens want is kept.
        if (s.end == RollbackEnd::over && (m.kind == NetKind::inputs || m.kind == NetKind::checksum)) continue;
        Take(s, m, firstWrong);
    }
    if (s.end == RollbackEnd::none && s.link->State() != LinkState::connected) EndSession(s, RollbackEnd::peerLost);
}

void SendInputs(RollbackSession& s, bool reliable) {
    NetMessage m;
    m.kind = NetKind::inputs;
    InputsMessage& in = m.inputs;
    // Everything the peer lacks, oldest first; when he has it all, the
    // newest again, so that the acknowledgement and the step still go.
    int32_t first = s.peerAck;
    if (first >= s.localNext) first = s.localNext - 1;
    if (first < 0) return;
    const int32_t count = std::min(netInputsMax, s.localNext - first);
    in.firstStep = static_cast<uint32_t>(first);
    in.count = static_cast<uint8_t>(count);
    for (int i = 0; i < count; ++i) in.bits[i] = s.localBits[InputSlot(first + i)];
    in.ackStep = static_cast<uint32_t>(s.remoteNext);
    in.presentStep = static_cast<uint32_t>(s.present);
    Send(s, m, reliable);
}

void ShareChecksum(RollbackSession& s, int32_t steps, uint64_t sum) {
    s.ownSums[steps / checksumEvery % pendingSumsMax] = StepSum{steps, sum};
    NetMessage m;
    m.kind = NetKind::checksum;
    m.checksum.step = static_cast<uint32_t>(steps);
    m.checksum.sum = sum;
    Send(s, m, true);
    Compare(s, steps);
}
