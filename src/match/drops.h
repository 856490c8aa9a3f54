#pragma once
#include <cstdint>

// The order in which columns receive generated panels.
constexpr int8_t dropColumnOrder[7] = {2, 6, 0, 3, 5, 4, 1};

// One step of p's batch from above: generate, warn, fall.
void RunDrop(int p, int count, int announce);
// The drop-request key of p (A / I). Returns false when the rest of the
// player's step must be skipped.
bool DropRequestKey(int p);

// The batch from above holds at most five rows of seven; more waits behind it.
constexpr int dropBatchMax = 35;

// How panels join a player's queue from above.
enum class DropRule : int8_t {
    // Missed lines and the attack meter: into the batch when none is active,
    // else behind it.
    behindBatch,
    // The drop-request key and the level bonus: into the batch now, falling
    // without the NEXT warning.
    atOnce,
    // The limit running out: like behindBatch, but timeouts alone never stack
    // more than five rows behind the batch.
    timeout,
    // A versus chain on the opponent: a new batch when none is pending, else
    // it replaces what waits behind.
    chainAttack,
};

// The one way into p's queue from above. Nothing to queue leaves it as it is.
void QueueDrop(int p, int amount, DropRule rule = DropRule::behindBatch);

// Adds to a signed-byte counter, saturating at 127 instead of wrapping.
int8_t SaturatingAdd(int8_t value, int amount);

// --- drop_fall.cpp
// The falling phase of RunDrop: one step of the batch coming down.
void FallDropBatch(int p);
