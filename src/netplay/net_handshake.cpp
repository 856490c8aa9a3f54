#include "netplay/net_handshake.h"

#include <cstdio>
#include <cstring>

#include "content/game_texts.h"
#include "netlink/net_game.h"
#include "netplay/online_flow.h"
#include "platform/clock.h"
#include "shell/scene.h"

#ifndef SUMLINE_VERSION
#define SUMLINE_VERSION "0"
#endif

#define SUMLINE_TEXT(x) #x
#define SUMLINE_NUMBER(x) SUMLINE_TEXT(x)

namespace {

#if defined(__clang__)
constexpr const char* compilerText =
    "clang " SUMLINE_NUMBER(__clang_major__) "." SUMLINE_NUMBER(__clang_minor__) "." SUMLINE_NUMBER(__clang_patchlevel__);
#elif defined(__GNUC__)
constexpr const char* compilerText =
    "gcc " SUMLINE_NUMBER(__GNUC__) "." SUMLINE_NUMBER(__GNUC_MINOR__) "." SUMLINE_NUMBER(__GNUC_PATCHLEVEL__);
#else
constexpr const char* compilerText = "cc";
#endif

#if defined(__x86_64__)
constexpr const char* architectureText = "x86_64";
#elif defined(__aarch64__)
constexpr const char* architectureText = "aarch64";
#elif defined(__i386__)
constexpr const char* architectureText = "i386";
#else
constexpr const char* architectureText = "other";
#endif

// Loose floating point gives other results from the same source.
#if defined(__FAST_MATH__)
constexpr const char* mathText = " fm";
#else
constexpr const char* mathText = "";
#endif

struct Handshake {
    int8_t side = -1;
    int8_t helloSeen = 0;
    uint32_t mark = 0;
};
Handshake handshake;

}  // namespace

HelloMessage BuildHello() {
    HelloMessage hello;
    hello.protocol = netProtocolVersion;
    std::snprintf(hello.version, sizeof hello.version, "%s", SUMLINE_VERSION);
    std::snprintf(hello.build, sizeof hello.build, "%s %s%s", compilerText, architectureText, mathText);
    return hello;
}

HelloMessage ownHello = BuildHello();

bool HellosAgree(const HelloMessage& ours, const HelloMessage& theirs, char* reason, size_t size) {
    if (std::strcmp(ours.version, theirs.version) != 0) {
        std::snprintf(reason, size, Tr(TextName::OnlineHandshakeOtherVersion), ours.version, theirs.version);
        return false;
    }
    // The same version speaks the same protocol unless one was changed by
    // hand: say so in the same words, with the protocol numbers.
    if (ours.protocol != theirs.protocol) {
        std::snprintf(reason, size, Tr(TextName::OnlineHandshakeOtherProtocol), unsigned{ours.protocol},
                      unsigned{theirs.protocol});
        return false;
    }
    if (std::strcmp(ours.build, theirs.build) != 0) {
        std::snprintf(reason, size, Tr(TextName::OnlineHandshakeOtherBuild), ours.version, ours.build, theirs.build);
        return false;
    }
    if (size > 0) reason[0] = '\0';
    return true;
}

void BeginHandshake(int8_t side) {
    handshake = Handshake{};
    handshake.side = side;
    handshake.mark = TimeGetTime();
    NetMessage hello;
    hello.kind = NetKind::hello;
    hello.hello = ownHello;
    SendOnline(hello);
}

HandshakeState HandshakeFrame() {
    NetMessage message;
    while (NextOnlineMessage(message)) {
        if (message.kind != NetKind::hello) {
            // Not a game that knows how to begin: not spoken to again.
            netGameLink.Drop();
            LeaveOnline(Tr(TextName::OnlineHandshakeBadAnswer));
            return HandshakeState::left;
        }
        char reason[160];
        if (!HellosAgree(ownHello, message.hello, reason, sizeof reason)) {
            SayByeOnline(2);
            LeaveOnline(reason);
            return HandshakeState::left;
        }
        onlineSide = handshake.side;
        return HandshakeState::agreed;
    }
    // NextOnlineMessage left online play (and closed the link) when it went.
    if (netGameLink.State() != LinkState::connected) return HandshakeState::left;
    if (TimeGetTime() - handshake.mark >= handshakeMs) {
        netGameLink.Drop();
        LeaveOnline(Tr(TextName::OnlineHandshakeNoAnswer));
        return HandshakeState::left;
    }
    return HandshakeState::waiting;
}

bool HandshakeLeftTheScreen() {
    const HandshakeState state = HandshakeFrame();
    if (state == HandshakeState::agreed) currentScene = OnlineSetupEnterScene;
    return state != HandshakeState::waiting;
}
