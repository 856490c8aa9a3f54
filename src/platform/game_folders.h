#pragma once
#include <string>

// Where game paths lead. Until the executable names the folders, both are
// the working directory, as the game was first made to run ("Back\Title.bmp"
// and "Data\ED.dat" looked up from wherever it started); the tests and tools
// rely on that. The executable names them at start-up, once it has found
// them: the content folder for the pictures and sounds, and the player's
// data folder, which stands in for "Data\" itself.

// Both given as disk paths; an empty one means the working directory.
void SetGameFolders(const std::string& contentFolder, const std::string& dataFolder);

// The disk folder a game path's first component leads into, or empty for
// the working directory. consumed says whether that component is the
// folder itself (true for "Data" once a data folder is named).
const std::string& GameRootFor(const std::string& firstPart, bool& consumed);

// What SetGameFolders was given last (empty at start).
const std::string& ContentFolder();
const std::string& PlayerDataFolder();
