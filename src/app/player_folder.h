#pragma once
#include <string>

// Where the player's files (the game's "Data\") are kept, so that removing
// or rebuilding the game never takes a ranking with it:
//   --data-dir DIR                   DIR, as the player asked;
//   a Data folder beside the game    that folder, when it holds the file
//   holding a file named "portable"  "portable" (a game carried on a stick);
//   otherwise                        $XDG_DATA_HOME/sumline/Data, by default
//                                    ~/.local/share/sumline/Data.
struct PlayerFolderChoice {
    std::string folder;
    enum class Why { dataDirOption, portable, userData };
    Why why = Why::userData;
};

// The marker that makes a Data folder beside the executable the player's.
inline constexpr const char* portableMarker = "portable";

// environment: getenv-like lookup, so tests can give their own.
PlayerFolderChoice ChoosePlayerFolder(const std::string& dataDirOption, const std::string& executableFolder,
                                      const char* (*environment)(const char*));

// Where the replays of the matches are kept: Replays beside the Data folder
// (~/.local/share/sumline/Replays, or beside a portable game's Data), and
// inside the folder --data-dir names, which holds everything of the player's.
std::string ReplayFolderOf(const PlayerFolderChoice& choice);

// Makes the chosen folder ready. A folder that is not there yet is created
// and filled: first with the game's files from an older build's Data beside
// the executable (legacyFolder; copied, never moved or deleted), then with
// the shipped defaults (defaultsFolder) for whatever is still missing. A
// folder already there is left as it is. False, with one line in problem,
// when the folder cannot be made.
bool PreparePlayerFolder(const std::string& folder, const std::string& legacyFolder,
                         const std::string& defaultsFolder, std::string& problem);
