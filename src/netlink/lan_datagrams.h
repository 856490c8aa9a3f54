#pragma once
#include <cstddef>
#include <cstdint>

// The two datagrams of the local network's search. A joiner broadcasts the
// search; every game that hosts answers with its game port and its machine's
// name. Both have a fixed size, a magic and the search's own protocol
// number, so a datagram of anything else (or of another way of searching)
// is simply not one of ours. An answer comes from anyone on the network: it
// is read only through ReadLanAnswer, which trusts none of it.

constexpr uint16_t lanSearchProtocol = 1;
constexpr size_t lanSearchBytes = 8;   // magic, protocol, two zero bytes
constexpr size_t lanAnswerBytes = 44;  // magic, protocol, port, host id, name
constexpr size_t lanNameBytes = 32;    // the name NUL-terminated, zero-padded

struct LanAnswer {
    uint16_t port = 0;      // the game's port on the answering machine
    uint32_t hostId = 0;    // chosen when hosting starts: one game seen twice is one game
    char name[lanNameBytes] = {};
};

void WriteLanSearch(uint8_t (&out)[lanSearchBytes]);
bool IsLanSearch(const uint8_t* data, size_t size);

// The answer's bytes; a name (of any length) too long for the record is cut
// at a whole character, and characters that do not belong in a name become
// '?'.
void WriteLanAnswer(uint16_t port, uint32_t hostId, const char* name, uint8_t (&out)[lanAnswerBytes]);

// True, with answer filled, when data is exactly an answer of this search:
// the right size, magic and protocol, a port other than 0, and a name that
// is NUL-terminated within its record, zero after that, not empty, valid
// UTF-8 and free of control characters.
bool ReadLanAnswer(const uint8_t* data, size_t size, LanAnswer& answer);
