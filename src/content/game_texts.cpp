#include "content/game_texts.h"

namespace {

// [language][name]; the rows' order is the enumeration's.
constexpr const char* texts[languageCount][textNameCount + 1] = {
    {
#define GAME_TEXT(name, ja, en) ja,
#include "content/texts_front_end.inc"
#include "content/texts_match.inc"
#include "content/texts_setup.inc"
#include "content/texts_items.inc"
#include "content/texts_online.inc"
#undef GAME_TEXT
        "",
    },
    {
#define GAME_TEXT(name, ja, en) en,
#include "content/texts_front_end.inc"
#include "content/texts_match.inc"
#include "content/texts_setup.inc"
#include "content/texts_items.inc"
#include "content/texts_online.inc"
#undef GAME_TEXT
        "",
    },
};

constexpr const char* spellings[textNameCount + 1] = {
#define GAME_TEXT(name, ja, en) #name,
#include "content/texts_front_end.inc"
#include "content/texts_match.inc"
#include "content/texts_setup.inc"
#include "content/texts_items.inc"
#include "content/texts_online.inc"
#undef GAME_TEXT
    "",
};

int IndexOf(TextName name) {
    const int index = static_cast<int>(name);
    return index >= 0 && index < textNameCount ? index : textNameCount;
}

}  // namespace

const char* TextIn(Language language, TextName name) {
    return texts[language == Language::english ? 1 : 0][IndexOf(name)];
}

const char* Tr(TextName name) { return TextIn(CurrentLanguage(), name); }

const char* TextNameSpelling(TextName name) { return spellings[IndexOf(name)]; }
