#pragma once
#include <cstdint>

#include "shell/game_mode.h"
#include "shell/key_guide.h"

// The first time a player starts each of the five playing modes (endless,
// versus, puzzle, practice and the editor: the first five game modes), its
// key guide opens by itself, once. Which ones have been shown is kept in a
// small file of its own in the player's folder, beside the game's data
// files and apart from them: one byte per mode, 1 once shown.

inline constexpr const char* seenGuidesFile = "Data\\Guides.dat";
constexpr int firstRunModeCount = 5;

// Shown already, per mode (in memory; the file is read at start-up).
extern int8_t guideSeen[firstRunModeCount];

// Start-up: what the file says. A file missing, of another size or holding
// anything but 0 and 1 counts as nothing shown yet; the leftover of a write
// cut short is removed first.
void ReadSeenGuides();

// The mode starts: the first time, its guide (page) opens as soon as no wipe
// runs, and the file is written at once, so the guide never shows again,
// after a restart either. True when it opens.
bool OpenFirstRunGuide(GameMode mode, const KeyGuidePage* page);

// Every mode counted as shown, or none (in memory only).
void MarkAllGuidesSeen();
void ForgetSeenGuides();
