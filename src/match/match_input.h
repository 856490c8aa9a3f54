#pragma once
#include <cstdint>

// What each player does in one match step: a bitmask per player. The match
// reads only this record, never the keys, so a step runs the same whether a
// person, a replay, the computer or a network peer filled it in.
enum MatchKeyBit : uint16_t {
    inputUp = 1u << 0,
    inputRight = 1u << 1,
    inputDown = 1u << 2,
    inputLeft = 1u << 3,
    inputSwap = 1u << 4,
    inputSelect = 1u << 5,
    inputDrop = 1u << 6,
    inputExDelete = 1u << 7,
    inputExMaxdelete = 1u << 8,
    inputCancel = 1u << 9,
    inputPause = 1u << 10,
    // Leaving the match (Escape); it is player 0's bit, whoever pressed it.
    inputLeave = 1u << 11,
};
// Every bit a step may carry; anything above is not an input.
constexpr uint16_t inputBitsMask = 0x0FFF;

struct MatchInput {
    uint16_t player[2] = {0, 0};
};
