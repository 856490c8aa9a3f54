#pragma once
#include <chrono>
#include <functional>
#include <thread>
#include <utility>

#include <enet/enet.h>

#include "netlink/enet_link.h"

// Two links in one process, joined over 127.0.0.1, and a bounded wait on
// them: both serviced every millisecond or so, given up after a few seconds.
inline bool PumpUntil(const std::function<bool()>& done, std::initializer_list<NetLink*> links, int rounds = 5000) {
    for (int i = 0; i < rounds; ++i) {
        for (NetLink* link : links) link->Service();
        if (done()) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return false;
}

// Something else the pump moves on (a raw peer, a relay): a link that only
// services.
class ServiceOnly final : public NetLink {
public:
    explicit ServiceOnly(std::function<void()> onService) : service(std::move(onService)) {}
    LinkState State() const override { return LinkState::closed; }
    bool Send(const uint8_t*, size_t, bool) override { return false; }
    bool Receive(uint8_t*, size_t&) override { return false; }
    void Service() override { service(); }
    uint32_t RoundTripMs() const override { return 0; }
    uint64_t BytesSent() const override { return 0; }
    uint64_t BytesReceived() const override { return 0; }
    void Drop() override {}

private:
    std::function<void()> service;
};

// A host on a port the system picks and a joiner connected to it.
inline bool ConnectPair(EnetLink& host, EnetLink& joiner) {
    if (!host.Host(0, 0) || !joiner.Join("127.0.0.1", host.HostedPort())) return false;
    return PumpUntil(
        [&] { return host.State() == LinkState::connected && joiner.State() == LinkState::connected; },
        {&host, &joiner});
}

// A UDP port nobody on this machine holds at the moment of asking, picked by
// the system: 0 when none could be had.
inline uint16_t FreeUdpPort() {
    if (!EnetReady()) return 0;
    const ENetSocket probe = enet_socket_create(ENET_SOCKET_TYPE_DATAGRAM);
    if (probe == ENET_SOCKET_NULL) return 0;
    ENetAddress address{};
    address.host = ENET_HOST_ANY;
    address.port = 0;
    uint16_t port = 0;
    if (enet_socket_bind(probe, &address) == 0 && enet_socket_get_address(probe, &address) == 0) port = address.port;
    enet_socket_destroy(probe);
    return port;
}
