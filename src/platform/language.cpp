#include "platform/language.h"

#include <cstring>

namespace {

Language currentLanguage = Language::japanese;

}  // namespace

Language CurrentLanguage() { return currentLanguage; }

void SetLanguage(Language language) {
    currentLanguage = language == Language::english ? Language::english : Language::japanese;
}

const char* LanguageCode(Language language) { return language == Language::english ? "en" : "ja"; }

bool LanguageFromCode(const char* code, Language& out) {
    if (code == nullptr) return false;
    if (std::strcmp(code, "ja") == 0) {
        out = Language::japanese;
        return true;
    }
    if (std::strcmp(code, "en") == 0) {
        out = Language::english;
        return true;
    }
    return false;
}

Language LanguageFromLocale(const char* lcAll, const char* lcMessages, const char* lang) {
    // The C library's order: the first variable that says anything wins,
    // even when what it says is not a language we have.
    const char* const order[3] = {lcAll, lcMessages, lang};
    for (const char* value : order) {
        if (value == nullptr || value[0] == '\0') continue;
        if (std::strncmp(value, "en", 2) == 0) return Language::english;
        return Language::japanese;
    }
    return Language::japanese;
}
