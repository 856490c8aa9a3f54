#pragma once

// Every record of the platform back to its process start: game paths led
// from the working directory again, sheet and sound slots empty, the sound
// cache cleared, no unreadable file named yet, a black back buffer and
// palette, no wipe, the background scroll at 0, the clocks and present count
// at 0.
void ResetPlatformRecords();
