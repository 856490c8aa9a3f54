#include "netlink/lan_answer.h"

#include <enet/enet.h>
#include <unistd.h>

#include <cstring>

#include "netlink/lan_datagrams.h"

bool OpenLanAnswerer(LanAnswerer& answerer, uint16_t searchPort, uint16_t gamePort) {
    CloseLanAnswerer(answerer);
    ENetSocket socket = enet_socket_create(ENET_SOCKET_TYPE_DATAGRAM);
    if (socket == ENET_SOCKET_NULL) return false;
    enet_socket_set_option(socket, ENET_SOCKOPT_REUSEADDR, 1);
    enet_socket_set_option(socket, ENET_SOCKOPT_NONBLOCK, 1);
    ENetAddress address{};
    address.host = ENET_HOST_ANY;
    address.port = searchPort;
    if (enet_socket_bind(socket, &address) < 0) {
        enet_socket_destroy(socket);
        return false;
    }
    answerer.socket = socket;
    answerer.gamePort = gamePort;
    // One game seen by broadcast and through the loopback is listed once.
    answerer.hostId = enet_time_get() * 2654435761u ^ static_cast<uint32_t>(getpid()) << 16 ^ gamePort;
    std::memset(answerer.name, 0, sizeof answerer.name);
    if (gethostname(answerer.name, sizeof answerer.name - 1) != 0 || answerer.name[0] == '\0')
        std::strcpy(answerer.name, "?");
    return true;
}

uint16_t LanAnswererPort(const LanAnswerer& answerer) {
    if (answerer.socket < 0) return 0;
    ENetAddress address{};
    if (enet_socket_get_address(answerer.socket, &address) < 0) return 0;
    return address.port;
}

void ServiceLanAnswerer(LanAnswerer& answerer) {
    if (answerer.socket < 0) return;
    uint8_t reply[lanAnswerBytes];
    WriteLanAnswer(answerer.gamePort, answerer.hostId, answerer.name, reply);
    // A bounded number per call: a flood of searches cannot hold up a frame.
    for (int i = 0; i < 32; ++i) {
        uint8_t bytes[64];
        ENetBuffer buffer{bytes, sizeof bytes};
        ENetAddress from{};
        int got = enet_socket_receive(answerer.socket, &from, &buffer, 1);
        if (got <= 0) return;
        if (!IsLanSearch(bytes, static_cast<size_t>(got))) continue;
        ENetBuffer out{reply, sizeof reply};
        enet_socket_send(answerer.socket, &from, &out, 1);
    }
}

void CloseLanAnswerer(LanAnswerer& answerer) {
    if (answerer.socket >= 0) enet_socket_destroy(answerer.socket);
    answerer.socket = -1;
}
