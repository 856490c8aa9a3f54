#include "netlink/enet_link.h"

#include <enet/enet.h>

#include <cstdio>
#include <cstring>

#include "content/game_texts.h"

namespace {

constexpr uint8_t reliableChannel = 0;
constexpr uint8_t unsequencedChannel = 1;
// Sent with the connection and checked by the host, so that a program that
// merely speaks ENet is sent away before it is taken for an opponent.
constexpr uint32_t connectMagic = 0x534C4E31u;  // "SLN1"

// A silent peer is let go after the limit: ENet pings every half second, so
// the silence is noticed within the limit plus one ping. The round trips of
// a slow, lossy link keep it well inside.
void LimitSilence(ENetPeer* peer, uint32_t limitMs) {
    enet_peer_timeout(peer, ENET_PEER_TIMEOUT_LIMIT, limitMs / 2, limitMs);
}

// The inputs are a few hundred bytes a second: ENet's throttle, which drops
// unreliable packets when round trips vary, would only lose them. Told to
// the peer as well, for its packets to us.
void KeepEveryPacket(ENetPeer* peer) {
    enet_peer_throttle_configure(peer, ENET_PEER_PACKET_THROTTLE_INTERVAL, ENET_PEER_PACKET_THROTTLE_ACCELERATION, 0);
}

}  // namespace

bool EnetReady() {
    static const bool ready = enet_initialize() == 0;
    return ready;
}

EnetLink::~EnetLink() {
    Close();
    FinishClosing();
}

void EnetLink::SetProblem(TextName why) { std::snprintf(problem, sizeof problem, "%s", Tr(why)); }

bool EnetLink::Host(uint16_t port, uint16_t searchPort) {
    Close();
    FinishClosing();
    if (!EnetReady()) {
        SetProblem(TextName::OnlineLinkNoNetwork);
        return false;
    }
    ENetAddress address{};
    address.host = ENET_HOST_ANY;
    address.port = port;
    // Room for a second peer only to turn it away with a reason.
    host = enet_host_create(&address, 2, 2, 0, 0);
    if (host == nullptr) {
        std::snprintf(problem, sizeof problem, Tr(TextName::OnlineLinkPortTaken), static_cast<unsigned>(port));
        return false;
    }
    ENetAddress bound{};
    hostedPort = enet_socket_get_address(host->socket, &bound) == 0 ? bound.port : port;
    if (searchPort != 0 && !OpenLanAnswerer(answerer, searchPort, hostedPort)) {
        // The game can still be joined by its address.
        std::snprintf(problem, sizeof problem, Tr(TextName::OnlineLinkSearchPortTaken),
                      static_cast<unsigned>(searchPort));
    }
    hosting = true;
    state = LinkState::listening;
    return true;
}

bool EnetLink::Join(const char* hostName, uint16_t port) {
    Close();
    FinishClosing();
    if (!EnetReady()) {
        SetProblem(TextName::OnlineLinkNoNetwork);
        return false;
    }
    ENetAddress address{};
    if (hostName == nullptr || hostName[0] == '\0' || enet_address_set_host(&address, hostName) != 0) {
        std::snprintf(problem, sizeof problem, Tr(TextName::OnlineLinkNoSuchAddress),
                      hostName == nullptr ? "" : hostName);
        return false;
    }
    address.port = port;
    host = enet_host_create(nullptr, 1, 2, 0, 0);
    if (host == nullptr) {
        SetProblem(TextName::OnlineLinkNoNetwork);
        return false;
    }
    peer = enet_host_connect(host, &address, 2, connectMagic);
    if (peer == nullptr) {
        enet_host_destroy(host);
        host = nullptr;
        SetProblem(TextName::OnlineLinkCannotStart);
        return false;
    }
    LimitSilence(peer, silenceLimitMs);
    hosting = false;
    state = LinkState::connecting;
    return true;
}

void EnetLink::Close() {
    CloseLanAnswerer(answerer);
    if (host != nullptr && peer != nullptr && state == LinkState::connected) {
        // The last messages (a bye saying why) are still on their way: the
        // disconnect follows them, and the connection is kept going in the
        // background until the peer has it. A close still running from
        // before gives way.
        FinishClosing();
        enet_peer_disconnect_later(peer, byeLeft);
        enet_host_flush(host);
        closingHost = host;
        closingSinceMs = enet_time_get();
    } else if (host != nullptr) {
        // Nobody to hear what was sent: a joiner still knocking is told at
        // once, and a peer that misses it times out.
        if (peer != nullptr) enet_peer_disconnect_now(peer, byeLeft);
        enet_host_destroy(host);
    }
    host = nullptr;
    peer = nullptr;
    hosting = false;
    hostedPort = 0;
    state = LinkState::closed;
    ringFirst = 0;
    ringCount = 0;
}

bool EnetLink::ServiceClosing() {
    if (closingHost == nullptr) return false;
    ENetEvent event;
    bool gone = false;
    // Bounded like Service; whatever the peer still sends is not read.
    for (int i = 0; i < 64 && !gone; ++i) {
        const int got = i == 0 ? enet_host_service(closingHost, &event, 0) : enet_host_check_events(closingHost, &event);
        if (got <= 0) {
            gone = got < 0;
            break;
        }
        if (event.type == ENET_EVENT_TYPE_RECEIVE) enet_packet_destroy(event.packet);
        if (event.type == ENET_EVENT_TYPE_DISCONNECT) gone = true;
    }
    if (gone || enet_time_get() - closingSinceMs >= closingLimitMs) FinishClosing();
    return closingHost != nullptr;
}

void EnetLink::FinishClosing() {
    if (closingHost == nullptr) return;
    enet_host_destroy(closingHost);
    closingHost = nullptr;
}

void EnetLink::Lose(TextName why) {
    peer = nullptr;
    state = LinkState::lost;
    CloseLanAnswerer(answerer);
    SetProblem(why);
}

bool EnetLink::Send(const uint8_t* data, size_t size, bool reliable) {
    if (state != LinkState::connected || peer == nullptr || size > netMessageMax) return false;
    ENetPacket* packet =
        enet_packet_create(data, size, reliable ? ENET_PACKET_FLAG_RELIABLE : ENET_PACKET_FLAG_UNSEQUENCED);
    if (packet == nullptr) return false;
    if (enet_peer_send(peer, reliable ? reliableChannel : unsequencedChannel, packet) != 0) {
        enet_packet_destroy(packet);
        return false;
    }
    bytesSent += size;
    // Out now rather than at the next frame's service: a frame less of delay.
    enet_host_flush(host);
    return true;
}

bool EnetLink::Receive(uint8_t* data, size_t& size) {
    if (ringCount == 0) return false;
    const Slot& slot = ring[ringFirst];
    std::memcpy(data, slot.bytes, slot.size);
    size = slot.size;
    ringFirst = (ringFirst + 1) % ringSlots;
    --ringCount;
    return true;
}

void EnetLink::TakeEvent(const ENetEvent& event) {
    switch (event.type) {
    case ENET_EVENT_TYPE_CONNECT:
        if (hosting && peer == nullptr && state == LinkState::listening && event.data == connectMagic) {
            peer = event.peer;
            LimitSilence(peer, silenceLimitMs);
            KeepEveryPacket(peer);
            state = LinkState::connected;
            // Found: nobody else needs to find this game.
            CloseLanAnswerer(answerer);
        } else if (hosting) {
            enet_peer_disconnect(event.peer, event.data == connectMagic ? byeBusy : byeStranger);
        } else if (event.peer == peer) {
            KeepEveryPacket(peer);
            state = LinkState::connected;
        }
        break;
    case ENET_EVENT_TYPE_DISCONNECT:
        if (event.peer != peer) break;  // one we turned away has gone
        if (state == LinkState::connecting) {
            Lose(TextName::OnlineLinkNoHost);
        } else if (event.data == byeBusy) {
            Lose(TextName::OnlineLinkHostBusy);
        } else {
            Lose(TextName::OnlineLinkLost);
        }
        break;
    case ENET_EVENT_TYPE_RECEIVE: {
        const size_t size = event.packet->dataLength;
        if (event.peer == peer && state == LinkState::connected) {
            bytesReceived += size;
            // Never cut: a message too long for the session is not one of ours.
            if (size <= netMessageMax) {
                Slot& slot = ring[(ringFirst + ringCount) % ringSlots];
                std::memcpy(slot.bytes, event.packet->data, size);
                slot.size = static_cast<uint16_t>(size);
                ++ringCount;
            }
        }
        enet_packet_destroy(event.packet);
        break;
    }
    case ENET_EVENT_TYPE_NONE:
        break;
    }
}

void EnetLink::Service() {
    ServiceClosing();
    ServiceLanAnswerer(answerer);
    if (host == nullptr) return;
    ENetEvent event;
    // Bounded, so a flood cannot hold up a frame; what is left waits for the
    // next one. A full ring leaves the messages inside ENet, in order.
    // The first call sends and receives; the rest take the events it left.
    for (int i = 0; i < 256 && ringCount < ringSlots; ++i) {
        const int got = i == 0 ? enet_host_service(host, &event, 0) : enet_host_check_events(host, &event);
        if (got < 0) {
            if (state == LinkState::connected || state == LinkState::connecting) Lose(TextName::OnlineLinkNetworkGone);
            break;
        }
        if (got > 0) {
            TakeEvent(event);
        } else if (i > 0) {
            break;
        }
    }
    enet_host_flush(host);
}

uint32_t EnetLink::RoundTripMs() const {
    if (state != LinkState::connected || peer == nullptr) return 0;
    return peer->roundTripTime;
}

uint64_t EnetLink::WireBytesSent() const { return host == nullptr ? 0 : host->totalSentData; }

uint64_t EnetLink::WireBytesReceived() const { return host == nullptr ? 0 : host->totalReceivedData; }

void EnetLink::Drop() {
    if (host != nullptr && peer != nullptr) enet_peer_disconnect_now(peer, byeDropped);
    if (state != LinkState::closed) Lose(TextName::OnlineLinkDropped);
}
