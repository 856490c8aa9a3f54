#include <cstdio>

#include "content/game_texts.h"
#include "match/match_begin.h"
#include "match/match_setup.h"
#include "match/match_state.h"
#include "match/match_step.h"
#include "match/result_screen.h"
#include "netlink/net_game.h"
#include "netplay/online_figures.h"
#include "netplay/online_flow.h"
#include "netplay/online_input.h"
#include "netplay/online_setup.h"
#include "netplay/online_start.h"
#include "netplay/rematch_vote.h"
#include "netplay/rollback.h"
#include "options/options_file.h"
#include "platform/blit.h"
#include "platform/clock.h"
#include "platform/keys.h"
#include "platform/present.h"
#include "platform/surface.h"
#include "platform/text.h"
#include "replay/replay_recorder.h"
#include "shell/game_loop.h"
#include "shell/game_mode.h"
#include "shell/key_guide.h"
#include "shell/menu_assets.h"
#include "shell/menu_input.h"
#include "shell/scene.h"

// The match of online versus: the start record from the host, the match over
// the rollback session, then the result and the rematch question, which each
// player answers on his own machine.

namespace {

RematchVote vote;
// The host's record when it came before this side entered the match. It
// comes at most a closing wipe early: one kept longer ago belongs to a
// session that ended before its match began.
constexpr uint32_t earlyStartMs = 5000;
MatchStart earlyStart{};
bool earlyStartKept = false;
uint32_t earlyStartAt = 0;
// The guide over play: F1 opens and closes it, the match runs on under it.
// F1 opens and closes it; the back key and Escape close it as they close
// the guide everywhere, and an Escape that closed it does not also leave.
bool guideShown = false;
bool guideKeyHeld = false;
bool closeKeyHeld = false;
bool escapeSpent = false;
// Where the figures of the match being played count from.
uint64_t sentAtStart = 0;
uint64_t receivedAtStart = 0;
uint32_t startedAt = 0;

void OnlineMatchScene();
void OnlineResultScene();
void WaitForStartScene();

// Every way out of an online match goes through here, so that no hook of
// ours is left on the result screen of a match played alone.
void LeaveOnlineMatch(const char* message) {
    retryVote = RetryVote{};
    LeaveOnline(message);
}

// NextOnlineMessage leaves online play by itself when the link is gone.
bool StillOnline() {
    if (onlineSide >= 0) return true;
    retryVote = RetryVote{};
    return false;
}

// Paced as the match is: one pass every 20 ms does anything.
bool StepDue() {
    const uint32_t now = TimeGetTime();
    if (now - matchPaceMark < matchStepMs) return false;
    matchPaceMark = now;
    return true;
}

void TellFigures(RollbackEnd end) {
    OnlineTraffic traffic;
    traffic.bytesSent = netGameLink.BytesSent() - sentAtStart;
    traffic.bytesReceived = netGameLink.BytesReceived() - receivedAtStart;
    traffic.ms = TimeGetTime() - startedAt;
    traffic.steps = matchStep;
    char line[256];
    FormatOnlineFigures(line, sizeof line, RollbackStats(netRollback), traffic, end);
    std::fprintf(stderr, "%s\n", line);
}

void ServiceLink() { netGameLink.Service(); }

void BeginOnlineMatch(const MatchStart& start) {
    vote = RematchVote{};
    guideShown = false;
    guideKeyHeld = true;  // an F1 held over from before opens nothing
    closeKeyHeld = true;
    escapeSpent = false;
    sentAtStart = netGameLink.BytesSent();
    receivedAtStart = netGameLink.BytesReceived();
    // The countdown holds the main loop; the link is kept going under it,
    // the messages that come waiting for the session.
    modalLoopChore = ServiceLink;
    BeginRollback(netRollback, start, onlineSide, netGameLink);
    modalLoopChore = nullptr;
    startedAt = TimeGetTime();
    // The first step runs at once.
    matchPaceMark = TimeGetTime() - matchStepMs;
    currentScene = OnlineMatchScene;
}

// The host starts at once; the joiner waits for the host's record.
void StartOnlineMatch() {
    gameMode = versusMode;
    twoPlayers = 1;
    PrepareMatchScreen();
    if (onlineSide != 0) {
        matchPaceMark = TimeGetTime() - matchStepMs;
        currentScene = WaitForStartScene;
        return;
    }
    NetMessage message;
    message.kind = NetKind::start;
    message.start.start = HostMatchStart(FreshMatchSeed());
    SendOnline(message);
    BeginOnlineMatch(message.start.start);
}

// The board's backdrop with one line in a box, over the middle of the screen.
void DrawWaiting(const char* text) {
    Blit(&backBuffer, 0, 0, tileSurface, opaqueCopy, 0, 0, screenWidth, screenHeight);
    BeginPanelText(matchFontBig);
    RoundRect(129, 209, 509, 269, 10, 10);
    DrawTextInRect(text, textCenter, 135, 219, 505, 259);
    EndText();
}

void WaitForStartScene() {
    if (!StepDue()) return;
    if (KeyHeld(vkEscape)) {
        LeaveOnlineMatch(nullptr);
        return;
    }
    if (earlyStartKept && TimeGetTime() - earlyStartAt > earlyStartMs) earlyStartKept = false;
    NetMessage message;
    while (!earlyStartKept && NextOnlineMessage(message)) {
        if (message.kind == NetKind::start) KeepEarlyStart(message.start.start);
    }
    if (earlyStartKept) {
        earlyStartKept = false;
        // Online is versus, whatever the host's record said.
        earlyStart.mode = versusMode;
        BeginOnlineMatch(earlyStart);
        return;
    }
    if (!StillOnline()) return;
    DrawWaiting(Tr(TextName::OnlineMatchWaiting));
    Present();
}

void GuideKeys() {
    const bool toggle = KeyHeld(menuKeys.guide);
    const bool close = KeyHeld(vkEscape) || KeyHeld(menuKeys.back);
    if (toggle && !guideKeyHeld) {
        guideShown = !guideShown;
    } else if (close && !closeKeyHeld && guideShown) {
        guideShown = false;
        escapeSpent = KeyHeld(vkEscape);
    }
    if (!KeyHeld(vkEscape)) escapeSpent = false;
    guideKeyHeld = toggle;
    closeKeyHeld = close;
}

// Escape leaves online play, unless it is closing the guide.
bool LeaveAsked() { return KeyHeld(vkEscape) && !guideShown && !escapeSpent; }

// The rematch question's say for the other machine.
void CastVote(int8_t answer) {
    vote.own = answer;
    NetMessage message;
    message.kind = NetKind::rematch;
    message.rematch.yes = answer == 0 ? 1 : 0;
    SendOnline(message);
}

int8_t Outcome() { return VoteOutcome(vote); }

void FollowVote(int8_t outcome) {
    retryVote = RetryVote{};
    if (outcome == 0) {
        // A rematch: the music goes on, the sheets are made again.
        EmptySlot(mainSheet);
        StartOnlineMatch();
        return;
    }
    LeaveOnlineMatch(vote.own == 1 ? nullptr : Tr(TextName::OnlineMatchPeerEnded));
}

void TakeAnswer(const NetMessage& message) {
    if (message.kind == NetKind::rematch) vote.peer = message.rematch.yes != 0 ? 0 : 1;
}

// The peer's answer, once: what he sends after it (his bye when he said no,
// the next start record when both said yes) is for the scene that follows.
void ReadAnswers() {
    NetMessage message;
    while (vote.peer < 0 && TakeHeldMessage(netRollback, message)) TakeAnswer(message);
    while (vote.peer < 0 && NextOnlineMessage(message)) TakeAnswer(message);
    // The link goes on meanwhile: this side's answer goes out, and the peer,
    // whose messages are not acknowledged otherwise, does not give up on it.
    if (vote.peer >= 0) netGameLink.Service();
}

void OnlineResultScene() {
    if (!StepDue()) return;
    if (KeyHeld(vkEscape)) {
        LeaveOnlineMatch(nullptr);
        return;
    }
    ReadAnswers();
    if (!StillOnline()) return;
    MatchStep(MatchInput{});
    ResultScreenStep(1);
    Present();
}

void MatchEnded(RollbackEnd end) {
    TellFigures(end);
    switch (end) {
        case RollbackEnd::over:
            retryVote = RetryVote{CastVote, Outcome, FollowVote, 0};
            currentScene = OnlineResultScene;
            return;
        case RollbackEnd::outOfStep:
            // The session has saved what both sides confirmed, to find the
            // rule that parted them.
            SayByeOnline(1);
            LeaveOnlineMatch(Tr(TextName::OnlineMatchOutOfStep));
            return;
        case RollbackEnd::peerLost:
        case RollbackEnd::badPeer:
        case RollbackEnd::none:
            break;
    }
    LeaveOnlineMatch(Tr(TextName::OnlineLinkLost));
}

void OnlineMatchScene() {
    if (!StepDue()) return;
    GuideKeys();
    if (LeaveAsked()) {
        TellFigures(RollbackEnd::none);
        SaveRecordingNow();
        LeaveOnlineMatch(nullptr);
        return;
    }
    RollbackFrame(netRollback, OnlineMatchBits());
    const RollbackEnd end = RollbackEnded(netRollback);
    if (guideShown) DrawKeyGuide(onlineMatchGuide);
    Present();
    if (end != RollbackEnd::none) MatchEnded(end);
}

}  // namespace

void KeepEarlyStart(const MatchStart& start) {
    earlyStart = start;
    earlyStartKept = true;
    earlyStartAt = TimeGetTime();
}

void OnlineMatchEnterScene() {
    // The player's own settings (sound, backdrop, panel shape) as saved;
    // the menu's music and sheets make way for the match's.
    ReadOptionsFile();
    ReleaseMenuAssets();
    StartOnlineMatch();
}
