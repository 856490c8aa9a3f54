#include "platform/temp_files.h"

#include <strings.h>

#include <cctype>
#include <cstring>


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
