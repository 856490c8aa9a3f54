#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "frontend/frontend_steps.h"
#include "match/match_scene.h"
#include "match/match_setup.h"
#include "match/match_state.h"
#include "platform/blit.h"
#include "platform/keys.h"
#include "platform/palette.h"
#include "platform/surface.h"
#include "platform/text.h"
#include "platform/wipe.h"
#include "puzzle/puzzle_file.h"
#include "puzzle/puzzle_ideas.h"
#include "puzzle/puzzle_test_util.h"
#include "puzzlebook/puzzle_book.h"
#include "shell/game_mode.h"
#include "shell/menu_input.h"

namespace {

using namespace puzzleTest;
using frontendSteps::At;

constexpr uint32_t pickerOpen = 60;

// The words' box, inside its outline: the idea in the picker, the hint in play.
constexpr int boxLeft = 243, boxTop = 192, boxRight = 629, boxBottom = 248;
constexpr int textLeftEdge = 250, textWidth = 372;

PuzzleFile Shipped() {
    PuzzleFile t = NoProblems();
    std::FILE* f = std::fopen(SUMLINE_CONTENT_DIR "/defaults/PZL.dat", "rb");
    if (f != nullptr) {
        EXPECT_EQ(std::fread(&t, 1, sizeof t, f), sizeof t);
        std::fclose(f);
    }
    return t;
}

const std::vector<puzzleBook::Problem>& Book() {
    static std::vector<puzzleBook::Problem> problems;
    if (problems.empty()) {
        std::string error;
        EXPECT_TRUE(puzzleBook::ReadBook(SUMLINE_PUZZLE_BOOK, problems, error)) << error;
    }
    return problems;
}

// The words as the book has them, broken as the game breaks them for the width.
std::string Broken(const std::string& words, int width) {
    char text[ideaBytes];
    std::snprintf(text, sizeof text, "%s", words.c_str());
    BeginPanelText(CreateGameFont(16, 800, "ＭＳ 明朝"));
    BreakIntoLines(text, ideaBytes, width, 3);
    EndText();
    return text;
}

// The white pixels the words make when drawn in the rectangle; true when
// the last frame has every one of them white (and there are some).
bool WordsShown(const std::string& words, int format, int left, int top, int right, int bottom) {
    const uint8_t black = 0;
    ColorFill(&backBuffer, left, top, right, bottom, black);
    BeginPanelText(CreateGameFont(16, 800, "ＭＳ 明朝"));
    DrawTextInRect(words.c_str(), format, left, top, right, bottom);
    EndText();
    const uint8_t white = NearestPaletteIndex(MakeRgb(255, 255, 255));
    int strokes = 0;
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x) {
            if (backBuffer.pixels[y * screenWidth + x] != white) continue;
            if (harness::PixelAt(x, y) != white) return false;
            ++strokes;
        }
    return strokes > 0;
}

// The words of the book, broken into lines as wide as the box holds, in
// its lines centred in its height.
bool BoxShows(const std::string& words) {
    const std::string lines = Broken(words, textWidth);
    int count = 1;
    for (char c : lines) count += c == '\n' ? 1 : 0;
    const int top = 220 - count * 9;
    return WordsShown(lines, textLeft, textLeftEdge, top, textLeftEdge + textWidth, top + 18 * count);
}

bool IdeaShown(int index) { return BoxShows(Book()[static_cast<size_t>(index)].screenIdea); }
bool HintShown(int index) { return BoxShows(Book()[static_cast<size_t>(index)].lessonHint); }

// Not a trace of the words' blue box.
bool IdeaBoxAbsent() {
    return harness::CountIndex(NearestPaletteIndex(blueBrush), boxLeft, boxTop, boxRight, boxBottom) < 50;
}

// Boots to the menu (where the test may change the game's folders, through
// `prepare`), stores the problems and chooses PUZZLE.
// Every shipped problem has its idea, the first ten (and only they) are
// lessons with a hint, and all of it fits the box whole: three lines at most,
// nothing cut off.
TEST(PuzzleIdeasOnScreen, EveryShippedIdeaAndHintFitsTheBoxWhole) {
    harness::Boot();
    ASSERT_EQ(Book().size(), static_cast<size_t>(puzzleCount));
    for (const puzzleBook::Problem& p : Book()) {
        SCOPED_TRACE(p.number);
        EXPECT_FALSE(p.screenIdea.empty());
        EXPECT_EQ(!p.lessonHint.empty(), p.number <= 10);
        for (const std::string& words : {p.screenIdea, p.lessonHint}) {
            std::string lines = Broken(words, textWidth);
            std::erase(lines, '\n');
            EXPECT_EQ(lines, words);
        }
    }
}

void ChoosePuzzle(const PuzzleFile& problems, void (*prepare)() = nullptr) {
    ASSERT_TRUE(frontendSteps::BootToMenu());
    if (prepare != nullptr) prepare();
    ASSERT_TRUE(WritePuzzleFile(problems));
    gameMode = puzzleMode;
    harness::Tap('X');
    ASSERT_TRUE(harness::RunUntil([] { return At(MatchSetupScene); }));
}

// What the picker showed of the ideas, frame by frame.
struct IdeaFrame {
    int index;
    bool idea;    // the book's idea of the problem shown
    bool absent;  // no idea box at all
};
std::vector<IdeaFrame> seen;

void RecordIdea() {
    if (!At(MatchSetupScene) || wipeState != 0 || skipPicker != 0) return;
    seen.push_back({puzzleIndex, IdeaShown(puzzleIndex), IdeaBoxAbsent()});
}

// Browses from problem 1 to 2 and back, noting what each frame showed.
void BrowseTheFirstTwo() {
    seen.clear();
    virtualBackend::state.afterPresent = RecordIdea;
    KeyPlan().Press(pickerOpen, vkRight).Press(pickerOpen + 20, vkLeft).Press(pickerOpen + 40, vkEscape).Schedule();
    harness::Pass();
    virtualBackend::state.afterPresent = nullptr;
}

// What each problem showed once the frame had settled on it: true when all
// its frames showed the idea, false when none showed a box.
void ExpectIdeas(bool first, bool second) {
    ASSERT_FALSE(seen.empty());
    bool visited[2] = {false, false};
    for (size_t f = 1; f < seen.size(); ++f) {
        const IdeaFrame& s = seen[f];
        if (seen[f - 1].index != s.index) continue;  // the frame of the move
        ASSERT_LE(s.index, 1);
        visited[s.index] = true;
        const bool expected = s.index == 0 ? first : second;
        EXPECT_EQ(s.idea, expected) << "frame " << f << ", problem " << s.index + 1;
        EXPECT_EQ(s.absent, !expected) << "frame " << f << ", problem " << s.index + 1;
    }
    EXPECT_TRUE(visited[0] && visited[1]);
}

TEST(PuzzleIdeasOnScreen, AShippedProblemShowsItsIdeaInThePicker) {
    ChoosePuzzle(Shipped());
    BrowseTheFirstTwo();
    ExpectIdeas(true, true);
}

TEST(PuzzleIdeasOnScreen, AnEditedProblemShowsNone) {
    PuzzleFile problems = Shipped();
    BoardCell(problems, 0, 2, 0) = 1;  // one panel more in the first problem
    ChoosePuzzle(problems);
    BrowseTheFirstTwo();
    ExpectIdeas(false, true);
}

// The words file missing or not ours: no idea anywhere, and the picker
// works on.
std::string wordsFile;  // what the case puts in Text/Ideas.txt; empty: none

void ReplaceWordsFile() {
    const std::filesystem::path text = harness::WorkDir() + "/Text";
    std::filesystem::remove(text);
    std::filesystem::create_directory(text);
    if (wordsFile.empty()) return;
    std::FILE* f = std::fopen((text / "Ideas.txt").c_str(), "wb");
    ASSERT_NE(f, nullptr);
    std::fwrite(wordsFile.data(), 1, wordsFile.size(), f);
    std::fclose(f);
}

TEST(PuzzleIdeasOnScreen, AMissingOrDamagedWordsFileShowsNoIdea) {
    struct Case {
        const char* name;
        std::string text;  // empty: no file
    };
    const Case cases[] = {
        {"missing", ""},
        {"garbage", std::string("\xFF\xFE\x00\x01\x02", 5) + std::string(200, '\x9F')},
        {"too long", std::string(ideasFileBytes + 1, 'a')},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        wordsFile = c.text;
        ChoosePuzzle(Shipped(), ReplaceWordsFile);
        BrowseTheFirstTwo();
        ExpectIdeas(false, false);
    }
}

// Starts problem index of the given set and plays on for a second.
void PlayProblem(const PuzzleFile& problems, int index) {
    ChoosePuzzle(problems);
    KeyPlan plan;
    for (int i = 0; i < index; ++i) plan.Press(pickerOpen + 4 * static_cast<uint32_t>(i), vkRight, 2);
    plan.Press(pickerOpen + 4 * static_cast<uint32_t>(index) + 10, 'X').Schedule();
    harness::Pass();
    ASSERT_TRUE(harness::RunUntil([] { return At(MatchScene); }));
    harness::RunMs(1000);
}

// The ten lessons carry a hint in play, in the box the picker shows the idea in.
TEST(PuzzleIdeasOnScreen, ALessonShowsItsHintInPlay) {
    for (int index : {0, 4, 9}) {
        SCOPED_TRACE(index + 1);
        ASSERT_FALSE(Book()[static_cast<size_t>(index)].lessonHint.empty());
        PlayProblem(Shipped(), index);
        EXPECT_EQ(puzzleIndex, index);
        EXPECT_TRUE(HintShown(index));
    }
}

TEST(PuzzleIdeasOnScreen, AnEditedLessonOrAnotherProblemShowsNoHint) {
    PuzzleFile edited = Shipped();
    edited.seconds[0] = edited.seconds[0] == 50 ? 40 : edited.seconds[0] + 10;
    PlayProblem(edited, 0);
    EXPECT_FALSE(HintShown(0));
    // Problem 11 is no lesson: no box in play.
    ASSERT_TRUE(Book()[10].lessonHint.empty());
    EXPECT_TRUE(IdeaBoxAbsent());
    PlayProblem(Shipped(), 10);
    EXPECT_EQ(puzzleIndex, 10);
    EXPECT_TRUE(IdeaBoxAbsent());
}

}  // namespace
