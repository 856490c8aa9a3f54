#include <enet/enet.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstring>
#include <string>

#include "netlink/lan_datagrams.h"
#include "netlink/lan_answer.h"
#include "netlink/lan_search.h"
#include "netlink/link_pair.h"

namespace {

std::string HostName() {
    char name[256] = {};
    gethostname(name, sizeof name - 1);
    return std::string(name).substr(0, 31);
}

TEST(LanSearchTest, AHostOnThisMachineIsFoundThroughTheLoopback) {
    // The search port is one the system picks, so a game hosted on this
    // machine meanwhile does not answer the test.
    ASSERT_TRUE(EnetReady());
    LanAnswerer probe;
    ASSERT_TRUE(OpenLanAnswerer(probe, 0, 1));
    const uint16_t searchPort = LanAnswererPort(probe);
    CloseLanAnswerer(probe);
    EnetLink hosting;
    ASSERT_TRUE(hosting.Host(0, searchPort));
    LanSearch search;
    ASSERT_TRUE(OpenLanSearch(search, searchPort, false));
    LanGame found[4];
    int count = 0;
    uint32_t now = 0;
    PumpUntil(
        [&] {
            ServiceLanSearch(search, now += 1);
            count = LanSearchGames(search, found, 4);
            return count > 0;
        },
        {&hosting});
    CloseLanSearch(search);
    ASSERT_EQ(count, 1);
    EXPECT_STREQ(found[0].address, "127.0.0.1");
    EXPECT_EQ(found[0].port, hosting.HostedPort());
    EXPECT_EQ(std::string(found[0].name), HostName());
}

// The game's own hosting answers, and its own search asks, on the search
// port set for the run, not the fixed one.
TEST(LanSearchTest, TheGameHostsAndSearchesOnTheSearchPortSet) {
    const uint16_t before = LanSearchPort();
    const uint16_t port = FreeUdpPort();
    ASSERT_NE(port, 0);
    ASSERT_NE(port, lanSearchPort);
    SetLanSearchPort(port);
    ASSERT_TRUE(HostNetGame(0));
    const uint16_t gamePort = HostedGamePort();
    LanSearch search;
    ASSERT_TRUE(OpenLanSearch(search, port, false));
    StartLanSearch();
    LanGame ours[4], found[lanGamesMax];
    int oursCount = 0, foundCount = 0;
    uint32_t now = 0;
    PumpUntil(
        [&] {
            ServiceLanSearch(search, now += 1);
            oursCount = LanSearchGames(search, ours, 4);
            foundCount = LanGamesFound(found, lanGamesMax);
            return oursCount > 0 && foundCount > 0;
        },
        {&netGameLink});
    CloseLanSearch(search);
    StopLanSearch();
    CloseNetGame();
    SetLanSearchPort(before);
    ASSERT_EQ(oursCount, 1);
    EXPECT_EQ(ours[0].port, gamePort);
    bool listed = false;
    for (int k = 0; k < foundCount; ++k) listed = listed || found[k].port == gamePort;
    EXPECT_TRUE(listed);
}

// A hosting game answers a search, and only a search, with its own port and
// name; anything else sent to its search port gets nothing back.
TEST(LanSearchTest, AHostAnswersOnlyTheSearch) {
    ASSERT_TRUE(EnetReady());
    LanAnswerer answerer;
    ASSERT_TRUE(OpenLanAnswerer(answerer, 0, 41733));
    ENetSocket asker = enet_socket_create(ENET_SOCKET_TYPE_DATAGRAM);
    enet_socket_set_option(asker, ENET_SOCKOPT_NONBLOCK, 1);
    ENetAddress to{};
    enet_address_set_host_ip(&to, "127.0.0.1");
    to.port = LanAnswererPort(answerer);
    auto ask = [&](const uint8_t* bytes, size_t size) {
        ENetBuffer buffer{const_cast<uint8_t*>(bytes), size};
        enet_socket_send(asker, &to, &buffer, 1);
        std::vector<std::vector<uint8_t>> answers;
        for (int i = 0; i < 100; ++i) {
            ServiceLanAnswerer(answerer);
            uint8_t reply[256];
            ENetBuffer in{reply, sizeof reply};
            ENetAddress from{};
            const int got = enet_socket_receive(asker, &from, &in, 1);
            if (got > 0) answers.emplace_back(reply, reply + got);
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        return answers;
    };
    uint8_t search[lanSearchBytes];
    WriteLanSearch(search);
    uint8_t wrong[lanSearchBytes];
    std::memcpy(wrong, search, sizeof wrong);
    wrong[4] = 9;  // another protocol
    const uint8_t junk[3] = {1, 2, 3};
    EXPECT_TRUE(ask(wrong, sizeof wrong).empty());
    EXPECT_TRUE(ask(junk, sizeof junk).empty());
    const auto answers = ask(search, sizeof search);
    ASSERT_EQ(answers.size(), 1u);
    LanAnswer answer;
    ASSERT_TRUE(ReadLanAnswer(answers[0].data(), answers[0].size(), answer));
    EXPECT_EQ(answer.port, 41733);
    EXPECT_EQ(std::string(answer.name), HostName());
    enet_socket_destroy(asker);
    CloseLanAnswerer(answerer);
}

std::vector<uint8_t> Answer(uint16_t port, uint32_t hostId, const char* name) {
    uint8_t bytes[lanAnswerBytes];
    WriteLanAnswer(port, hostId, name, bytes);
    return {bytes, bytes + lanAnswerBytes};
}

// One game heard through the loopback and by broadcast is listed once, at
// the network's address; another game is listed beside it; an answer not
// heard again for a while is forgotten; garbage is never listed.
TEST(LanSearchTest, TheListKeepsEachGameOnceWhileItAnswers) {
    LanSearch search;
    const auto first = Answer(41730, 11, "alpha");
    const auto second = Answer(41740, 22, "beta");
    HeardLanAnswer(search, first.data(), first.size(), "127.0.0.1", 100);
    HeardLanAnswer(search, first.data(), first.size(), "192.168.1.20", 150);
    HeardLanAnswer(search, first.data(), first.size(), "127.0.0.1", 200);
    HeardLanAnswer(search, second.data(), second.size(), "192.168.1.30", 1000);
    const uint8_t garbage[lanAnswerBytes] = {'S', 'L', 'N', 'A'};
    HeardLanAnswer(search, garbage, sizeof garbage, "192.168.1.40", 1000);
    LanGame games[4];
    ASSERT_EQ(LanSearchGames(search, games, 4), 2);
    EXPECT_STREQ(games[0].address, "192.168.1.20");
    EXPECT_EQ(games[0].port, 41730);
    EXPECT_STREQ(games[0].name, "alpha");
    EXPECT_STREQ(games[1].address, "192.168.1.30");
    EXPECT_EQ(LanSearchGames(search, games, 1), 1);
    // The first was last heard at 200: a service just past the limit forgets
    // it and keeps the second (no socket: nothing is sent or read).
    ServiceLanSearch(search, 200 + lanAnswerKeptMs);
    EXPECT_EQ(LanSearchGames(search, games, 4), 2);
    ServiceLanSearch(search, 200 + lanAnswerKeptMs + 1);
    ASSERT_EQ(LanSearchGames(search, games, 4), 1);
    EXPECT_STREQ(games[0].name, "beta");
}

TEST(LocalAddressesTest, TheLoopbackComesLast) {
    char addresses[8][48] = {};
    const int count = LocalAddresses(addresses, 8);
    ASSERT_GE(count, 1);
    EXPECT_STREQ(addresses[count - 1], "127.0.0.1");
    for (int i = 0; i + 1 < count; ++i) EXPECT_STRNE(addresses[i], "127.0.0.1");
    EXPECT_EQ(LocalAddresses(addresses, 0), 0);
}

}  // namespace
