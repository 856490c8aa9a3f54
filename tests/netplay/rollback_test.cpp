#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "netplay/rollback_talk.h"
#include "platform/surface.h"
#include "replay/replay_folder.h"
#include "replay/replay_recorder.h"
#include "replay/replay_verify.h"
#include "netplay/two_sessions.h"

namespace {

using twoSessions::confirmedSums;
using twoSessions::Game;
using twoSessions::Weather;

// Both sides saw the same state after every step both confirmed.
void ExpectSameConfirmedSteps(const char* what) {
    const size_t common = std::min(confirmedSums[0].size(), confirmedSums[1].size());
    for (size_t i = 0; i < common; ++i) ASSERT_EQ(confirmedSums[0][i], confirmedSums[1][i]) << what << " step " << i;
}

// Many matches over links from a wire to a poor line abroad: at the end both
// sides are in the same state at the same step, no checksum ever differed,
// and no rollback went further back than the window.
TEST(Rollback, TwoSidesPlayTheSameMatchOverAnyLink) {
    struct Case {
        const char* what;
        Weather weather;
        int late;  // frames the joiner starts after the host
    };
    const Case cases[] = {
        {"a wire", {0, 0, 0, 0, 0}, 0},
        {"a wire, the joiner late", {0, 0, 0, 0, 0}, 7},
        {"60 ms", {60, 5, 0, 0, 0}, 0},
        {"60 ms with jitter and loss", {60, 20, 30, 10, 20}, 3},
        {"150 ms with jitter and loss", {150, 30, 30, 10, 20}, 5},
        {"200 ms, a bad line", {200, 40, 100, 50, 50}, 0},
    };
    constexpr int matchesPerCase = 6;
    constexpr int frames = 2500;
    int64_t rollbacks = 0, compared = 0, ended = 0;
    for (const Case& c : cases) {
        for (int m = 0; m < matchesPerCase; ++m) {
            SCOPED_TRACE(c.what);
            SCOPED_TRACE(m);
            Game game(static_cast<uint32_t>(1000 + m * 31), c.weather, c.late);
            game.Play(frames);
            for (int s = 0; s < 2; ++s) {
                const RollbackEnd end = RollbackEnded(game[s]);
                ASSERT_TRUE(end == RollbackEnd::none || end == RollbackEnd::over) << static_cast<int>(end);
                const RollbackFigures& f = RollbackStats(game[s]);
                EXPECT_LE(f.deepest, rollbackWindow);
                rollbacks += f.rollbacks;
                compared += static_cast<int64_t>(f.checksumsCompared);
            }
            EXPECT_EQ(RollbackEnded(game[0]), RollbackEnded(game[1]));
            ended += RollbackEnded(game[0]) == RollbackEnd::over;
            // The sides confirmed much the same steps and agree on each.
            EXPECT_GT(confirmedSums[0].size(), 200u);
            ExpectSameConfirmedSteps(c.what);
            if (RollbackEnded(game[0]) == RollbackEnd::over) {
                EXPECT_EQ(game[0].endStep, game[1].endStep);
                EXPECT_EQ(confirmedSums[0].size(), confirmedSums[1].size());
            }
        }
    }
    // The cases really rolled back, compared checksums and finished matches.
    EXPECT_GT(rollbacks, 1000);
    EXPECT_GT(compared, 500);
    EXPECT_GT(ended, 5);
    std::printf("%lld rollbacks, %lld checksums compared, %lld matches over\n", static_cast<long long>(rollbacks),
                static_cast<long long>(compared), static_cast<long long>(ended));
}

TEST(Rollback, ACorruptedStateEndsOutOfStepOnBothSides) {
    Game game(42, Weather{60, 10, 20, 0, 0});
    StartRecordingMatches();
    twoSessions::alsoSeen[0] = matchStepSeen;
    matchStepSeen = twoSessions::SeeConfirmedStep;
    game.Play(300);
    ASSERT_EQ(RollbackEnded(game[0]), RollbackEnd::none);
    ASSERT_TRUE(RecordingMatch());
    // A value of the joiner's match changes behind the rules' back.
    game[1].live.players[0].score += 10;
    game.Play(400);
    EXPECT_EQ(RollbackEnded(game[0]), RollbackEnd::outOfStep);
    EXPECT_EQ(RollbackEnded(game[1]), RollbackEnd::outOfStep);
    // The host's replay is saved as far as it goes, for looking into, and
    // plays back to its own checkpoints.
    EXPECT_FALSE(RecordingMatch());
    EXPECT_EQ(ListReplays().size(), 1u);
    EXPECT_EQ(matchRecording.steps, game[0].recordedNext);
    ReplayVerdict verdict;
    EXPECT_TRUE(VerifyReplay(matchRecording, verdict)) << verdict.failedStep;
}

TEST(Rollback, GarbageEndsBadPeerAndTheOtherSideLosesThePeer) {
    Game game(43, Weather{60, 10, 0, 0, 0});
    game.Play(100);
    const uint8_t garbage[] = {5, 1, 2, 3};
    game.link->Inject(0, garbage, sizeof garbage);
    game.Frame();
    EXPECT_EQ(RollbackEnded(game[0]), RollbackEnd::badPeer);
    game.Frame();
    EXPECT_EQ(RollbackEnded(game[1]), RollbackEnd::peerLost);
}

// Inputs no honest peer could send: steps far past what it can have run,
// an acknowledgement of inputs never sent, a step's input changed once sent.
TEST(Rollback, InputsNoPeerCouldSendEndBadPeer) {
    struct Case {
        const char* what;
        uint32_t firstStep;
        uint32_t ackStep;
        uint32_t presentStep;
        uint16_t changed;  // bits that differ from what the peer sent for the step
    };
    const Case cases[] = {
        {"inputs far ahead", 5000, 0, 0, 0},
        {"present far ahead", 0, 0, 5000, 0},
        {"acknowledges the future", 0, 5000, 0, 0},
        {"changes a confirmed step", 3, 0, 0, inputSwap},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Game game(44, Weather{0, 0, 0, 0, 0});
        game.Play(30);
        ASSERT_EQ(RollbackEnded(game[0]), RollbackEnd::none);
        ASSERT_GT(game[0].remoteNext, 3);
        NetMessage m;
        m.kind = NetKind::inputs;
        m.inputs.firstStep = c.firstStep;
        m.inputs.count = 1;
        m.inputs.bits[0] = static_cast<uint16_t>(c.changed ^ game[0].remoteBits[InputSlot(static_cast<int32_t>(c.firstStep % 100))]);
        m.inputs.ackStep = c.ackStep;
        m.inputs.presentStep = c.presentStep;
        uint8_t bytes[64];
        const size_t size = EncodeNetMessage(m, bytes, sizeof bytes);
        game.link->Inject(0, bytes, size);
        game.Frame();
        EXPECT_EQ(RollbackEnded(game[0]), RollbackEnd::badPeer);
    }
}

TEST(Rollback, AByeOrALostLinkEndsPeerLost) {
    {
        Game game(45, Weather{60, 0, 0, 0, 0});
        game.Play(100);
        NetMessage bye;
        bye.kind = NetKind::bye;
        uint8_t bytes[8];
        game.link->Inject(1, bytes, EncodeNetMessage(bye, bytes, sizeof bytes));
        game.Frame();
        EXPECT_EQ(RollbackEnded(game[1]), RollbackEnd::peerLost);
    }
    {
        Game game(46, Weather{60, 0, 0, 0, 0});
        game.Play(100);
        game.link->Cut();
        game.Frame();
        EXPECT_EQ(RollbackEnded(game[0]), RollbackEnd::peerLost);
        EXPECT_EQ(RollbackEnded(game[1]), RollbackEnd::peerLost);
    }
}

// The messages the screens want (the rematch answer may come early) wait
// for them, oldest first; inputs and checksums are the session's own.
TEST(Rollback, OtherMessagesAreHeldForTheScreensInOrder) {
    Game game(47, Weather{0, 0, 0, 0, 0});
    game.Play(50);
    for (int8_t yes : {int8_t{1}, int8_t{0}}) {
        NetMessage m;
        m.kind = NetKind::rematch;
        m.rematch.yes = yes;
        uint8_t bytes[8];
        game.link->Inject(0, bytes, EncodeNetMessage(m, bytes, sizeof bytes));
    }
    game.Frame();
    NetMessage m;
    ASSERT_TRUE(TakeHeldMessage(game[0], m));
    EXPECT_EQ(m.kind, NetKind::rematch);
    EXPECT_EQ(m.rematch.yes, 1);
    ASSERT_TRUE(TakeHeldMessage(game[0], m));
    EXPECT_EQ(m.rematch.yes, 0);
    EXPECT_FALSE(TakeHeldMessage(game[0], m));
    EXPECT_FALSE(TakeHeldMessage(game[1], m));
}

// The peer's pause and leave never reach the match: one player cannot stop
// the other.
TEST(Rollback, ThePeersPauseAndLeaveAreMasked) {
    Game game(48, Weather{0, 0, 0, 0, 0});
    for (int i = 0; i < 200; ++i) {
        twoSessions::watching = 0;
        RollbackFrame(game[0], 0);
        twoSessions::watching = 1;
        RollbackFrame(game[1], inputPause | inputLeave | inputRight);
        game.link->Advance(matchStepMs);
    }
    EXPECT_EQ(RollbackEnded(game[0]), RollbackEnd::none);
    EXPECT_EQ(game[0].remoteBits[InputSlot(150)], inputRight);
    EXPECT_EQ(game[1].localBits[InputSlot(150)], inputRight);
    RestoreMatchSnapshot(game[0].live);
    EXPECT_EQ(players[1].paused, 0);
    EXPECT_EQ(players[0].paused, 0);
}

// The input delay follows the round trip, but only once it has held for a
// while, and never beyond three steps.
TEST(Rollback, InputDelayFollowsTheRoundTripOnceItHolds) {
    struct Case {
        uint32_t roundTripMs;
        int32_t delay;
    };
    const Case cases[] = {{0, 0}, {20, 0}, {40, 1}, {60, 1}, {100, 2}, {150, 3}, {400, 3}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.roundTripMs);
        Game game(49, Weather{c.roundTripMs, 0, 0, 0, 0});
        game.Play(20);
        EXPECT_EQ(RollbackStats(game[0]).inputDelay, 0);
        game.Play(200);
        EXPECT_EQ(RollbackStats(game[0]).inputDelay, c.delay);
        EXPECT_EQ(RollbackStats(game[1]).inputDelay, c.delay);
    }
}

// A round trip that wanders about the edge between two delays (80 ms with
// jitter) settles on one of them rather than changing with every datagram.
TEST(Rollback, InputDelayDoesNotFlapOnAWanderingRoundTrip) {
    Game game(62, Weather{80, 25, 0, 0, 0});
    int changes = 0;
    int32_t last = RollbackStats(game[0]).inputDelay;
    for (int i = 0; i < 1500 && game.Running(); ++i) {
        game.Frame();
        const int32_t delay = RollbackStats(game[0]).inputDelay;
        changes += delay != last;
        last = delay;
    }
    EXPECT_GE(last, 1);
    EXPECT_LE(changes, 2);
}

// A side that starts late is caught up: the host waits now and then, and
// the two run within a couple of steps of each other.
TEST(Rollback, TheSideAheadWaitsUntilBothRunTogether) {
    Game game(50, Weather{60, 0, 0, 0, 0}, 10);
    game.Play(300);
    EXPECT_GT(RollbackStats(game[0]).waits, 3);
    EXPECT_LE(std::abs(game[0].present - game[1].present), 2);
}

// An end reached on guesses of the peer's keys is no end yet: the side
// stops on that step and waits, says over only when the peer's real keys
// confirm it, and a wrong guess puts the match back in play.
TEST(Rollback, AnEndOnGuessesCountsOnlyOnceThePeersKeysConfirmIt) {
    struct Case {
        const char* what;
        uint32_t seed;
        int32_t early;      // the joiner stops this many steps before the real end
        bool guessedEnd;    // whether the host's guesses end the match first
    };
    const Case cases[] = {
        {"the guesses end the match later than the real keys", 52, 3, true},
        {"the guesses miss the end", 51, 5, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        // The match over a wire, once through, for the step it ends on.
        int32_t realEnd = -1;
        {
            Game game(c.seed, Weather{0, 0, 0, 0, 0});
            game.Play(6000);
            ASSERT_EQ(RollbackEnded(game[0]), RollbackEnd::over);
            realEnd = game[0].endStep;
        }
        // Again, the joiner's frames stopped shortly before the end: the host
        // runs on alone with his keys guessed.
        Game game(c.seed, Weather{0, 0, 0, 0, 0});
        while (game[0].present < realEnd - c.early) game.Frame();
        RollbackSession& host = game[0];
        for (int i = 0; i < 3 * rollbackWindow; ++i) {
            twoSessions::watching = 0;
            RollbackFrame(host, modelledPlay::NextStep(game.hands[0]));
            game.link->Advance(matchStepMs);
        }
        EXPECT_EQ(RollbackEnded(host), RollbackEnd::none);
        ASSERT_EQ(host.endStep >= 0, c.guessedEnd);
        const int32_t guessed = host.endStep;
        if (c.guessedEnd) {
            EXPECT_GE(host.endStep, host.remoteNext);
            // Stopped on the step that ended, though the window had room.
            EXPECT_EQ(host.present, host.endStep + 1);
            EXPECT_LT(host.present, host.remoteNext + rollbackWindow);
        }
        // The joiner comes back (his keys now fall on other steps than in
        // the first run): both end on one step, which his real keys decided.
        game.Play(600);
        EXPECT_EQ(RollbackEnded(game[0]), RollbackEnd::over);
        EXPECT_EQ(RollbackEnded(game[1]), RollbackEnd::over);
        EXPECT_EQ(game[0].endStep, game[1].endStep);
        if (c.guessedEnd) {
            EXPECT_NE(game[0].endStep, guessed);
        }
        ExpectSameConfirmedSteps(c.what);
    }
}

// A frame that finds a wrong guess but has to wait still shows the match as
// the real keys made it, not as the guess left it.
TEST(Rollback, AWaitingFrameThatWentBackDrawsThePresentAnew) {
    Game game(61, Weather{0, 0, 0, 0, 0}, 0, true);
    game.Play(100);
    RollbackSession& host = game[0];
    // The host alone, on guesses, up to the window and just before a frame
    // of waiting.
    for (int i = 0; i < 200 && (host.present - host.remoteNext < rollbackWindow || host.framesSinceWait != 3); ++i) {
        twoSessions::watching = 0;
        RollbackFrame(host, 0);
        game.link->Advance(matchStepMs);
    }
    ASSERT_EQ(host.present - host.remoteNext, rollbackWindow);
    ASSERT_EQ(host.framesSinceWait, 3);
    const std::vector<uint8_t> guessed(backBuffer.pixels, backBuffer.pixels + screenWidth * screenHeight);
    // The joiner's real keys: he pressed right where he was thought idle.
    NetMessage m;
    m.kind = NetKind::inputs;
    m.inputs.firstStep = static_cast<uint32_t>(host.remoteNext);
    m.inputs.count = rollbackWindow;
    for (int i = 0; i < rollbackWindow; ++i)
        m.inputs.bits[i] = static_cast<uint16_t>(host.remoteUsed[InputSlot(host.remoteNext + i)] ^ inputRight);
    m.inputs.ackStep = static_cast<uint32_t>(host.localNext);
    // He is still well behind, so the host waits a frame.
    m.inputs.presentStep = m.inputs.firstStep;
    uint8_t bytes[netMessageMax];
    game.link->Inject(0, bytes, EncodeNetMessage(m, bytes, sizeof bytes));
    const int32_t present = host.present;
    const int64_t waits = RollbackStats(host).waits;
    const int64_t rollbacks = RollbackStats(host).rollbacks;
    twoSessions::watching = 0;
    RollbackFrame(host, 0);
    ASSERT_EQ(RollbackStats(host).rollbacks, rollbacks + 1);
    ASSERT_EQ(RollbackStats(host).waits, waits + 1);
    ASSERT_EQ(host.present, present);
    const std::vector<uint8_t> now(backBuffer.pixels, backBuffer.pixels + screenWidth * screenHeight);
    EXPECT_NE(now, guessed);
}

// Each side's recording holds exactly the confirmed steps, each seen in its
// state after it, whatever was guessed and run again meanwhile: played back
// alone, it meets every checkpoint and ends where the match ended.
TEST(Rollback, EachSidesReplayPlaysBackTheConfirmedMatch) {
    for (int side = 0; side < 2; ++side) {
        SCOPED_TRACE(side);
        Game game(60, Weather{150, 30, 30, 10, 20});
        StartRecordingMatches();
        twoSessions::alsoSeen[side] = matchStepSeen;
        matchStepSeen = twoSessions::SeeConfirmedStep;
        game.Play(6000);
        ASSERT_EQ(RollbackEnded(game[side]), RollbackEnd::over);
        EXPECT_GT(RollbackStats(game[side]).rollbacks, 50);
        EXPECT_FALSE(RecordingMatch());
        EXPECT_EQ(matchRecording.steps, game[side].endStep + 1);
        EXPECT_GT(matchRecording.checkpointCount, 10);
        ReplayVerdict verdict;
        EXPECT_TRUE(VerifyReplay(matchRecording, verdict)) << verdict.failedStep;
        EXPECT_EQ(verdict.steps, game[side].endStep + 1);
    }
}

}  // namespace
