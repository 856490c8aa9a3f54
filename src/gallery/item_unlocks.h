#pragma once
#include "gallery/unlock_rules.h"

// Winning items at the end of a match, a practice session or a solve: the
// flags in memory take the file's, the achievements unlock what they meet,
// and the file is written once when anything new was won. Never during
// play: the callers run it at the result screen or on leaving.

struct UnlockOutcome {
    NewItems added;
    bool saved = true;  // false when the file could not be written
};

UnlockOutcome UnlockItems(const Achievements& achieved);
