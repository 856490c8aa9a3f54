#pragma once
#include <cstdint>

#include "netlink/net_game.h"

// The joiner's side of the local network's search: a search datagram to the
// broadcast address and to 127.0.0.1 (so a game hosted on this machine is
// found too) about once a second, and the answers kept for a few seconds.
constexpr uint32_t lanSearchEveryMs = 1000;
constexpr uint32_t lanAnswerKeptMs = 3500;
constexpr int lanGamesMax = 16;

struct LanSearch {
    struct Entry {
        LanGame game;
        uint32_t hostId = 0;
        uint32_t heardMs = 0;
        bool used = false;
    };
    int socket = -1;
    uint16_t searchPort = 0;
    bool broadcast = false;
    bool searched = false;  // a search has gone out since opening
    uint32_t searchedMs = 0;
    Entry entries[lanGamesMax];
};

// Opens the searching socket; the searches go to searchPort, on the
// loopback and, when broadcast, to the whole local network. False when no
// socket can be had.
bool OpenLanSearch(LanSearch& search, uint16_t searchPort, bool broadcast);
// Sends the search when it is due, takes in the answers waiting and forgets
// those older than lanAnswerKeptMs; never blocks. nowMs is any millisecond
// clock (differences only).
void ServiceLanSearch(LanSearch& search, uint32_t nowMs);
// Takes in one answer from address (dotted), heard at nowMs: a game already
// listed (the same host id) is refreshed, and its address becomes the
// network's one rather than the loopback when both are heard.
void HeardLanAnswer(LanSearch& search, const uint8_t* data, size_t size, const char* address, uint32_t nowMs);
// The games heard lately, at most max; each keeps its place while it is heard.
int LanSearchGames(const LanSearch& search, LanGame* out, int max);
void CloseLanSearch(LanSearch& search);
