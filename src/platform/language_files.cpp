#include "platform/language_files.h"

#include <strings.h>

#include <cstring>

#include "platform/language.h"

namespace {

// The folders whose files carry words; letter case ignored, either slash.
constexpr const char* translatedFolders[] = {"Back", "Text"};

}  // namespace

bool LanguageTwinPath(const char* gamePath, std::string& twin) {
    if (gamePath == nullptr || CurrentLanguage() == Language::japanese) return false;
    for (const char* folder : translatedFolders) {
        const size_t length = std::strlen(folder);
        if (strncasecmp(gamePath, folder, length) != 0) continue;
        const char separator = gamePath[length];
        if (separator != '\\' && separator != '/') continue;
        twin.assign(gamePath, length + 1);
        twin += LanguageCode(CurrentLanguage());
        twin += separator;
        twin += gamePath + length + 1;
        return true;
    }
    return false;
}
