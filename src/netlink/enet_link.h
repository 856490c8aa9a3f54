#pragma once
#include <cstddef>
#include <cstdint>

#include "content/game_texts.h"
#include "netlink/lan_answer.h"
#include "netlink/net_link.h"

struct _ENetHost;
struct _ENetPeer;
struct _ENetEvent;

// ENet set up for this process (once; left for the process's end). False
// when the library cannot start.
bool EnetReady();

// A link to one other game over ENet: channel 0 carries the reliable
// messages, channel 1 the unsequenced ones. The game has one (net_game.h);
// the tests make two in one process and join them over 127.0.0.1.
//
// Messages that arrive are copied into a ring of our own, so reading them
// takes no allocation of ours (ENet allocates inside its own calls).
class EnetLink final : public NetLink {
public:
    // How many messages may wait unread; when the ring is full, Service
    // leaves the rest inside ENet until there is room again.
    static constexpr int ringSlots = 64;
    // Why a peer was sent away, in ENet's disconnect data.
    static constexpr uint32_t byeLeft = 0;
    static constexpr uint32_t byeBusy = 1;     // the host already has its opponent
    static constexpr uint32_t byeDropped = 2;  // we stopped trusting the peer
    static constexpr uint32_t byeStranger = 3; // a connection that is not this game

    EnetLink() = default;
    ~EnetLink() override;
    EnetLink(const EnetLink&) = delete;
    EnetLink& operator=(const EnetLink&) = delete;

    // Listens on port (0: one the system picks, see HostedPort) for one
    // opponent; with searchPort not 0, also answers the local network's
    // search there. False, with Problem() saying why, when the port cannot
    // be taken.
    bool Host(uint16_t port, uint16_t searchPort);
    // Starts connecting to host (a name or a dotted address) at port.
    bool Join(const char* host, uint16_t port);
    // Says goodbye to the peer if there is one and closes everything; the
    // link is closed again at once. Safe at any time. A connected peer is
    // let go gracefully: what was sent before still reaches him, then the
    // goodbye, while ServiceClosing keeps the old connection going for at
    // most closingLimitMs in the background.
    void Close();
    // Moves a graceful close on; the old connection is let go once the peer
    // has acknowledged the goodbye or the limit has passed. True while it
    // still runs. Service calls it too; the game calls it on every pass.
    bool ServiceClosing();
    // How long a graceful close may wait for the peer's acknowledgement.
    static constexpr uint32_t closingLimitMs = 1000;
    // The port listened on while hosting (the one picked when asked for 0).
    uint16_t HostedPort() const { return hostedPort; }
    // Why the last call failed, or why the link was lost, in one line in the
    // language the game spoke then.
    const char* Problem() const { return problem; }
    // How long a peer that stops answering is kept, in milliseconds; applies
    // to the next Host or Join.
    void SetSilenceLimit(uint32_t ms) { silenceLimitMs = ms; }
    // The bytes of the datagrams themselves since Host or Join, ENet's
    // headers, acknowledgements and pings included (the UDP and IP headers
    // below them not): what the network carried, for the figures.
    uint64_t WireBytesSent() const;
    uint64_t WireBytesReceived() const;

    LinkState State() const override { return state; }
    bool Send(const uint8_t* data, size_t size, bool reliable) override;
    bool Receive(uint8_t* data, size_t& size) override;
    void Service() override;
    uint32_t RoundTripMs() const override;
    uint64_t BytesSent() const override { return bytesSent; }
    uint64_t BytesReceived() const override { return bytesReceived; }
    void Drop() override;

private:
    struct Slot {
        uint16_t size = 0;
        uint8_t bytes[netMessageMax] = {};
    };

    void TakeEvent(const _ENetEvent& event);
    void Lose(TextName why);
    void SetProblem(TextName why);
    // Ends a graceful close still running, at once (before a new Host or
    // Join, which may want its port).
    void FinishClosing();

    _ENetHost* host = nullptr;
    _ENetPeer* peer = nullptr;  // the one opponent, once he is there
    // The connection of a graceful close, waiting for the peer's goodbye.
    _ENetHost* closingHost = nullptr;
    uint32_t closingSinceMs = 0;
    LinkState state = LinkState::closed;
    bool hosting = false;
    uint16_t hostedPort = 0;
    uint32_t silenceLimitMs = 3000;  // noticed within 3.5 s: the message is up within 5
    uint64_t bytesSent = 0;
    uint64_t bytesReceived = 0;
    char problem[128] = {};
    LanAnswerer answerer;
    Slot ring[ringSlots];
    int ringFirst = 0;
    int ringCount = 0;
};
