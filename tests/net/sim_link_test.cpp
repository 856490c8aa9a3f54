#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "net/link_weather.h"
#include "net/sim_link.h"

namespace {

TEST(LinkWeather, TheSameSeedGivesTheSameFates) {
    linkWeather::Settings s{60, 20, 30, 20, 20, 30};
    linkWeather::Weather a(7, s), b(7, s), c(8, s);
    int differ = 0;
    for (int i = 0; i < 1000; ++i) {
        const linkWeather::Fate x = a.Next(), y = b.Next(), z = c.Next();
        ASSERT_EQ(x.dropped, y.dropped);
        ASSERT_EQ(x.doubled, y.doubled);
        ASSERT_EQ(x.reordered, y.reordered);
        ASSERT_EQ(x.delayMs, y.delayMs);
        differ += x.delayMs != z.delayMs;
    }
    EXPECT_GT(differ, 500);
}

TEST(LinkWeather, FatesFollowTheSettings) {
    struct Case {
        linkWeather::Settings settings;
    };
    const Case cases[] = {
        {{0, 0, 0, 0, 0, 30}},
        {{30, 10, 30, 0, 0, 30}},
        {{75, 20, 100, 50, 50, 40}},
    };
    for (const Case& c : cases) {
        const linkWeather::Settings& s = c.settings;
        linkWeather::Weather w(99, s);
        int dropped = 0, doubled = 0, reordered = 0;
        constexpr int n = 20000;
        for (int i = 0; i < n; ++i) {
            const linkWeather::Fate f = w.Next();
            dropped += f.dropped;
            doubled += f.doubled;
            reordered += f.reordered;
            const uint32_t low = s.delayMs > s.jitterMs ? s.delayMs - s.jitterMs : 0;
            const uint32_t extra = f.reordered ? s.reorderExtraMs + 1 : 0;
            ASSERT_GE(f.delayMs, low + (f.reordered ? 1 : 0));
            ASSERT_LE(f.delayMs, s.delayMs + s.jitterMs + extra);
            ASSERT_GE(f.secondDelayMs, low);
            ASSERT_LE(f.secondDelayMs, s.delayMs + s.jitterMs);
        }
        // Within a fifth of the rate asked for (and none when none is asked).
        const auto near = [&](int count, int perMille) {
            const double expected = n * perMille / 1000.0;
            return perMille == 0 ? count == 0 : count > expected * 0.8 && count < expected * 1.2;
        };
        EXPECT_TRUE(near(dropped, s.dropPerMille)) << dropped;
        EXPECT_TRUE(near(doubled, s.doublePerMille)) << doubled;
        EXPECT_TRUE(near(reordered, s.reorderPerMille)) << reordered;
    }
}

std::vector<uint8_t> Message(uint32_t n, size_t size = 8) {
    std::vector<uint8_t> bytes(size, 0);
    std::memcpy(bytes.data(), &n, sizeof n);
    return bytes;
}

// Everything end side has taken in, as the numbers sent.
std::vector<uint32_t> Taken(simLink::End& end) {
    end.Service();
    std::vector<uint32_t> got;
    uint8_t data[netMessageMax];
    size_t size = 0;
    while (end.Receive(data, size)) {
        uint32_t n;
        std::memcpy(&n, data, sizeof n);
        got.push_back(n);
    }
    return got;
}

TEST(SimLink, NothingArrivesBeforeItsDelay) {
    simLink::Pair pair(1, linkWeather::RoundTrip(100), linkWeather::RoundTrip(100));
    const auto m = Message(5);
    ASSERT_TRUE(pair[0].Send(m.data(), m.size(), false));
    pair.Advance(49);
    EXPECT_TRUE(Taken(pair[1]).empty());
    pair.Advance(1);
    EXPECT_EQ(Taken(pair[1]), std::vector<uint32_t>{5});
    EXPECT_TRUE(Taken(pair[0]).empty());
    EXPECT_EQ(pair[0].BytesSent(), 8u);
    EXPECT_EQ(pair[1].BytesReceived(), 8u);
}

TEST(SimLink, ReliableMessagesAllArriveInOrderThroughLoss) {
    linkWeather::Settings bad{40, 30, 300, 200, 300, 40};
    simLink::Pair pair(3, bad, bad);
    std::vector<uint32_t> got;
    for (uint32_t i = 0; i < 200; ++i) {
        const auto m = Message(i);
        pair[1].Send(m.data(), m.size(), true);
        pair.Advance(5);
        for (uint32_t n : Taken(pair[0])) got.push_back(n);
    }
    for (int i = 0; i < 200; ++i) {
        pair.Advance(20);
        for (uint32_t n : Taken(pair[0])) got.push_back(n);
    }
    ASSERT_EQ(got.size(), 200u);
    for (uint32_t i = 0; i < 200; ++i) EXPECT_EQ(got[i], i);
}

TEST(SimLink, UnsequencedMessagesMeetTheWeather) {
    linkWeather::Settings bad{40, 30, 100, 100, 100, 40};
    simLink::Pair pair(4, bad, bad);
    std::vector<uint32_t> got;
    for (uint32_t i = 0; i < 2000; ++i) {
        const auto m = Message(i);
        pair[0].Send(m.data(), m.size(), false);
        pair.Advance(5);
        for (uint32_t n : Taken(pair[1])) got.push_back(n);
    }
    pair.Advance(1000);
    for (uint32_t n : Taken(pair[1])) got.push_back(n);
    std::vector<int> seen(2000, 0);
    int outOfOrder = 0;
    for (size_t i = 0; i < got.size(); ++i) {
        ++seen[got[i]];
        if (i > 0 && got[i] < got[i - 1]) ++outOfOrder;
    }
    int lost = 0, doubled = 0;
    for (int s : seen) {
        lost += s == 0;
        doubled += s == 2;
    }
    EXPECT_GT(lost, 100);
    EXPECT_LT(lost, 300);
    EXPECT_GT(doubled, 100);
    EXPECT_GT(outOfOrder, 100);
}

TEST(SimLink, RoundTripIsMeasuredFromBothWays) {
    simLink::Pair pair(5, linkWeather::RoundTrip(60), linkWeather::RoundTrip(100));
    EXPECT_EQ(pair[0].RoundTripMs(), 0u);
    const auto m = Message(1);
    pair[0].Send(m.data(), m.size(), false);
    pair[1].Send(m.data(), m.size(), false);
    EXPECT_EQ(pair[0].RoundTripMs(), 80u);
    EXPECT_EQ(pair[1].RoundTripMs(), 80u);
}

TEST(SimLink, CutDropAndInjectReachBothEnds) {
    {
        simLink::Pair pair(6, {}, {});
        EXPECT_EQ(pair[0].State(), LinkState::connected);
        pair.Cut();
        EXPECT_EQ(pair[0].State(), LinkState::lost);
        EXPECT_EQ(pair[1].State(), LinkState::lost);
        const auto m = Message(1);
        EXPECT_FALSE(pair[0].Send(m.data(), m.size(), true));
    }
    {
        simLink::Pair pair(7, {}, {});
        pair[1].Drop();
        EXPECT_EQ(pair[0].State(), LinkState::lost);
    }
    {
        simLink::Pair pair(8, {}, {});
        const auto m = Message(77, 3000);
        EXPECT_FALSE(pair[0].Send(m.data(), m.size(), false));
        pair.Inject(1, m.data(), 5);
        EXPECT_EQ(Taken(pair[1]), std::vector<uint32_t>{77});
    }
}

}  // namespace
