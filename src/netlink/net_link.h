#pragma once
#include <cstddef>
#include <cstdint>

// One connection to the other game, as the online session sees it: whole
// messages of at most netMessageMax bytes, each sent either reliably (in
// order, resent until taken) or as one unsequenced datagram that may be
// lost, doubled or come out of order. The session knows nothing of how they
// travel: the game's link is ENet (net_game.h); the tests join two sessions
// in one process with a simulated link of their own.
constexpr size_t netMessageMax = 1200;

enum class LinkState : int8_t {
    closed,      // nothing open
    listening,   // hosting, no opponent yet
    connecting,  // joining, no answer yet
    connected,
    lost,        // the other side left, went silent past the time-out, or was dropped
};

class NetLink {
public:
    virtual ~NetLink() = default;
    virtual LinkState State() const = 0;
    // Queues one message; false when it cannot go (not connected, too long,
    // the library refused).
    virtual bool Send(const uint8_t* data, size_t size, bool reliable) = 0;
    // Takes the next message that arrived into data (room for netMessageMax
    // bytes) and sets size; false when none is waiting. A longer message is
    // dropped, never cut.
    virtual bool Receive(uint8_t* data, size_t& size) = 0;
    // Moves the link on: sends what was queued, takes in what arrived, notices
    // a lost peer. Called at least once a frame; it never blocks.
    virtual void Service() = 0;
    // The round trip as measured so far, in milliseconds (0 before any).
    virtual uint32_t RoundTripMs() const = 0;
    // Payload bytes sent and received so far (the messages, not the headers
    // below them), for the figures.
    virtual uint64_t BytesSent() const = 0;
    virtual uint64_t BytesReceived() const = 0;
    // Drops the peer at once (one that sent garbage): State() becomes lost.
    virtual void Drop() = 0;
};
