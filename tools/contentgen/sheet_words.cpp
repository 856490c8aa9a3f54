#include "contentgen/sheet_words.h"

#include <cstdint>

namespace {

constexpr int wordCount = static_cast<int>(SheetWord::count);

const char* const japaneseWords[wordCount] = {
#define SHEET_WORD(name, japanese, english) japanese,
#include "contentgen/sheet_words.inc"
#undef SHEET_WORD
};

// Arrays of their own rather than pointers to literals: equal literals
// elsewhere (a key cap's "W") may share storage with a table word, and only
// the table's words are to be told apart by where they live.
constexpr int maxWordBytes = 48;
const char englishWords[wordCount][maxWordBytes] = {
#define SHEET_WORD(name, japanese, english) english,
#include "contentgen/sheet_words.inc"
#undef SHEET_WORD
};

Language sheetLanguage = Language::japanese;

}  // namespace

void SetSheetLanguage(Language language) { sheetLanguage = language; }

Language SheetLanguage() { return sheetLanguage; }

const char* Word(SheetWord word) {
    const int i = static_cast<int>(word);
    if (i < 0 || i >= wordCount) return "";
    return sheetLanguage == Language::english ? englishWords[i] : japaneseWords[i];
}

SheetWord WordAfter(SheetWord first, int i) { return static_cast<SheetWord>(static_cast<int>(first) + i); }

bool IsEnglishWord(const char* text) {
    const auto at = reinterpret_cast<uintptr_t>(text);
    return at >= reinterpret_cast<uintptr_t>(englishWords[0]) &&
           at < reinterpret_cast<uintptr_t>(englishWords[0]) + sizeof englishWords;
}
