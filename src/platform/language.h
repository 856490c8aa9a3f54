#pragma once
#include <cstdint>

// The language the game speaks: every text on screen and every picture that
// carries words. Japanese is the game's own; English is the second set.
enum class Language : int8_t { japanese = 0, english = 1 };
constexpr int languageCount = 2;

Language CurrentLanguage();
void SetLanguage(Language language);

// "ja" or "en": the short name used on the command line, in the player's
// language file and for the folders of the English pictures ("Back\en\").
const char* LanguageCode(Language language);

// "ja" and "en" (nothing else) name a language; false leaves out alone.
bool LanguageFromCode(const char* code, Language& out);

// The desktop's choice, as the C library would take it: the first of
// LC_ALL, LC_MESSAGES and LANG that is set and not empty decides; a value
// starting with "ja" is Japanese, one starting with "en" English, and
// anything else (or nothing set, or "C") the game's own Japanese.
Language LanguageFromLocale(const char* lcAll, const char* lcMessages, const char* lang);
