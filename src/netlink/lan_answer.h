#pragma once
#include <cstdint>

// While a game hosts, the socket that answers the local network's search
// (lan_datagrams.h) with the game's port and this machine's name. It is
// opened with the address reusable, so two games hosting on one machine do
// not fight over the search port (the broadcast reaches both).
struct LanAnswerer {
    int socket = -1;
    uint16_t gamePort = 0;
    uint32_t hostId = 0;
    char name[72] = {};  // the machine's name, whole (the answer cuts it to fit)
};

// Opens the answering socket on searchPort (0: one the system picks). False
// when the port cannot be taken.
bool OpenLanAnswerer(LanAnswerer& answerer, uint16_t searchPort, uint16_t gamePort);
// The port it answers on (the one picked when asked for 0), 0 when closed.
uint16_t LanAnswererPort(const LanAnswerer& answerer);
// Answers every search waiting, never blocking.
void ServiceLanAnswerer(LanAnswerer& answerer);
void CloseLanAnswerer(LanAnswerer& answerer);
