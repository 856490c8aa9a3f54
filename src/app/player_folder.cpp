#include "app/player_folder.h"

#include <dirent.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

#include "platform/game_files.h"
#include "shell/data_files.h"

namespace {

// Larger than any file the game writes by far; a default that big is not one.
constexpr size_t largestCopied = 16u << 20;

bool IsRegularFile(const std::string& path) {
    struct stat info;
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

std::string Absolute(const std::string& path) {
    if (!path.empty() && path[0] == '/') return path;
    char here[4096];
    if (getcwd(here, sizeof here) == nullptr) return path;
    return std::string(here) + "/" + path;
}

// The XDG base folder for data, by the freedesktop base-directory rules:
// a relative $XDG_DATA_HOME counts as unset.
std::string UserDataHome(const char* (*environment)(const char*)) {
    const char* xdg = environment("XDG_DATA_HOME");
    if (xdg != nullptr && xdg[0] == '/') return xdg;
    const char* home = environment("HOME");
    if (home == nullptr || home[0] == '\0') {
        const passwd* user = getpwuid(getuid());
        home = user != nullptr ? user->pw_dir : "/tmp";
    }
    return std::string(home) + "/.local/share";
}

// Every missing folder of the path, parents first.
bool MakeFolderPath(const std::string& folder, int& error) {
    for (size_t slash = folder.find('/', 1);; slash = folder.find('/', slash + 1)) {
        const std::string part = folder.substr(0, slash);
        if (mkdir(part.c_str(), 0755) != 0 && errno != EEXIST) {
            error = errno;
            return false;
        }
        if (slash == std::string::npos) break;
    }
    struct stat info;
    if (stat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) {
        error = ENOTDIR;
        return false;
    }
    return true;
}

// Copies one file whole, through a temporary file; a file that cannot be
// read is left out, as if it were not there.
bool CopyFile(const std::string& from, const std::string& to) {
    std::string bytes;
    if (!ReadWholeDiskFile(from, bytes, largestCopied)) return false;
    return WriteDiskFileAtomic(to, bytes.data(), bytes.size());
}

std::vector<std::string> RegularFilesIn(const std::string& folder) {
    std::vector<std::string> names;
    DIR* dir = opendir(folder.c_str());
    if (dir == nullptr) return names;
    while (const dirent* entry = readdir(dir)) {
        if (entry->d_name[0] == '.') continue;
        if (IsRegularFile(folder + "/" + entry->d_name)) names.push_back(entry->d_name);
    }
    closedir(dir);
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace

PlayerFolderChoice ChoosePlayerFolder(const std::string& dataDirOption, const std::string& executableFolder,
                                      const char* (*environment)(const char*)) {
    if (!dataDirOption.empty()) return {Absolute(dataDirOption), PlayerFolderChoice::Why::dataDirOption};
    const std::string beside = executableFolder + "/Data";
    if (!executableFolder.empty() && IsRegularFile(beside + "/" + portableMarker)) {
        return {beside, PlayerFolderChoice::Why::portable};
    }
    return {UserDataHome(environment) + "/sumline/Data", PlayerFolderChoice::Why::userData};
}

std::string ReplayFolderOf(const PlayerFolderChoice& choice) {
    if (choice.why == PlayerFolderChoice::Why::dataDirOption) return choice.folder + "/Replays";
    const size_t slash = choice.folder.rfind('/');
    return slash == std::string::npos ? "Replays" : choice.folder.substr(0, slash) + "/Replays";
}

bool PreparePlayerFolder(const std::string& folder, const std::string& legacyFolder,
                         const std::string& defaultsFolder, std::string& problem) {
    struct stat info;
    if (stat(folder.c_str(), &info) == 0) {
        if (S_ISDIR(info.st_mode)) return true;
        problem = "sumline: cannot keep saved games in " + folder + ": it is not a folder";
        return false;
    }
    int error = 0;
    if (!MakeFolderPath(folder, error)) {
        problem = "sumline: cannot create the folder for saved games " + folder + ": " + std::strerror(error);
        return false;
    }
    std::string copied;
    if (!legacyFolder.empty() && legacyFolder != folder) {
        for (const char* name : gameDataFiles) {
            const std::string from = legacyFolder + "/" + name;
            if (IsRegularFile(from) && CopyFile(from, folder + "/" + name)) copied += std::string(" ") + name;
        }
    }
    for (const std::string& name : RegularFilesIn(defaultsFolder)) {
        if (!IsRegularFile(folder + "/" + name)) CopyFile(defaultsFolder + "/" + name, folder + "/" + name);
    }
    // One line, once: where the player's files are from now on.
    if (copied.empty()) {
        std::fprintf(stderr, "sumline: saved games are kept in %s\n", folder.c_str());
    } else {
        std::fprintf(stderr, "sumline: saved games are kept in %s (copied%s from %s, which is left as it was)\n",
                     folder.c_str(), copied.c_str(), legacyFolder.c_str());
    }
    return true;
}
