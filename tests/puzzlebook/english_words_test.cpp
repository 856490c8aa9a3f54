#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "harness/harness.h"
#include "platform/language.h"
#include "platform/text.h"
#include "puzzle/puzzle_ideas.h"
#include "puzzlebook/book_parse.h"
#include "puzzlebook/puzzle_book.h"
#include "shell/menu_input.h"

// The English words of the book: what the English picker and lessons show.
namespace {

using namespace puzzleBook;
using bookParse::ParseOrFail;
using bookParse::Refusal;

const std::string problemHead = "problem 1\nidea: Two make seven.\n";
const std::string problemBody = "target: 7\nswaps: none\ngoal: clear\ntime: 0:30\nboard:\n  ..34...\nsolution: line c1 d1\n";

TEST(PuzzleBookEnglish, ReadsTheEnglishIdeaAndHint) {
    const std::vector<Problem> book = ParseOrFail(problemHead + "idea-en: Seven.\nhint: Sで消す\nhint-en: Press S\n" + problemBody);
    ASSERT_EQ(book.size(), 1u);
    EXPECT_EQ(book[0].englishIdea, "Seven.");
    EXPECT_EQ(book[0].lessonHint, "Sで消す");
    EXPECT_EQ(book[0].englishHint, "Press S");
    // Written back in the book's own form, they read the same.
    const std::vector<Problem> again = ParseOrFail(FormatProblem(book[0]));
    ASSERT_EQ(again.size(), 1u);
    EXPECT_EQ(again[0].englishIdea, "Seven.");
    EXPECT_EQ(again[0].englishHint, "Press S");
}

TEST(PuzzleBookEnglish, AHintComesInBothLanguagesOrNotAtAll) {
    struct Case {
        std::string lines;
        const char* error;
    };
    const Case cases[] = {
        {"hint: Sで消す\n", "book:1: problem 1: 'hint-en:' is missing: a hint comes in English too"},
        {"hint-en: Press S\n", "book:1: problem 1: 'hint-en:' without a 'hint:'"},
        {"hint: Sで消す\nhint-en:\n", "book:4: problem 1: the hint-en line is empty"},
        {"idea-en:\n", "book:3: problem 1: the idea-en line is empty"},
    };
    for (const Case& c : cases) EXPECT_EQ(Refusal(problemHead + c.lines + problemBody), c.error) << c.lines;
}

TEST(PuzzleBookEnglish, TheEnglishWordsFileTakesTheShortIdeaOrTheIdeaAndTheEnglishHint) {
    const std::vector<Problem> book =
        ParseOrFail("problem 1\nidea: Long idea.\nidea-ja: 考え\nidea-en: Short.\nhint: ヒント\nhint-en: Hint.\n" +
                    problemBody + "problem 3\nidea: Plain\tidea.\nidea-ja: 考え\n" + problemBody);
    // Problem 2 has no line of its own; a tab in the words would part the line.
    EXPECT_EQ(IdeasText(book, true).substr(0, 26), "Short.\tHint.\n\nPlain idea.\n");
    EXPECT_EQ(IdeasText(book).substr(0, 25), "考え\tヒント\n\n考え\n");
}

// The English picker shows each shipped idea and hint whole: at most three
// lines of the box's width in its font, nothing cut off.
TEST(PuzzleBookEnglish, EveryShippedEnglishIdeaAndHintFitsTheBoxWhole) {
    std::vector<Problem> book;
    std::string error;
    ASSERT_TRUE(ReadBook(SUMLINE_PUZZLE_BOOK, book, error)) << error;
    harness::Boot();
    SetLanguage(Language::english);
    const std::string text = IdeasText(book, true);
    size_t start = 0;
    for (int number = 1; number <= puzzleCount; ++number) {
        const size_t end = text.find('\n', start);
        ASSERT_NE(end, std::string::npos);
        const std::string line = text.substr(start, end - start);
        start = end + 1;
        const size_t tab = line.find('\t');
        for (const std::string& words : {line.substr(0, tab), tab == std::string::npos ? "" : line.substr(tab + 1)}) {
            char broken[ideaBytes];
            std::snprintf(broken, sizeof broken, "%s", words.c_str());
            BeginPanelText(CreateGameFont(16, 800, "ＭＳ 明朝"));
            BreakIntoLines(broken, ideaBytes, 372, 3);
            EndText();
            std::string whole = broken;
            std::erase(whole, '\n');
            EXPECT_EQ(whole, words) << "problem " << number << ": " << broken;
        }
    }
    SetLanguage(Language::japanese);
}

}  // namespace
