#pragma once
#include <cstdint>

#include "platform/language.h"

// Every text the game shows, by name, in each language it speaks. The rows
// live in the texts_*.inc files beside this one, one file per part of the
// game, each row
//
//   GAME_TEXT(Name, "日本語", "English")
//
// Drawing code asks for a text by its name (Tr(TextName::Name)) and never
// holds the words itself; the test run checks that every row has both
// texts, that both ask for the same printf values in the same order, and
// that no literal words are left in the game's code.
//
// A run of numbered texts (the items' names, say) is a run of rows in order;
// TextAfter(first, i) names the i-th after the first.
enum class TextName : int16_t {
#define GAME_TEXT(name, ja, en) name,
#include "content/texts_front_end.inc"
#include "content/texts_match.inc"
#include "content/texts_setup.inc"
#include "content/texts_items.inc"
#include "content/texts_online.inc"
#undef GAME_TEXT
    count
};
constexpr int textNameCount = static_cast<int>(TextName::count);

// The text in the language the game speaks now.
const char* Tr(TextName name);
// The text in a given language (the tests and the language switch).
const char* TextIn(Language language, TextName name);
// The row's name as written in the table ("OptionsSavePrompt"); for tests
// and messages.
const char* TextNameSpelling(TextName name);

constexpr TextName TextAfter(TextName first, int offset) {
    return static_cast<TextName>(static_cast<int>(first) + offset);
}
