#include "gallery/item_unlocks.h"

UnlockOutcome UnlockItems(const Achievements& achieved) {
    UnlockOutcome outcome;
    // The file may hold unlocks this run has not read yet; none is lost.
    ReadItemFile(unlockFlags);
    if (ApplyAchievements(achieved, unlockFlags, outcome.added) > 0) outcome.saved = WriteItemFile(unlockFlags);
    return outcome;
}
