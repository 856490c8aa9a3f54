#include "netlink/lan_search.h"

#include <enet/enet.h>

#include <cstring>

#include "netlink/lan_datagrams.h"

namespace {

void SendSearch(LanSearch& search, uint32_t hostOrder) {
    uint8_t bytes[lanSearchBytes];
    WriteLanSearch(bytes);
    ENetAddress to{};
    to.host = hostOrder == ENET_HOST_BROADCAST ? ENET_HOST_BROADCAST : ENET_HOST_TO_NET_32(hostOrder);
    to.port = search.searchPort;
    ENetBuffer buffer{bytes, sizeof bytes};
    // No network but the loopback: the broadcast fails, the rest still works.
    enet_socket_send(search.socket, &to, &buffer, 1);
}

}  // namespace

bool OpenLanSearch(LanSearch& search, uint16_t searchPort, bool broadcast) {
    CloseLanSearch(search);
    ENetSocket socket = enet_socket_create(ENET_SOCKET_TYPE_DATAGRAM);
    if (socket == ENET_SOCKET_NULL) return false;
    enet_socket_set_option(socket, ENET_SOCKOPT_NONBLOCK, 1);
    if (broadcast) enet_socket_set_option(socket, ENET_SOCKOPT_BROADCAST, 1);
    ENetAddress any{};
    any.host = ENET_HOST_ANY;
    any.port = 0;
    if (enet_socket_bind(socket, &any) < 0) {
        enet_socket_destroy(socket);
        return false;
    }
    search = LanSearch{};
    search.socket = socket;
    search.searchPort = searchPort;
    search.broadcast = broadcast;
    return true;
}

void HeardLanAnswer(LanSearch& search, const uint8_t* data, size_t size, const char* address, uint32_t nowMs) {
    LanAnswer answer;
    if (!ReadLanAnswer(data, size, answer)) return;
    const bool loopback = std::strncmp(address, "127.", 4) == 0;
    LanSearch::Entry* slot = nullptr;
    for (auto& entry : search.entries)
        if (entry.used && entry.hostId == answer.hostId && entry.game.port == answer.port) slot = &entry;
    if (slot == nullptr) {
        for (auto& entry : search.entries)
            if (!entry.used) {
                slot = &entry;
                break;
            }
        if (slot == nullptr) return;  // full: the rest wait for a place
        *slot = LanSearch::Entry{};
        slot->used = true;
        slot->hostId = answer.hostId;
        slot->game.port = answer.port;
        std::strncpy(slot->game.address, address, sizeof slot->game.address - 1);
    } else if (!loopback) {
        std::strncpy(slot->game.address, address, sizeof slot->game.address - 1);
    }
    std::memcpy(slot->game.name, answer.name, sizeof slot->game.name);
    slot->heardMs = nowMs;
}

void ServiceLanSearch(LanSearch& search, uint32_t nowMs) {
    for (auto& entry : search.entries)
        if (entry.used && nowMs - entry.heardMs > lanAnswerKeptMs) entry.used = false;
    if (search.socket < 0) return;
    if (!search.searched || nowMs - search.searchedMs >= lanSearchEveryMs) {
        if (search.broadcast) SendSearch(search, ENET_HOST_BROADCAST);
        SendSearch(search, 0x7F000001u);
        search.searched = true;
        search.searchedMs = nowMs;
    }
    for (int i = 0; i < 64; ++i) {
        uint8_t bytes[128];
        ENetBuffer buffer{bytes, sizeof bytes};
        ENetAddress from{};
        int got = enet_socket_receive(search.socket, &from, &buffer, 1);
        if (got == 0) break;
        if (got < 0) continue;  // too long to be an answer, or an error reported for an earlier send
        char address[48] = {};
        if (enet_address_get_host_ip(&from, address, sizeof address) < 0) continue;
        HeardLanAnswer(search, bytes, static_cast<size_t>(got), address, nowMs);
    }
}

int LanSearchGames(const LanSearch& search, LanGame* out, int max) {
    int count = 0;
    for (const auto& entry : search.entries)
        if (entry.used && count < max) out[count++] = entry.game;
    return count;
}

void CloseLanSearch(LanSearch& search) {
    if (search.socket >= 0) enet_socket_destroy(search.socket);
    search = LanSearch{};
}
