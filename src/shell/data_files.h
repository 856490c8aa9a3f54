#pragma once

// The files the game keeps in "Data\": the options (OD.dat), the endless
// ranking (ED.dat), the puzzle problems (PZL.dat), the puzzle progress
// (CLEAR.dat) and the items won (ITEM.dat). Each is written whole through a
// temporary file beside it.
inline constexpr const char* gameDataFiles[] = {"OD.dat", "ED.dat", "PZL.dat", "CLEAR.dat", "ITEM.dat"};
inline constexpr int gameDataFileCount = sizeof gameDataFiles / sizeof gameDataFiles[0];

// Removes the temporary files that writes of those files cut short left in
// "Data\" (".ED.dat.a1B2c3"), and nothing else there. Start-up calls it,
// before any write can be under way.
void RemoveDataLeftovers();
