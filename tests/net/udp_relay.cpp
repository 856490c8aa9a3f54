#include "net/udp_relay.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>

namespace {

int LoopbackSocket(uint16_t port) {
    const int fd = socket(AF_INET, SOCK_DGRAM | SOCK_NONBLOCK, 0);
    if (fd < 0) return -1;
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(port);
    if (bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        close(fd);
        return -1;
    }
    return fd;
}

}  // namespace

UdpRelay::~UdpRelay() {
    if (listenSocket >= 0) close(listenSocket);
    if (hostSocket >= 0) close(hostSocket);
}

bool UdpRelay::Open(uint16_t listenPort, uint16_t toPort, uint64_t seed, const linkWeather::Settings& settings) {
    listenSocket = LoopbackSocket(listenPort);
    hostSocket = LoopbackSocket(0);
    if (listenSocket < 0 || hostSocket < 0) return false;
    hostAddress.sin_family = AF_INET;
    hostAddress.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    hostAddress.sin_port = htons(toPort);
    weather[0].emplace(seed * 2, settings);
    weather[1].emplace(seed * 2 + 1, settings);
    return true;
}

uint16_t UdpRelay::ListenPort() const {
    sockaddr_in address{};
    socklen_t length = sizeof address;
    if (listenSocket < 0 || getsockname(listenSocket, reinterpret_cast<sockaddr*>(&address), &length) != 0) return 0;
    return ntohs(address.sin_port);
}

void UdpRelay::Take(int direction, uint32_t nowMs) {
    const int fd = direction == 0 ? listenSocket : hostSocket;
    for (;;) {
        uint8_t bytes[65536];
        sockaddr_in from{};
        socklen_t length = sizeof from;
        const ssize_t got = recvfrom(fd, bytes, sizeof bytes, 0, reinterpret_cast<sockaddr*>(&from), &length);
        if (got < 0) return;
        if (direction == 0) {
            // The joiner is whoever last sent to the relay's port.
            joinerAddress = from;
            joinerKnown = true;
        }
        Counts& c = counts[direction];
        const linkWeather::Fate fate = weather[direction]->Next();
        if (fate.dropped) {
            ++c.dropped;
            continue;
        }
        ++c.forwarded;
        if (fate.reordered) ++c.reordered;
        std::vector<uint8_t> copy(bytes, bytes + got);
        held.push_back(Held{nowMs + fate.delayMs, arrivals++, direction, copy});
        if (fate.doubled) {
            ++c.doubled;
            held.push_back(Held{nowMs + fate.secondDelayMs, arrivals++, direction, copy});
        }
    }
}

void UdpRelay::SendOn(const Held& h) {
    if (h.direction == 1 && !joinerKnown) return;
    const sockaddr_in& to = h.direction == 0 ? hostAddress : joinerAddress;
    const int fd = h.direction == 0 ? hostSocket : listenSocket;
    if (sendto(fd, h.bytes.data(), h.bytes.size(), 0, reinterpret_cast<const sockaddr*>(&to), sizeof to) >= 0)
        ++counts[h.direction].sent;
}

void UdpRelay::Service(uint32_t nowMs) {
    if (listenSocket < 0) return;
    Take(0, nowMs);
    Take(1, nowMs);
    std::stable_sort(held.begin(), held.end(), [](const Held& a, const Held& b) {
        return a.dueMs != b.dueMs ? static_cast<int32_t>(a.dueMs - b.dueMs) < 0 : a.order < b.order;
    });
    size_t sentCount = 0;
    while (sentCount < held.size() && static_cast<int32_t>(held[sentCount].dueMs - nowMs) <= 0) SendOn(held[sentCount++]);
    held.erase(held.begin(), held.begin() + static_cast<long>(sentCount));
}

uint32_t UdpRelay::WaitMs(uint32_t nowMs, uint32_t maxMs) const {
    uint32_t wait = maxMs;
    for (const Held& h : held) {
        const int32_t until = static_cast<int32_t>(h.dueMs - nowMs);
        wait = std::min(wait, until <= 0 ? 0u : static_cast<uint32_t>(until));
    }
    return wait;
}

UdpRelay::Counts UdpRelay::Total() const {
    Counts t;
    for (const Counts& c : counts) {
        t.forwarded += c.forwarded;
        t.dropped += c.dropped;
        t.doubled += c.doubled;
        t.reordered += c.reordered;
        t.sent += c.sent;
    }
    return t;
}
