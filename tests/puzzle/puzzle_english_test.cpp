#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "content/game_texts.h"
#include "editor/editor_scene.h"
#include "editor/editor_state.h"
#include "frontend/frontend_steps.h"
#include "harness/language_frames.h"
#include "match/match_setup.h"
#include "match/match_state.h"
#include "platform/game_files.h"
#include "platform/keys.h"
#include "platform/language.h"
#include "platform/wipe.h"
#include "puzzle/puzzle_file.h"
#include "puzzle/puzzle_ideas.h"
#include "puzzle/puzzle_test_util.h"
#include "shell/game_mode.h"
#include "shell/menu_input.h"

namespace {

using frontendSteps::At;
using languageFrames::RegionPixels;

class PuzzleEnglish : public testing::Test {
protected:
    void TearDown() override {
        SetLanguage(Language::japanese);
        virtualBackend::state.afterPresent = nullptr;
    }
};

void WriteText(const std::filesystem::path& path, const std::string& text) {
    std::filesystem::create_directories(path.parent_path());
    std::FILE* f = std::fopen(path.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    std::fwrite(text.data(), 1, text.size(), f);
    std::fclose(f);
}

// The words files of this run, in place of the shipped ones: problem 1's
// idea in Japanese and in English.
constexpr const char* japaneseIdea = "ひとつめの考え";
constexpr const char* englishIdea = "The first idea";

void OwnWordsFiles() {
    const std::filesystem::path text = harness::WorkDir() + "/Text";
    std::filesystem::remove(text);
    WriteText(text / "Ideas.txt", std::string(japaneseIdea) + "\n");
    WriteText(text / "en" / "Ideas.txt", std::string(englishIdea) + "\n");
}

PuzzleFile Shipped() {
    PuzzleFile t = puzzleTest::NoProblems();
    EXPECT_EQ(ReadGameFile("defaults\\PZL.dat", &t, sizeof t), static_cast<long>(sizeof t));
    return t;
}

// Words read once follow a change of language, and only a change: the
// same language reads nothing again, nor does a start with none read.
TEST_F(PuzzleEnglish, IdeasReadBeforeAreReadAgainInTheNewLanguage) {
    harness::Boot();
    OwnWordsFiles();
    EXPECT_FALSE(PuzzleIdeasFollowLanguage()) << "none read yet";
    const PuzzleFile shipped = Shipped();
    ReadPuzzleIdeas(shipped, smallFont, 372, 372);
    EXPECT_STREQ(puzzleIdeas.idea[0], japaneseIdea);
    EXPECT_FALSE(PuzzleIdeasFollowLanguage()) << "the same language";
    SetLanguage(Language::english);
    EXPECT_TRUE(PuzzleIdeasFollowLanguage());
    EXPECT_STREQ(puzzleIdeas.idea[0], englishIdea);
    EXPECT_FALSE(PuzzleIdeasFollowLanguage()) << "already in English";
    SetLanguage(Language::japanese);
    EXPECT_TRUE(PuzzleIdeasFollowLanguage());
    EXPECT_STREQ(puzzleIdeas.idea[0], japaneseIdea);
}

// The words box of the picker, inside its outline, and where a one-line
// idea is written in it.
constexpr languageFrames::Region ideaBox{243, 192, 629, 248};
constexpr int ideaLeft = 250, ideaTop = 211, ideaRight = 622;

// True when every white pixel the words make in the box's font stands white
// on the last frame (and there are some).
bool IdeaShown(const char* words) {
    const uint8_t black = 0;
    ColorFill(&backBuffer, ideaLeft, ideaTop, ideaRight, ideaTop + 18, black);
    BeginPanelText(CreateGameFont(16, 800, "ＭＳ 明朝"));
    DrawTextInRect(words, textLeft, ideaLeft, ideaTop, ideaRight, ideaTop + 18);
    EndText();
    const uint8_t white = NearestPaletteIndex(MakeRgb(255, 255, 255));
    int strokes = 0;
    for (int y = ideaTop; y < ideaTop + 18; ++y)
        for (int x = ideaLeft; x < ideaRight; ++x) {
            if (backBuffer.pixels[y * screenWidth + x] != white) continue;
            if (harness::PixelAt(x, y) != white) return false;
            ++strokes;
        }
    return strokes > 0;
}

// What the picker showed around the switch of language.
struct PickerWatch {
    uint32_t start = 0;  // the frame the picker was asked for
    bool switchHere = false;  // the language changes while the picker is up
    std::vector<uint8_t> before, after;
    bool japaneseShown = false, englishShown = false;
    bool saved = false;
};
PickerWatch watch;

constexpr uint32_t pickerOpen = 60;

void WatchPicker() {
    if (!At(MatchSetupScene)) return;
    const uint32_t frame = harness::Frames() - watch.start;
    if (frame == pickerOpen) {
        watch.before = RegionPixels(ideaBox);
        watch.japaneseShown = IdeaShown(japaneseIdea);
        if (watch.switchHere) SetLanguage(Language::english);
    } else if (frame == pickerOpen + 5) {
        watch.after = RegionPixels(ideaBox);
        watch.englishShown = IdeaShown(englishIdea);
        watch.saved = harness::SaveFramePng(languageFrames::FramePath(watch.switchHere ? "picker-switched" : "picker"));
    }
}

// Into the puzzle picker on problem 1 in the language, with this run's words
// files; the picker is watched frame by frame and left after a while.
void RunPicker(Language language, bool switchHere) {
    ASSERT_TRUE(frontendSteps::BootToTitle());
    SetLanguage(language);
    ASSERT_TRUE(frontendSteps::TitleToMenu());
    OwnWordsFiles();
    ASSERT_TRUE(WritePuzzleFile(Shipped()));
    gameMode = puzzleMode;
    harness::Tap('X');
    ASSERT_TRUE(harness::RunUntil([] { return At(MatchSetupScene); }));
    watch = PickerWatch{};
    watch.switchHere = switchHere;
    watch.start = harness::Frames();
    virtualBackend::state.afterPresent = WatchPicker;
    puzzleTest::KeyPlan().Press(pickerOpen + 20, vkEscape).Schedule();
    harness::Pass();
    virtualBackend::state.afterPresent = nullptr;
}

// The idea read in Japanese is read again and shown in English as soon as
// the game speaks English, without leaving the picker.
TEST_F(PuzzleEnglish, ThePickersIdeaFollowsTheLanguage) {
    RunPicker(Language::japanese, true);
    EXPECT_TRUE(watch.japaneseShown);
    EXPECT_TRUE(watch.englishShown);
    EXPECT_NE(watch.after, watch.before);
    // Entered in English, the picker shows the English idea from the first.
    RunPicker(Language::english, false);
    EXPECT_FALSE(watch.japaneseShown);
    EXPECT_TRUE(watch.englishShown);
    EXPECT_TRUE(watch.saved);
}

// Opens the editor in the language and asks to save.
bool EditorQuestion(Language language) {
    harness::Boot();
    SetLanguage(language);
    wipeState = 2;
    currentScene = EditorEnterScene;
    if (!harness::RunUntil([] { return At(EditorScene) && wipeState == 0; })) return false;
    harness::Tap('C', 1);
    harness::RunFrames(12);
    return editorDialog == saveDialog;
}

TEST_F(PuzzleEnglish, TheEditorAsksInEnglish) {
    languageFrames::ExpectEnglishBoxes({"editor",
                                        EditorQuestion,
                                        {{175, 215, 463, 235}},
                                        [] { return smallFont; },
                                        {}});
    EXPECT_TRUE(puzzleTest::QuestionShown("Save the problems?"));
}

}  // namespace
