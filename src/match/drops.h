#pragma once
#include <cstdint>

// The order in which columns receive generated panels.
constexpr int8_t dropColumnOrder[7] = {2, 6, 0, 3, 5, 4, 1};

// One step of p's batch from above: generate, warn, fall.
void RunDrop(int p, int count, int announce);
// The drop-request key of p (A / I). Returns false when the rest of the
// player's step must be skipped.
bool DropRequestKey(int p);

// Queues panels for p as missed lines, timeouts, the attack meter and the
// bonuses do: into the batch when none is active, else behind it.
void QueueDrop(int p, int amount);
// The falling phase of RunDrop: one step of the batch coming down.
void FallDropBatch(int p);

// Adds to a signed-byte counter, saturating at 127 instead of wrapping.
int8_t SaturatingAdd(int8_t value, int amount);
