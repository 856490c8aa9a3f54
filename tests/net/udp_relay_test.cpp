#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <vector>

#include "net/udp_relay.h"
#include "netlink/link_pair.h"

namespace {

struct Socket {
    int fd = socket(AF_INET, SOCK_DGRAM | SOCK_NONBLOCK, 0);
    Socket() {
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address);
    }
    ~Socket() { close(fd); }
    uint16_t Port() const {
        sockaddr_in address{};
        socklen_t length = sizeof address;
        getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
        return ntohs(address.sin_port);
    }
    void SendTo(const sockaddr_in& to, uint32_t number) const {
        sendto(fd, &number, sizeof number, 0, reinterpret_cast<const sockaddr*>(&to), sizeof to);
    }
    // Every datagram waiting, as numbers; the sender's address kept.
    void Read(std::vector<uint32_t>& into, sockaddr_in* from = nullptr) const {
        uint32_t number = 0;
        sockaddr_in sender{};
        socklen_t length = sizeof sender;
        while (recvfrom(fd, &number, sizeof number, 0, reinterpret_cast<sockaddr*>(&sender), &length) ==
               sizeof number) {
            into.push_back(number);
            if (from != nullptr) *from = sender;
            length = sizeof sender;
        }
    }
};

sockaddr_in Loopback(uint16_t port) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(port);
    return address;
}

// 30 ms ± 10 ms each way, with losses, doubles and overtaking per thousand.
linkWeather::Settings Stormy(uint16_t drop, uint16_t doubled, uint16_t reorder) {
    linkWeather::Settings settings;
    settings.delayMs = 30;
    settings.jitterMs = 10;
    settings.dropPerMille = drop;
    settings.doublePerMille = doubled;
    settings.reorderPerMille = reorder;
    return settings;
}

// Waits (a little, bounded) until fd has a datagram to read.
void AwaitDatagram(int fd) {
    pollfd p{fd, POLLIN, 0};
    poll(&p, 1, 200);
}

// What the relay should do to count datagrams sent one a millisecond from
// startMs in one direction: the counts, and the numbers in the order they
// come out (by due time, then by arrival, a double right after its first).
struct Plan {
    UdpRelay::Counts counts;
    std::vector<uint32_t> order;
};

Plan PlanFor(uint64_t weatherSeed, const linkWeather::Settings& settings, uint32_t count, uint32_t startMs) {
    linkWeather::Weather weather(weatherSeed, settings);
    struct Out {
        uint32_t due;
        uint32_t arrival;
        uint32_t number;
    };
    std::vector<Out> outs;
    Plan plan;
    uint32_t arrival = 0;
    for (uint32_t i = 0; i < count; ++i) {
        const linkWeather::Fate fate = weather.Next();
        if (fate.dropped) {
            ++plan.counts.dropped;
            continue;
        }
        ++plan.counts.forwarded;
        plan.counts.reordered += fate.reordered;
        outs.push_back({startMs + i + fate.delayMs, arrival++, i});
        if (fate.doubled) {
            ++plan.counts.doubled;
            outs.push_back({startMs + i + fate.secondDelayMs, arrival++, i});
        }
    }
    std::stable_sort(outs.begin(), outs.end(),
                     [](const Out& a, const Out& b) { return a.due != b.due ? a.due < b.due : a.arrival < b.arrival; });
    for (const Out& o : outs) plan.order.push_back(o.number);
    plan.counts.sent = outs.size();
    return plan;
}

// A few hundred datagrams through the relay, each way, on a clock of the
// test's own: each is lost, doubled, held and overtaken exactly as the
// seed's weather says, and comes out in the order of its due time.
TEST(UdpRelayTest, EachWayTheDatagramsMeetTheWeatherOfTheSeed) {
    const linkWeather::Settings settings = Stormy(60, 50, 80);
    constexpr uint64_t seed = 7;
    constexpr uint32_t count = 300;
    for (int direction = 0; direction < 2; ++direction) {
        SCOPED_TRACE(direction == 0 ? "joiner to host" : "host to joiner");
        Socket host, joiner;
        UdpRelay relay;
        ASSERT_TRUE(relay.Open(0, host.Port(), seed, settings));
        uint32_t now = 1000;
        sockaddr_in relayForHost{};
        if (direction == 1) {
            // The host learns the relay's address from a first datagram; the
            // joiner sends until one gets through (the weather of this way
            // is not what is tested).
            std::vector<uint32_t> hello;
            for (int i = 0; i < 50 && hello.empty(); ++i) {
                joiner.SendTo(Loopback(relay.ListenPort()), 999999);
                AwaitDatagram(relay.JoinerSocket());
                for (int k = 0; k < 200 && hello.empty(); ++k) {
                    relay.Service(now++);
                    host.Read(hello, &relayForHost);
                }
            }
            ASSERT_FALSE(hello.empty());
        }
        const Socket& from = direction == 0 ? joiner : host;
        const Socket& to = direction == 0 ? host : joiner;
        const sockaddr_in relayAddress = direction == 0 ? Loopback(relay.ListenPort()) : relayForHost;
        const int relayIn = direction == 0 ? relay.JoinerSocket() : relay.HostSocket();
        const Plan plan = PlanFor(seed * 2 + static_cast<uint64_t>(direction), settings, count, now);
        std::vector<uint32_t> got;
        for (uint32_t i = 0; i < count; ++i, ++now) {
            from.SendTo(relayAddress, i);
            AwaitDatagram(relayIn);
            relay.Service(now);
            to.Read(got);
        }
        // Everything held comes due within a second of the clock.
        for (int i = 0; i < 1000; ++i) relay.Service(now++);
        for (int i = 0; i < 200 && got.size() < plan.order.size(); ++i) {
            AwaitDatagram(to.fd);
            to.Read(got);
        }
        const UdpRelay::Counts& counts = relay.Of(direction);
        EXPECT_EQ(counts.forwarded, plan.counts.forwarded);
        EXPECT_EQ(counts.dropped, plan.counts.dropped);
        EXPECT_EQ(counts.doubled, plan.counts.doubled);
        EXPECT_EQ(counts.reordered, plan.counts.reordered);
        EXPECT_EQ(counts.sent, plan.counts.sent);
        EXPECT_EQ(got, plan.order);
        // The weather asked for happened at all.
        EXPECT_GT(plan.counts.dropped, 0u);
        EXPECT_GT(plan.counts.doubled, 0u);
        EXPECT_GT(plan.counts.reordered, 0u);
    }
}

}  // namespace

namespace {

uint32_t SteadyMs() {
    return static_cast<uint32_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
            .count());
}

// Two games' links through a slow link that loses, doubles and reorders
// datagrams: they connect, every reliable message arrives once and in
// order, and the unsequenced ones that arrive are whole.
TEST(UdpRelayTest, TwoLinksThroughTheWeatherKeepTheirReliableMessagesInOrder) {
    const linkWeather::Settings settings = Stormy(30, 20, 20);
    EnetLink host, joiner;
    ASSERT_TRUE(host.Host(0, 0));
    UdpRelay relay;
    ASSERT_TRUE(relay.Open(0, host.HostedPort(), 3, settings));
    ServiceOnly pump([&] { relay.Service(SteadyMs()); });
    ASSERT_TRUE(joiner.Join("127.0.0.1", relay.ListenPort()));
    ASSERT_TRUE(PumpUntil(
        [&] { return host.State() == LinkState::connected && joiner.State() == LinkState::connected; },
        {&host, &joiner, &pump}));
    constexpr uint32_t count = 120;
    std::vector<uint32_t> reliable, unsequenced;
    uint32_t next = 0;
    PumpUntil(
        [&] {
            // A few a frame, as a match sends them, both kinds.
            if (next < count) {
                EXPECT_TRUE(joiner.Send(reinterpret_cast<const uint8_t*>(&next), sizeof next, true));
                const uint32_t tagged = next | 0x80000000u;
                EXPECT_TRUE(joiner.Send(reinterpret_cast<const uint8_t*>(&tagged), sizeof tagged, false));
                ++next;
            }
            uint8_t data[netMessageMax];
            size_t size = 0;
            while (host.Receive(data, size)) {
                EXPECT_EQ(size, sizeof(uint32_t));
                uint32_t number = 0;
                std::memcpy(&number, data, sizeof number);
                (number & 0x80000000u ? unsequenced : reliable).push_back(number & 0x7FFFFFFFu);
            }
            return reliable.size() >= count;
        },
        {&host, &joiner, &pump});
    std::vector<uint32_t> expected(count);
    for (uint32_t i = 0; i < count; ++i) expected[i] = i;
    EXPECT_EQ(reliable, expected);
    for (uint32_t n : unsequenced) EXPECT_LT(n, count);
    EXPECT_GT(relay.Total().dropped, 0u);
    EXPECT_EQ(host.State(), LinkState::connected);
    EXPECT_EQ(joiner.State(), LinkState::connected);
}

}  // namespace
