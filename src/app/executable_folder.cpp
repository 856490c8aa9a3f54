#include "app/executable_folder.h"

#include <unistd.h>

std::string ExecutableFolder() {
    char path[4096];
    const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
    if (length <= 0) return std::string();
    const std::string executable(path, static_cast<size_t>(length));
    const size_t slash = executable.rfind('/');
    if (slash == std::string::npos) return std::string();
    return slash == 0 ? "/" : executable.substr(0, slash);
}
