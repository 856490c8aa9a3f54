#pragma once
#include <cstdint>

// "Data\ITEM.dat": which of the 50 items the player holds, one byte each,
// 1 unlocked and anything else locked. 50 bytes, no header. The gallery and
// the versus item choice read it; the unlock rules (unlock_rules.h) write it.

constexpr int itemCount = 50;

struct ItemFile {
    uint8_t unlocked[itemCount];  // 1 unlocked, 0 locked
};
static_assert(sizeof(ItemFile) == 50, "the file is the raw record");

// The flags in memory: item n is unlocked when unlockFlags.unlocked[n] is 1.
extern ItemFile unlockFlags;

// What a new player holds: item 0 alone.
void DefaultItemFile(ItemFile& flags);

// Adds the unlocks the file holds to flags and takes none away: only a byte
// of exactly 1 unlocks, a short file unlocks what it holds, a missing file
// nothing. Item 0 is always unlocked. So a flag set in this run whose save
// failed stays set until the run ends.
void ReadItemFile(ItemFile& flags);

// Writes the flags whole and atomically, 1 for an unlocked item and 0 for
// every other value (item 0 always 1). False when the write failed (told on
// standard error).
bool WriteItemFile(const ItemFile& flags);

// How many of the items are unlocked.
int UnlockedCount(const ItemFile& flags);
