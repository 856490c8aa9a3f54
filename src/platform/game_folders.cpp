#include "platform/game_folders.h"

#include <strings.h>

namespace {

std::string content;
std::string data;

// "/a/b/" and "/a/b" are one folder; paths are joined with a slash of their own.
std::string WithoutTrailingSlash(const std::string& folder) {
    size_t end = folder.size();
    while (end > 1 && folder[end - 1] == '/') --end;
    return folder.substr(0, end);
}

}  // namespace

void SetGameFolders(const std::string& contentFolder, const std::string& dataFolder) {
    content = WithoutTrailingSlash(contentFolder);
    data = WithoutTrailingSlash(dataFolder);
}

const std::string& GameRootFor(const std::string& firstPart, bool& consumed) {
    // The game spells it "Data" and finds it in any case, like every other folder.
    consumed = !data.empty() && strcasecmp(firstPart.c_str(), "Data") == 0;
    return consumed ? data : content;
}

const std::string& ContentFolder() { return content; }

const std::string& PlayerDataFolder() { return data; }
