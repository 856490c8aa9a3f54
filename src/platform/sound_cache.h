#pragma once
#include "platform/sound.h"

// The decoded sound for a game path: read, converted and kept on first use,
// afterwards found again without touching the disk (also for the other
// spellings of the same file). nullptr when the file is missing, unusable or
// too large by its headers (then never read whole); that answer is
// remembered as well, and the file named once on standard error.
SoundPcm* FindOrLoadSound(const char* gamePath);
// Frees the cache; only at process end or between tests.
void ClearSoundCache();

