#include "platform/temp_files.h"

#include <dirent.h>
#include <fcntl.h>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cstring>

#include "platform/game_files.h"

namespace {

constexpr const char* randomPart = "XXXXXX";
constexpr size_t randomLength = 6;

}  // namespace

std::string TempTemplateBeside(const std::string& path) {
    const size_t slash = path.rfind('/');
    const size_t nameAt = slash == std::string::npos ? 0 : slash + 1;
    return path.substr(0, nameAt) + "." + path.substr(nameAt) + "." + randomPart;
}

bool IsTempOfWrite(const char* entry, const char* const* names, int count) {
    if (entry == nullptr || entry[0] != '.') return false;
    const size_t length = std::strlen(entry);
    for (int i = 0; i < count; ++i) {
        const size_t nameLength = std::strlen(names[i]);
        // ".", the name, ".", six characters: nothing more, nothing less.
        if (nameLength == 0 || length != 1 + nameLength + 1 + randomLength) continue;
        if (strncasecmp(entry + 1, names[i], nameLength) != 0 || entry[1 + nameLength] != '.') continue;
        bool random = true;
        for (size_t k = length - randomLength; k < length; ++k)
            random = random && std::isalnum(static_cast<unsigned char>(entry[k])) != 0;
        if (random) return true;
    }
    return false;
}

int RemoveWriteLeftovers(const char* gameFolder, const char* const* names, int count) {
    const std::string folder = ResolveGamePath(gameFolder);
    if (folder.empty()) return 0;
    DIR* dir = opendir(folder.c_str());
    if (dir == nullptr) return 0;
    const int fd = dirfd(dir);
    int removed = 0;
    while (const dirent* entry = readdir(dir)) {
        if (!IsTempOfWrite(entry->d_name, names, count)) continue;
        // mkstemp only makes regular files: a folder or a link of that name
        // is someone else's.
        struct stat info;
        if (fstatat(fd, entry->d_name, &info, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(info.st_mode)) continue;
        if (unlinkat(fd, entry->d_name, 0) == 0) ++removed;
    }
    closedir(dir);
    return removed;
}
