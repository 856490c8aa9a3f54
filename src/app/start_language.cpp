#include "app/start_language.h"

Language StartLanguage(bool optionGiven, Language option, bool saved, Language savedChoice,
                       const char* (*environment)(const char* name)) {
    if (optionGiven) return option;
    if (saved) return savedChoice;
    return LanguageFromLocale(environment("LC_ALL"), environment("LC_MESSAGES"), environment("LANG"));
}
