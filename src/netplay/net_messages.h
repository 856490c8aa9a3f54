#pragma once
#include <cstddef>
#include <cstdint>

#include "match/match_start.h"

// Everything two games say to each other, and its bytes. A message from the
// peer is untrusted: DecodeNetMessage checks its kind, its size to the byte,
// every count and every value against its range before anything reads it,
// and refuses the whole message otherwise (the session then drops the peer).
// The first byte is the kind; integers are little-endian.

// Raised whenever a message's meaning changes: two games speak only when
// they agree on it, besides their versions and builds.
constexpr uint16_t netProtocolVersion = 1;

// The most input steps one inputs message carries (all the peer has not yet
// acknowledged, up to the rollback window and the input delay and a margin).
constexpr int netInputsMax = 32;

enum class NetKind : uint8_t {
    hello = 1,     // reliable, first thing both sides send
    profile,       // reliable: the sender's own set-up, each time it is decided
    accept,        // reliable: the sender's answer on the confirmation
    start,         // reliable, host to joiner: the match's start record
    inputs,        // unsequenced: the sender's inputs from firstStep on
    checksum,      // reliable: the state's checksum after a confirmed step
    rematch,       // reliable: the sender's answer to 「もう一度しますか？」
    bye,           // reliable: the sender is leaving
};

struct HelloMessage {
    uint16_t protocol = netProtocolVersion;
    char version[16] = {};  // the game's version ("1.0.0"), NUL-terminated
    char build[24] = {};    // what else must match for the same steps (see the session)
};

struct ProfileMessage {
    int8_t params[5] = {};       // EX, SPEED, LUCK, CHAIN, LOCK
    int8_t items[2] = {-1, -1};  // -1 empty
    int8_t itemUseOff = 0;
};

struct AcceptMessage {
    int8_t choice = 0;  // 0 accept, 1 redo
};

struct StartMessage {
    MatchStart start;  // field by field, each checked as a replay's start is
};

struct InputsMessage {
    uint32_t firstStep = 0;         // the step of bits[0]
    uint8_t count = 0;              // 1..netInputsMax
    uint16_t bits[netInputsMax] = {};  // the sender's own bits (inputBitsMask)
    uint32_t ackStep = 0;           // the sender has every input of ours before this step
    uint32_t presentStep = 0;       // the step the sender is running now (time sync)
};

struct ChecksumMessage {
    uint32_t step = 0;  // the checksum is of the state after this step
    uint64_t sum = 0;
};

struct RematchMessage {
    int8_t yes = 0;
};

struct ByeMessage {
    int8_t reason = 0;  // 0 left, 1 out of step, 2 refused (other version)
};

struct NetMessage {
    NetKind kind = NetKind::bye;
    HelloMessage hello;
    ProfileMessage profile;
    AcceptMessage accept;
    StartMessage start;
    InputsMessage inputs;
    ChecksumMessage checksum;
    RematchMessage rematch;
    ByeMessage bye;
};

// The bytes of message's part for its kind into out (room for capacity
// bytes); returns the length, or 0 when it does not fit.
size_t EncodeNetMessage(const NetMessage& message, uint8_t* out, size_t capacity);

// Reads one message. False, leaving nothing trusted in message, when the
// bytes are not exactly one well-formed message of a known kind.
bool DecodeNetMessage(const uint8_t* data, size_t size, NetMessage& message);
