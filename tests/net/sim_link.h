#pragma once
// Two NetLink ends joined in one process through the link weather, on a
// simulated millisecond clock that the test moves on: nothing arrives until
// the clock has passed its delay. Unsequenced messages meet the weather as
// they are (lost, doubled, late, out of order); reliable ones are never lost
// and never overtake each other, but a lost try arrives a round trip later,
// as a resent one would.
#include <cstdint>
#include <vector>

#include "net/link_weather.h"
#include "netlink/net_link.h"

namespace simLink {

class Pair;

class End final : public NetLink {
public:
    LinkState State() const override;
    bool Send(const uint8_t* data, size_t size, bool reliable) override;
    bool Receive(uint8_t* data, size_t& size) override;
    void Service() override;
    uint32_t RoundTripMs() const override;
    uint64_t BytesSent() const override { return bytesSent_; }
    uint64_t BytesReceived() const override { return bytesReceived_; }
    void Drop() override;

    // Messages sent so far, and of them the reliable ones.
    uint64_t MessagesSent() const { return messagesSent_; }
    uint64_t ReliableSent() const { return reliableSent_; }

private:
    friend class Pair;
    struct Datagram {
        uint64_t arriveMs;
        uint64_t order;  // among those arriving at the same millisecond
        std::vector<uint8_t> bytes;
    };

    Pair* pair_ = nullptr;
    int side_ = 0;
    std::vector<Datagram> inFlight_;   // towards this end, not yet arrived
    std::vector<Datagram> arrived_;    // taken in by Service, oldest first
    size_t nextArrived_ = 0;
    uint64_t lastReliableArrival_ = 0;
    uint32_t transitMs_ = 0;           // this way, as the last arrivals took it
    bool transitKnown_ = false;
    uint64_t bytesSent_ = 0;
    uint64_t bytesReceived_ = 0;
    uint64_t messagesSent_ = 0;
    uint64_t reliableSent_ = 0;
};

class Pair {
public:
    // From end 0 towards end 1 in toOne's weather, back in toZero's, each
    // direction seeded of its own.
    Pair(uint64_t seed, const linkWeather::Settings& toOne, const linkWeather::Settings& toZero);
    Pair(const Pair&) = delete;
    Pair& operator=(const Pair&) = delete;

    End& operator[](int side) { return ends_[side == 1 ? 1 : 0]; }
    uint64_t NowMs() const { return nowMs_; }
    void Advance(uint32_t ms) { nowMs_ += ms; }

    // The network goes away: both ends see the link lost.
    void Cut();
    // A datagram nobody well-meaning sent, arriving at end side on its next
    // Service.
    void Inject(int side, const uint8_t* data, size_t size);

private:
    friend class End;
    void Carry(int from, const uint8_t* data, size_t size, bool reliable);

    End ends_[2];
    linkWeather::Weather weather_[2];  // towards end 0, towards end 1
    uint64_t nowMs_ = 0;
    uint64_t order_ = 0;
    bool lost_ = false;
};

}  // namespace simLink
