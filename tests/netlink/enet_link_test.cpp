#include <enet/enet.h>
#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <vector>

#include "netlink/link_pair.h"

namespace {

std::vector<uint8_t> Numbered(int number, size_t size) {
    std::vector<uint8_t> bytes(size);
    for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<uint8_t>(number * 7 + i);
    return bytes;
}

// Reads every message waiting on link.
std::vector<std::vector<uint8_t>> Drain(NetLink& link) {
    std::vector<std::vector<uint8_t>> got;
    uint8_t data[netMessageMax];
    size_t size = 0;
    while (link.Receive(data, size)) got.emplace_back(data, data + size);
    return got;
}

TEST(EnetLinkTest, AJoinerReachesAHostOnTheLoopback) {
    EnetLink host, joiner;
    ASSERT_TRUE(host.Host(0, 0));
    EXPECT_EQ(host.State(), LinkState::listening);
    EXPECT_NE(host.HostedPort(), 0);
    ASSERT_TRUE(joiner.Join("127.0.0.1", host.HostedPort()));
    EXPECT_EQ(joiner.State(), LinkState::connecting);
    EXPECT_TRUE(PumpUntil(
        [&] { return host.State() == LinkState::connected && joiner.State() == LinkState::connected; },
        {&host, &joiner}));
}

// Each direction, each channel: every message arrives whole, the reliable
// ones in the order sent, and both ends count the payload bytes alone.
TEST(EnetLinkTest, MessagesCrossBothWaysOnBothChannels) {
    struct Case {
        bool fromHost;
        bool reliable;
    };
    for (const Case c : {Case{true, true}, Case{false, true}, Case{true, false}, Case{false, false}}) {
        SCOPED_TRACE(testing::Message() << "from host " << c.fromHost << " reliable " << c.reliable);
        EnetLink host, joiner;
        ASSERT_TRUE(ConnectPair(host, joiner));
        EnetLink& from = c.fromHost ? host : joiner;
        EnetLink& to = c.fromHost ? joiner : host;
        const uint64_t sentBefore = from.BytesSent();
        constexpr int count = 40;
        uint64_t payload = 0;
        std::vector<std::vector<uint8_t>> sent;
        for (int i = 0; i < count; ++i) {
            sent.push_back(Numbered(i, 1 + static_cast<size_t>(i) * 29));
            payload += sent.back().size();
            ASSERT_TRUE(from.Send(sent.back().data(), sent.back().size(), c.reliable));
        }
        std::vector<std::vector<uint8_t>> got;
        PumpUntil(
            [&] {
                for (auto& message : Drain(to)) got.push_back(message);
                return got.size() >= count;
            },
            {&host, &joiner});
        ASSERT_EQ(got.size(), static_cast<size_t>(count));
        if (c.reliable) {
            EXPECT_EQ(got, sent);
        } else {
            EXPECT_EQ(std::set(got.begin(), got.end()), std::set(sent.begin(), sent.end()));
        }
        EXPECT_EQ(from.BytesSent() - sentBefore, payload);
        EXPECT_EQ(to.BytesReceived(), payload);
        // The datagrams carried every message and ENet's headers besides.
        EXPECT_GT(from.WireBytesSent(), payload + count * 4);
        EXPECT_GT(to.WireBytesReceived(), payload + count * 4);
    }
}

// More messages than the ring holds, sent while nobody reads: none is lost
// or overwritten, and they come out in order once read.
TEST(EnetLinkTest, MessagesBeyondTheRingWaitTheirTurn) {
    EnetLink host, joiner;
    ASSERT_TRUE(ConnectPair(host, joiner));
    constexpr int count = EnetLink::ringSlots * 2 + 5;
    std::vector<std::vector<uint8_t>> sent;
    for (int i = 0; i < count; ++i) {
        sent.push_back(Numbered(i, 16));
        ASSERT_TRUE(host.Send(sent.back().data(), sent.back().size(), true));
    }
    // Serviced long enough for everything to arrive, without reading.
    PumpUntil([] { return false; }, {&host, &joiner}, 200);
    std::vector<std::vector<uint8_t>> got;
    PumpUntil(
        [&] {
            for (auto& message : Drain(joiner)) got.push_back(message);
            return got.size() >= count;
        },
        {&host, &joiner});
    EXPECT_EQ(got, sent);
}

TEST(EnetLinkTest, AMessageLongerThanTheLimitIsRefusedOnSend) {
    EnetLink host, joiner;
    ASSERT_TRUE(ConnectPair(host, joiner));
    const auto tooLong = Numbered(1, netMessageMax + 1);
    const auto longest = Numbered(2, netMessageMax);
    EXPECT_FALSE(host.Send(tooLong.data(), tooLong.size(), true));
    EXPECT_FALSE(host.Send(tooLong.data(), tooLong.size(), false));
    EXPECT_EQ(host.BytesSent(), 0u);
    ASSERT_TRUE(host.Send(longest.data(), longest.size(), true));
    std::vector<std::vector<uint8_t>> got;
    PumpUntil([&] { return !(got = Drain(joiner)).empty(); }, {&host, &joiner});
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0], longest);
}

TEST(EnetLinkTest, NothingGoesBeforeThePeerIsThere) {
    EnetLink host, joiner;
    ASSERT_TRUE(host.Host(0, 0));
    const uint8_t byte = 1;
    EXPECT_FALSE(host.Send(&byte, 1, true));
    ASSERT_TRUE(joiner.Join("127.0.0.1", host.HostedPort()));
    EXPECT_FALSE(joiner.Send(&byte, 1, false));
    EnetLink closed;
    EXPECT_FALSE(closed.Send(&byte, 1, true));
    size_t size = 0;
    uint8_t data[netMessageMax];
    EXPECT_FALSE(closed.Receive(data, size));
}

// A peer of our own making over raw ENet, to send what the game never does.
struct RawPeer {
    ENetHost* host = nullptr;
    ENetPeer* peer = nullptr;
    bool connected = false;
    bool disconnected = false;
    uint32_t disconnectData = 0;
    RawPeer(uint16_t port, uint32_t data) {
        EXPECT_TRUE(EnetReady());
        host = enet_host_create(nullptr, 1, 2, 0, 0);
        ENetAddress address{};
        enet_address_set_host(&address, "127.0.0.1");
        address.port = port;
        peer = enet_host_connect(host, &address, 2, data);
    }
    ~RawPeer() { enet_host_destroy(host); }
    void Service() {
        ENetEvent event;
        while (enet_host_service(host, &event, 0) > 0) {
            if (event.type == ENET_EVENT_TYPE_CONNECT) connected = true;
            if (event.type == ENET_EVENT_TYPE_DISCONNECT) {
                disconnected = true;
                disconnectData = event.data;
            }
            if (event.type == ENET_EVENT_TYPE_RECEIVE) enet_packet_destroy(event.packet);
        }
    }
};

constexpr uint32_t gameMagic = 0x534C4E31u;

TEST(EnetLinkTest, AMessageLongerThanTheLimitIsDroppedOnReceive) {
    EnetLink host;
    ASSERT_TRUE(host.Host(0, 0));
    RawPeer raw(host.HostedPort(), gameMagic);
    ServiceOnly rawLink([&] { raw.Service(); });
    ASSERT_TRUE(PumpUntil([&] { return raw.connected && host.State() == LinkState::connected; }, {&host, &rawLink}));
    const auto tooLong = Numbered(3, netMessageMax + 1);
    const auto fine = Numbered(4, 10);
    enet_peer_send(raw.peer, 0, enet_packet_create(tooLong.data(), tooLong.size(), ENET_PACKET_FLAG_RELIABLE));
    enet_peer_send(raw.peer, 0, enet_packet_create(fine.data(), fine.size(), ENET_PACKET_FLAG_RELIABLE));
    std::vector<std::vector<uint8_t>> got;
    PumpUntil([&] { return !(got = Drain(host)).empty(); }, {&host, &rawLink});
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0], fine);
    EXPECT_EQ(host.State(), LinkState::connected);
}

// The host takes one opponent: a second joiner of the game is told the host
// is busy, a program that is not the game is sent away, and the first
// opponent plays on undisturbed.
TEST(EnetLinkTest, AHostTurnsAwayEveryoneButItsOpponent) {
    EnetLink host, joiner;
    ASSERT_TRUE(ConnectPair(host, joiner));
    EnetLink second;
    ASSERT_TRUE(second.Join("127.0.0.1", host.HostedPort()));
    RawPeer stranger(host.HostedPort(), 0x12345678u);
    ServiceOnly strangerLink([&] { stranger.Service(); });
    ASSERT_TRUE(PumpUntil([&] { return second.State() == LinkState::lost && stranger.disconnected; },
                          {&host, &joiner, &second, &strangerLink}));
    EXPECT_STREQ(second.Problem(), "相手はほかの人と対戦しています");
    EXPECT_EQ(stranger.disconnectData, EnetLink::byeStranger);
    EXPECT_EQ(host.State(), LinkState::connected);
    EXPECT_EQ(joiner.State(), LinkState::connected);
    const uint8_t word[3] = {5, 6, 7};
    ASSERT_TRUE(joiner.Send(word, sizeof word, true));
    std::vector<std::vector<uint8_t>> got;
    PumpUntil([&] { return !(got = Drain(host)).empty(); }, {&host, &joiner});
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0], std::vector<uint8_t>(word, word + 3));
}

// Either side leaving, or dropping the other, is seen on the other side as
// a lost link long before any time-out.
TEST(EnetLinkTest, LeavingOrDroppingIsSeenAsLostOnTheOtherSide) {
    enum class Act { hostCloses, joinerCloses, hostDrops, joinerDrops };
    for (Act act : {Act::hostCloses, Act::joinerCloses, Act::hostDrops, Act::joinerDrops}) {
        SCOPED_TRACE(static_cast<int>(act));
        EnetLink host, joiner;
        // Only a goodbye can be seen within this: the time-out is far longer.
        host.SetSilenceLimit(30000);
        joiner.SetSilenceLimit(30000);
        ASSERT_TRUE(ConnectPair(host, joiner));
        const bool byHost = act == Act::hostCloses || act == Act::hostDrops;
        EnetLink& actor = byHost ? host : joiner;
        EnetLink& other = byHost ? joiner : host;
        if (act == Act::hostCloses || act == Act::joinerCloses) {
            actor.Close();
            EXPECT_EQ(actor.State(), LinkState::closed);
        } else {
            actor.Drop();
            EXPECT_EQ(actor.State(), LinkState::lost);
        }
        // The closing side goes on being serviced, as the game's every pass does.
        EXPECT_TRUE(PumpUntil([&] { return other.State() == LinkState::lost; }, {&other, &actor}, 3000));
        EXPECT_STREQ(other.Problem(), "相手との接続が切れました");
    }
}

// The last messages sent before leaving (a goodbye saying why) reach the
// peer, all of them and before he finds the link gone; once he has
// acknowledged the disconnect, the closing side lets the connection go.
TEST(EnetLinkTest, WhatWasSentJustBeforeClosingArrivesBeforeTheLinkIsLost) {
    for (const bool byHost : {true, false}) {
        SCOPED_TRACE(byHost);
        EnetLink host, joiner;
        host.SetSilenceLimit(30000);
        joiner.SetSilenceLimit(30000);
        ASSERT_TRUE(ConnectPair(host, joiner));
        EnetLink& actor = byHost ? host : joiner;
        EnetLink& other = byHost ? joiner : host;
        std::vector<std::vector<uint8_t>> sent;
        for (int i = 0; i < 3; ++i) {
            sent.push_back(Numbered(i + 1, 200 + static_cast<size_t>(i) * 300));
            ASSERT_TRUE(actor.Send(sent.back().data(), sent.back().size(), true));
        }
        actor.Close();
        EXPECT_EQ(actor.State(), LinkState::closed);
        EXPECT_FALSE(actor.Send(sent[0].data(), sent[0].size(), true)) << "closed at once for the game";
        // The link keeps only what arrived while connected: after the loss,
        // all of it is waiting.
        ASSERT_TRUE(PumpUntil([&] { return other.State() == LinkState::lost; }, {&other, &actor}, 3000));
        EXPECT_EQ(Drain(other), sent);
        EXPECT_STREQ(other.Problem(), "相手との接続が切れました");
        EXPECT_TRUE(PumpUntil([&] { return !actor.ServiceClosing(); }, {&other}, 3000));
    }
}

// Hosting again on the same port while the last game is still being closed
// takes the port at once: the old close gives way.
TEST(EnetLinkTest, HostingAgainWhileClosingTakesThePort) {
    EnetLink host, joiner;
    joiner.SetSilenceLimit(30000);
    ASSERT_TRUE(ConnectPair(host, joiner));
    const uint16_t port = host.HostedPort();
    host.Close();
    ASSERT_TRUE(host.ServiceClosing());
    ASSERT_TRUE(host.Host(port, 0));
    EXPECT_FALSE(host.ServiceClosing());
    EXPECT_EQ(host.State(), LinkState::listening);
    EXPECT_EQ(host.HostedPort(), port);
    EnetLink second;
    ASSERT_TRUE(second.Join("127.0.0.1", port));
    EXPECT_TRUE(PumpUntil([&] { return second.State() == LinkState::connected; }, {&host, &second}));
}

// A peer that stops answering (a crash, a cable pulled) is let go after
// the silence limit.
TEST(EnetLinkTest, ASilentPeerIsLost) {
    EnetLink host, joiner;
    host.SetSilenceLimit(1000);
    joiner.SetSilenceLimit(1000);
    ASSERT_TRUE(ConnectPair(host, joiner));
    // The joiner is never serviced again: it neither answers nor says goodbye.
    EXPECT_TRUE(PumpUntil([&] { return host.State() == LinkState::lost; }, {&host}, 4000));
    EXPECT_STREQ(host.Problem(), "相手との接続が切れました");
}

TEST(EnetLinkTest, JoiningWhereNothingListensEndsLost) {
    // A port that was just free: taken, then given back.
    EnetLink probe;
    ASSERT_TRUE(probe.Host(0, 0));
    const uint16_t port = probe.HostedPort();
    probe.Close();
    EnetLink joiner;
    joiner.SetSilenceLimit(1000);
    ASSERT_TRUE(joiner.Join("127.0.0.1", port));
    EXPECT_TRUE(PumpUntil([&] { return joiner.State() == LinkState::lost; }, {&joiner}, 4000));
    EXPECT_STREQ(joiner.Problem(), "相手に接続できません");
}

TEST(EnetLinkTest, HostingOrJoiningThatCannotStartSaysWhy) {
    EnetLink first, second, joiner;
    ASSERT_TRUE(first.Host(0, 0));
    EXPECT_FALSE(second.Host(first.HostedPort(), 0));
    EXPECT_EQ(second.State(), LinkState::closed);
    EXPECT_NE(std::strstr(second.Problem(), std::to_string(first.HostedPort()).c_str()), nullptr);
    EXPECT_FALSE(joiner.Join("", 41730));
    EXPECT_EQ(joiner.State(), LinkState::closed);
    EXPECT_STRNE(joiner.Problem(), "");
}

}  // namespace
