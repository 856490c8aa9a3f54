#pragma once
#include "content/game_texts.h"

// Words a table made before the game starts holds for the screen (a key
// guide page, a screen's descriptions by entry): a text of the game's table
// by name, read in the language the game speaks at the moment it is shown,
// so a switch of language needs nothing redone. It reads as a plain C
// string wherever one is asked for. It holds names only: words written in
// place would stay in one language.
struct ScreenWords {
    constexpr ScreenWords(TextName text) : name(text) {}
    operator const char*() const { return Tr(name); }

    TextName name = TextName::count;
};
