#include "shell/language_file.h"

#include <cstddef>
#include <cstring>
#include <string>

#include "platform/game_files.h"

namespace {

// "en\n" and a little room for an editor's spaces; anything longer is not ours.
constexpr size_t maxFileBytes = 64;

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

}  // namespace

bool ParseLanguageText(const char* text, size_t length, Language& out) {
    size_t first = 0, last = length;
    while (first < last && IsBlank(text[first])) ++first;
    while (last > first && IsBlank(text[last - 1])) --last;
    char code[3] = {};
    if (last - first != 2) return false;
    std::memcpy(code, text + first, 2);
    return LanguageFromCode(code, out);
}

bool ReadLanguageFile(Language& out) {
    constexpr const char* names[1] = {"Language.txt"};
    RemoveWriteLeftovers("Data", names, 1);
    std::string text;
    if (!ReadWholeGameFile(languageFile, text, maxFileBytes)) return false;
    return ParseLanguageText(text.data(), text.size(), out);
}

bool WriteLanguageFile(Language language) {
    char text[4] = {};
    std::memcpy(text, LanguageCode(language), 2);
    text[2] = '\n';
    return WriteGameFileAtomic(languageFile, text, 3);
}
