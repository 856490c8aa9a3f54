#pragma once
#include "content/game_texts.h"

// Words a table made before the game starts holds for the screen (a key
// guide page, a screen's descriptions by entry): a text of the game's table
// by name, read in the language the game speaks at the moment it is shown,
// so a switch of language needs nothing redone. It reads as a plain C
// string wherever one is asked for.
//
// Words written in place are shown as they are: the pages of screens whose
// words have not moved to the table yet.
struct ScreenWords {
    constexpr ScreenWords(TextName text) : name(text) {}
    constexpr ScreenWords(const char* words) : held(words) {}
    operator const char*() const { return held != nullptr ? held : Tr(name); }

    TextName name = TextName::count;
    const char* held = nullptr;
};
