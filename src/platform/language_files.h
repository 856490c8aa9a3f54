#pragma once
#include <string>

// The pictures and the puzzles' words exist once per language: the game's
// own in "Back\" and "Text\", the English beside them in "Back\en\" and
// "Text\en\". The loaders ask for the Japanese path and read the twin of the
// language in force, falling back to the Japanese file when the twin cannot
// be read (ReportUnreadableFile names the twin once).

// The twin of gamePath in the language in force: "Back\en\Title.bmp" for
// "Back\Title.bmp" while the game speaks English. False (twin untouched) in
// Japanese and for paths outside Back and Text.
bool LanguageTwinPath(const char* gamePath, std::string& twin);
