#pragma once
#include "platform/language.h"

// Every word the sheets carry, by name, in the language of the sheets being
// drawn: the game's own Japanese set in Back/, the English twin in Back/en/.
// The rows live in sheet_words.inc, both languages side by side.

enum class SheetWord : int {
#define SHEET_WORD(name, japanese, english) name,
#include "contentgen/sheet_words.inc"
#undef SHEET_WORD
    count
};

// The language the following sheets are drawn in (Japanese at start).
void SetSheetLanguage(Language language);
Language SheetLanguage();

// The word in the sheets' language.
const char* Word(SheetWord word);
// The i-th word from first on (a run of rows such as the mode names).
SheetWord WordAfter(SheetWord first, int i);
// True for a word of the English column (by where it lives, not by its
// letters): those words are set in the
// Latin face (LabelInk), while letters drawn one by one keep theirs.
bool IsEnglishWord(const char* text);
