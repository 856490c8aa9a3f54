#include "netlink/net_game.h"

#include <enet/enet.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <netinet/in.h>
#include <arpa/inet.h>

#include <cstdio>
#include <cstring>

#include "netlink/enet_link.h"
#include "netlink/lan_search.h"

namespace {

EnetLink gameLink;
LanSearch gameSearch;
uint16_t searchPort = lanSearchPort;

}  // namespace

NetLink& netGameLink = gameLink;

void SetLanSearchPort(uint16_t port) { searchPort = port; }

uint16_t LanSearchPort() { return searchPort; }

bool HostNetGame(uint16_t port) { return gameLink.Host(port, searchPort); }

bool JoinNetGame(const char* host, uint16_t port) { return gameLink.Join(host, port); }

void CloseNetGame() { gameLink.Close(); }

bool ServiceNetClosing() { return gameLink.ServiceClosing(); }

const char* NetProblem() { return gameLink.Problem(); }

uint16_t HostedGamePort() { return gameLink.HostedPort(); }

uint64_t NetWireBytesSent() { return gameLink.WireBytesSent(); }

uint64_t NetWireBytesReceived() { return gameLink.WireBytesReceived(); }

int LocalAddresses(char (*out)[48], int max) {
    ifaddrs* list = nullptr;
    if (max <= 0 || getifaddrs(&list) != 0) return 0;
    int count = 0;
    // The network's addresses first; the loopback, which only this machine
    // can reach, last.
    for (int pass = 0; pass < 2; ++pass) {
        for (const ifaddrs* at = list; at != nullptr && count < max; at = at->ifa_next) {
            if (at->ifa_addr == nullptr || at->ifa_addr->sa_family != AF_INET || !(at->ifa_flags & IFF_UP)) continue;
            const bool loopback = (at->ifa_flags & IFF_LOOPBACK) != 0;
            if (loopback != (pass == 1)) continue;
            const auto* address = reinterpret_cast<const sockaddr_in*>(at->ifa_addr);
            if (inet_ntop(AF_INET, &address->sin_addr, out[count], 48) != nullptr) ++count;
        }
    }
    freeifaddrs(list);
    return count;
}

void StartLanSearch() {
    if (EnetReady()) OpenLanSearch(gameSearch, searchPort, true);
}

void StopLanSearch() { CloseLanSearch(gameSearch); }

int LanGamesFound(LanGame* out, int max) {
    ServiceLanSearch(gameSearch, enet_time_get());
    return LanSearchGames(gameSearch, out, max);
}
