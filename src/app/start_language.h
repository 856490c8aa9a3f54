#pragma once
#include "platform/language.h"

// The language a run starts in: --language for this run; else the choice
// saved on the options screen; else the desktop's locale (LC_ALL,
// LC_MESSAGES, LANG), Japanese unless it says English.
Language StartLanguage(bool optionGiven, Language option, bool saved, Language savedChoice,
                       const char* (*environment)(const char* name));
