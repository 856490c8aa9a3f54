#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "harness/harness.h"
#include "platform/text.h"
#include "puzzle/puzzle_file.h"
#include "puzzle/puzzle_ideas.h"
#include "puzzle/puzzle_test_util.h"
#include "shell/menu_input.h"

namespace {

PuzzleIdeas Parsed(const std::string& text) {
    static PuzzleIdeas ideas;
    ParsePuzzleIdeas(text.data(), static_cast<long>(text.size()), ideas);
    return ideas;
}

// What the words file may hold, and what each problem keeps of it.
TEST(PuzzleIdeas, EachLineGivesItsProblemAnIdeaAndAHint) {
    struct Case {
        const char* name;
        std::string text;
        int problem;
        const char* idea;
        const char* hint;
    };
    const std::string tooLong(ideaBytes, 'a');
    const Case cases[] = {
        {"idea and hint", "一つめ\tヒント\n二つめ\n", 0, "一つめ", "ヒント"},
        {"idea alone", "一つめ\tヒント\n二つめ\n", 1, "二つめ", ""},
        {"no idea, a hint", "\tヒント\n", 0, "", "ヒント"},
        {"past the last line", "一つめ\n", 1, "", ""},
        {"the last line without its end", "一つめ\n二つめ", 1, "二つめ", ""},
        {"a line too long for its place", tooLong + "\tヒント\n", 0, "", "ヒント"},
        {"not UTF-8", "\xE3\x81\tヒント\n", 0, "", "ヒント"},
        {"a control character", "一つ\x1Bめ\tヒ\rント\n", 0, "", ""},
        {"a NUL inside", std::string("一つ") + '\0' + "め\tヒント\n", 0, "", "ヒント"},
        {"the hundredth line", std::string(99, '\n') + "百\tおわり\n", 99, "百", "おわり"},
        {"nothing", "", 0, "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const PuzzleIdeas ideas = Parsed(c.text);
        EXPECT_STREQ(ideas.idea[c.problem], c.idea);
        EXPECT_STREQ(ideas.hint[c.problem], c.hint);
    }
}

// A problem is the shipped one only while every field of it is.
TEST(PuzzleIdeas, AChangeToAnyFieldMakesAProblemThePlayers) {
    PuzzleFile shipped = puzzleTest::NoProblems();
    puzzleTest::Present(shipped, 3, 1, 30);
    puzzleTest::BoardCell(shipped, 3, 2, 3) = 4;
    struct Case {
        const char* name;
        void (*change)(PuzzleFile&);
    };
    const Case cases[] = {
        {"a cell", [](PuzzleFile& t) { puzzleTest::BoardCell(t, 3, 2, 3) = 5; }},
        {"the incoming row", [](PuzzleFile& t) { puzzleTest::BoardCell(t, 3, 1, 0) = 1; }},
        {"the target", [](PuzzleFile& t) { t.targetSums[3] = 8; }},
        {"the swaps", [](PuzzleFile& t) { t.swapLimits[3] = 2; }},
        {"the goal", [](PuzzleFile& t) { t.goalTypes[3] = goalChain; }},
        {"the goal's value", [](PuzzleFile& t) { t.goalValues[3] = 2; }},
        {"the seconds", [](PuzzleFile& t) { t.seconds[3] = 40; }},
        {"the minutes", [](PuzzleFile& t) { t.minutes[3] = 2; }},
    };
    EXPECT_TRUE(SameProblem(shipped, shipped, 3));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PuzzleFile edited = shipped;
        c.change(edited);
        EXPECT_FALSE(SameProblem(edited, shipped, 3));
        EXPECT_TRUE(SameProblem(edited, shipped, 2)) << "the others stay the shipped ones";
    }
    EXPECT_FALSE(SameProblem(shipped, shipped, -1));
    EXPECT_FALSE(SameProblem(shipped, shipped, puzzleCount));
}

// Lines break after a stop or comma where one is in reach, never grow wider
// than asked and never more than asked for.
TEST(PuzzleIdeas, LongWordsBreakIntoLinesThatFit) {
    harness::Boot();
    struct Case {
        const char* text;
        int fits;  // characters a line holds
        int maxLines;
        const char* expected;
    };
    const Case cases[] = {
        {"あいう。えおか", 10, 3, "あいう。えおか"},
        {"あいう。えおか", 5, 3, "あいう。\nえおか"},
        {"あいうえおかきく", 5, 3, "あいうえお\nかきく"},
        {"あいうえおかきくけこさしすせそたち", 5, 3, "あいうえお\nかきくけこ\nさしすせそ"},
        {"あ、いうえおかきく", 5, 2, "あ、\nいうえおか"},
    };
    BeginPanelText(smallFont);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        std::string wide;
        for (int i = 0; i < c.fits; ++i) wide += "あ";
        char text[ideaBytes];
        std::snprintf(text, sizeof text, "%s", c.text);
        BreakIntoLines(text, ideaBytes, TextWidth(wide.c_str()), c.maxLines);
        EXPECT_STREQ(text, c.expected);
    }
    EndText();
}

}  // namespace
