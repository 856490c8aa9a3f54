#pragma once
#include <netinet/in.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "net/link_weather.h"

// A UDP forwarder on 127.0.0.1 standing between two games, for the slow,
// lossy link the kernel here cannot make: the joiner sends to the relay's
// port, the relay sends on to the host's, and the answers come back the
// same way. Each datagram, in each direction, meets the weather of its own
// seeded model: lost, doubled, held for its delay, or held back so that
// later ones overtake it. Test tooling, not part of the game.
class UdpRelay {
public:
    struct Counts {
        uint64_t forwarded = 0;  // taken in and not lost (each once, however often sent)
        uint64_t dropped = 0;
        uint64_t doubled = 0;
        uint64_t reordered = 0;
        uint64_t sent = 0;       // datagrams actually sent on
    };

    UdpRelay() = default;
    ~UdpRelay();
    UdpRelay(const UdpRelay&) = delete;
    UdpRelay& operator=(const UdpRelay&) = delete;

    // Listens on 127.0.0.1:listenPort (0: one the system picks) and forwards
    // to 127.0.0.1:toPort. Each direction has its own weather, both from
    // seed. False when a socket cannot be had.
    bool Open(uint16_t listenPort, uint16_t toPort, uint64_t seed, const linkWeather::Settings& settings);
    uint16_t ListenPort() const;
    // Takes in what waits on both sockets and sends what is due at nowMs
    // (any millisecond clock); never blocks.
    void Service(uint32_t nowMs);
    // How long until the next held datagram is due (at most maxMs).
    uint32_t WaitMs(uint32_t nowMs, uint32_t maxMs) const;
    // The two sockets, for a caller that waits on them.
    int JoinerSocket() const { return listenSocket; }
    int HostSocket() const { return hostSocket; }
    // Per direction: 0 joiner to host, 1 host to joiner.
    const Counts& Of(int direction) const { return counts[direction]; }
    Counts Total() const;

private:
    struct Held {
        uint32_t dueMs;
        uint64_t order;  // arrival order breaks ties, so equal delays keep their order
        int direction;
        std::vector<uint8_t> bytes;
    };
    void Take(int direction, uint32_t nowMs);
    void SendOn(const Held& held);

    int listenSocket = -1;  // the joiner's side
    int hostSocket = -1;    // the host's side
    sockaddr_in hostAddress{};
    sockaddr_in joinerAddress{};
    bool joinerKnown = false;
    std::optional<linkWeather::Weather> weather[2];
    std::vector<Held> held;
    uint64_t arrivals = 0;
    Counts counts[2];
};
