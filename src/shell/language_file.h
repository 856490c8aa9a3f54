#pragma once
#include <cstddef>

#include "platform/language.h"

// The language the player chose on the options screen is kept in a small
// text file of its own in the player's folder ("ja" or "en" and a line
// end), beside the data files: OD.dat stays its five bytes. No file means
// no choice yet, and the desktop's locale decides.
inline constexpr const char* languageFile = "Data\\Language.txt";

// The saved choice; false when there is none, or the file says anything
// but "ja" or "en" (spaces and line ends around it are let be).
bool ReadLanguageFile(Language& out);

// Keeps the choice, written whole through a temporary file; false when it
// cannot be written.
bool WriteLanguageFile(Language language);

// What the file's text says, on its own for the tests.
bool ParseLanguageText(const char* text, size_t length, Language& out);
