#include "app/content_lookup.h"

#include <dirent.h>
#include <strings.h>
#include <sys/stat.h>

#include <algorithm>

namespace {

bool HoldsFolderIgnoringCase(const std::string& folder, const char* name) {
    DIR* dir = opendir(folder.c_str());
    if (dir == nullptr) return false;
    bool found = false;
    while (const dirent* entry = readdir(dir)) {
        if (strcasecmp(entry->d_name, name) != 0) continue;
        struct stat info;
        const std::string path = folder + "/" + entry->d_name;
        if (stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode)) found = true;
    }
    closedir(dir);
    return found;
}

// "/usr/bin/../share/sumline" as "/usr/share/sumline", so the line names
// folders a player recognises; a path without ".." is kept as it is.
std::string WithoutClimbs(const std::string& path) {
    std::vector<std::string> parts;
    size_t start = 0;
    while (start <= path.size()) {
        size_t slash = path.find('/', start);
        if (slash == std::string::npos) slash = path.size();
        const std::string part = path.substr(start, slash - start);
        if (part == "..") {
            if (!parts.empty()) parts.pop_back();
        } else if (!part.empty() && part != ".") {
            parts.push_back(part);
        }
        start = slash + 1;
    }
    std::string joined;
    for (const std::string& part : parts) joined += "/" + part;
    if (path.empty() || path[0] != '/') return joined.empty() ? "." : joined.substr(1);
    return joined.empty() ? "/" : joined;
}

}  // namespace

std::vector<std::string> ContentCandidates(const std::string& executableFolder, const std::string& installedFolder) {
    std::vector<std::string> candidates;
    const auto add = [&candidates](const std::string& folder) {
        if (folder.empty()) return;
        const std::string tidy = WithoutClimbs(folder);
        if (std::find(candidates.begin(), candidates.end(), tidy) == candidates.end()) candidates.push_back(tidy);
    };
    if (!executableFolder.empty()) {
        add(executableFolder);
        // An executable in a games folder is laid out the Debian way: its own
        // content comes first, before a plain install that may share the prefix.
        const std::string plain = executableFolder + "/../share/sumline";
        const std::string games = executableFolder + "/../share/games/sumline";
        const std::string own = WithoutClimbs(executableFolder);
        const bool inGames = own.substr(own.rfind('/') + 1) == "games";
        add(inGames ? games : plain);
        add(inGames ? plain : games);
    }
    add(installedFolder);
    return candidates;
}

bool HoldsContent(const std::string& folder) {
    return HoldsFolderIgnoringCase(folder, "Back") && HoldsFolderIgnoringCase(folder, "Sound");
}

std::string FindContent(const std::vector<std::string>& candidates) {
    for (const std::string& folder : candidates) {
        if (HoldsContent(folder)) return folder;
    }
    return std::string();
}

std::string ContentMissingLine(const std::vector<std::string>& candidates) {
    std::string line = "sumline: the game's pictures and sounds (Back/ and Sound/) were not found; looked in ";
    for (size_t i = 0; i < candidates.size(); ++i) line += (i == 0 ? "" : ", ") + candidates[i];
    return line;
}
