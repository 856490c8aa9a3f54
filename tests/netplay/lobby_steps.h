#pragma once
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <thread>

#include "harness/harness.h"
#include "netlink/enet_link.h"
#include "netplay/net_handshake.h"
#include "netplay/net_lobby.h"
#include "netplay/net_messages.h"
#include "platform/language.h"
#include "setup/setup_steps.h"
#include "shell/scene_links.h"

// The hosting and joining screens driven through the harness, with the
// other game played by a link of the test's own on 127.0.0.1.
namespace lobbySteps {

using frontendSteps::At;

// Passes of the game, with a little real time for the network between
// them; bounded.
inline bool RunUntilLinked(const std::function<bool()>& done, NetLink* other = nullptr, int rounds = 3000) {
    for (int i = 0; i < rounds; ++i) {
        if (other != nullptr) other->Service();
        if (done()) return true;
        if (!harness::Pass()) return done();
        std::this_thread::sleep_for(std::chrono::microseconds(500));
    }
    return done();
}

// From boot through the menu to the question's lower row, hosting (column
// 0) or joining (column 1) under the cursor, the game speaking language.
inline bool BootToOnlineRow(int column, Language language = Language::japanese) {
    if (!frontendSteps::BootToMenu()) return false;
    SetLanguage(language);
    LinkOnlineScreens();
    netLobby.hostPort = 0;
    if (!setupSteps::MenuToQuestion()) return false;
    setupSteps::Step('B');
    if (column == 1) setupSteps::Step('H');
    return true;
}

// On to the hosting or joining screen; the hosting listens on a port the
// system picks, so tests never meet a game of the machine's.
inline bool BootToLobby(int column, Language language = Language::japanese) {
    if (!BootToOnlineRow(column, language)) return false;
    harness::Tap('X');
    if (!harness::RunUntil([] { return !At(OpponentQuestionScene); }, 50)) return false;
    harness::RunFrames(3);
    return true;
}

inline bool SendMessage(NetLink& link, const NetMessage& message) {
    uint8_t bytes[netMessageMax];
    const size_t size = EncodeNetMessage(message, bytes, sizeof bytes);
    return size > 0 && link.Send(bytes, size, true);
}

// The next message the other game took in, decoded.
inline bool TakeMessage(NetLink& link, NetMessage& message) {
    uint8_t bytes[netMessageMax];
    size_t size = 0;
    return link.Receive(bytes, size) && DecodeNetMessage(bytes, size, message);
}

inline NetMessage HelloOf(const char* version, const char* build) {
    NetMessage hello;
    hello.kind = NetKind::hello;
    hello.hello = BuildHello();
    std::snprintf(hello.hello.version, sizeof hello.hello.version, "%s", version);
    std::snprintf(hello.hello.build, sizeof hello.hello.build, "%s", build);
    return hello;
}

}  // namespace lobbySteps
