// The match's boxes of words in English: the same screens reached in each
// language, the English frame saved, its words inside their boxes and
// different from the Japanese ones; and the puzzle's goal line put together
// in the English order.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "content/game_sheet.h"
#include "content/game_texts.h"
#include "frontend/frontend_steps.h"
#include "harness/language_frames.h"
#include "match/match_scene.h"
#include "match/match_setup.h"
#include "match/match_state.h"
#include "platform/surface.h"
#include "platform/wipe.h"
#include "puzzle/puzzle_file.h"
#include "puzzle/puzzle_test_util.h"
#include "ranking/name_entry.h"
#include "ranking/ranking_test_util.h"
#include "shell/game_mode.h"
#include "shell/scene.h"

namespace {

using frontendSteps::At;
using languageFrames::BoxCase;
using languageFrames::WidthIn;

// A practice match, paused: the question whether to go back to the menu.
bool PracticeQuestion(Language language) {
    harness::Boot();
    SetLanguage(language);
    ResetMatchRecords();
    gameMode = practiceMode;
    wipeState = 2;
    currentScene = MatchSetupScene;
    harness::Pass();
    harness::Tap('C', 2);
    harness::RunMs(400);
    return At(MatchScene) && players[0].paused > 0 && boxGrowth == 10;
}

// A puzzle problem started from the picker: one lone panel, the goal given.
bool PuzzleStarted(Language language, int8_t goalType, int32_t goalValue) {
    if (!frontendSteps::BootToMenu()) return false;
    SetLanguage(language);
    PuzzleFile problems = puzzleTest::OneProblemToPlay();
    problems.goalTypes[0] = goalType;
    problems.goalValues[0] = goalValue;
    if (!WritePuzzleFile(problems)) return false;
    gameMode = puzzleMode;
    harness::Tap('X');
    if (!harness::RunUntil([] { return At(MatchSetupScene); })) return false;
    puzzleTest::KeyPlan().Press(60, 'X').Schedule();
    if (!harness::RunUntil([] { return At(MatchScene) && matchStarted == 1; }, 400000)) return false;
    harness::RunFrames(2);
    return true;
}

// The puzzle's pause menu: cancel, retry, back.
bool PuzzleMenu(Language language) {
    if (!PuzzleStarted(language, goalPanels, 40)) return false;
    harness::Tap('C', 2);
    harness::RunMs(400);
    return players[0].paused > 0 && boxGrowth == 10;
}

// The question after an endless match: once more?
bool AgainQuestion(Language language) {
    rankingTest::AtTheResultScreen(endlessMode);
    SetLanguage(language);
    rankingTest::resultRankingSkipped = 1;
    currentScene = rankingTest::ResultScreenFrame;
    return harness::RunUntil([] { return entryPhase == 2 && boxGrowth == 10; }) && (harness::RunFrames(2), true);
}

FontHandle Small() { return smallFont; }
FontHandle Big() { return matchFontBig; }

const BoxCase boxCases[] = {
    {"PracticePause", PracticeQuestion, {{169, 209, 469, 269}}, Small,
     {{TextName::PauseBackToMenuQuestion, 290}, {TextName::QuestionYesNo, 290}}},
    {"PuzzlePause", PuzzleMenu, {{219, 199, 419, 279}}, Small,
     {{TextName::PauseCancel, 190}, {TextName::PauseRetry, 190}, {TextName::PauseBack, 190}}},
    {"ResultQuestion", AgainQuestion, {{129, 189, 509, 289}}, Big,
     {{TextName::ResultAgainQuestion, 360},
      {TextName::ResultRetryQuestion, 360},
      {TextName::QuestionYesNo, 370},
      {TextName::ResultWaitingForOpponent, 370}}},
};

class EnglishMatchBox : public ::testing::TestWithParam<BoxCase> {};

TEST_P(EnglishMatchBox, ShowsTheEnglishWordsInsideTheBox) { languageFrames::ExpectEnglishBoxes(GetParam()); }

INSTANTIATE_TEST_SUITE_P(Screens, EnglishMatchBox, ::testing::ValuesIn(boxCases), languageFrames::CaseName);

// The answers' line is centred on the screen and the markers stand at fixed
// places: each answer must start just right of its marker (the marker is 24
// wide), in both languages and both fonts.
struct AnswerCase {
    const char* name;
    Language language;
    bool big;        // the result's font, else the pause's
    int markers[2];  // the markers' left edges
};

const AnswerCase answerCases[] = {
    {"JapanesePause", Language::japanese, false, {190, 310}},
    {"JapaneseResult", Language::japanese, true, {150, 310}},
    {"EnglishPause", Language::english, false, {190, 310}},
    {"EnglishResult", Language::english, true, {150, 310}},
};

class QuestionAnswers : public ::testing::TestWithParam<AnswerCase> {};

TEST_P(QuestionAnswers, EachAnswerStartsJustRightOfItsMarker) {
    const AnswerCase& c = GetParam();
    harness::Boot();
    SetLanguage(c.language);
    const FontHandle font = c.big ? CreateGameFont(30, 800, "HG創英角ｺﾞｼｯｸUB") : smallFont;
    const std::string line = Tr(TextName::QuestionYesNo);
    const size_t gap = line.find(' ');
    const size_t second = line.find_first_not_of(' ', gap);
    ASSERT_NE(second, std::string::npos) << line;
    const int left = (screenWidth - 1 - WidthIn(font, line.c_str())) / 2;
    const int starts[2] = {left, left + WidthIn(font, line.substr(0, second).c_str())};
    for (int k = 0; k < 2; ++k) {
        EXPECT_GE(starts[k], c.markers[k] + 24) << k;
        EXPECT_LE(starts[k], c.markers[k] + 24 + 25) << k;
    }
}

INSTANTIATE_TEST_SUITE_P(Lines, QuestionAnswers, ::testing::ValuesIn(answerCases),
                         [](const ::testing::TestParamInfo<AnswerCase>& p) { return std::string(p.param.name); });

// Where the goal line's tiles stand after a 40: the Japanese count word
// follows the figure, English has none and goes on with "or more".
struct GoalCase {
    const char* name;
    Language language;
    int8_t type;
    int32_t value;
    const SheetRect* tile;
    int x;
};

// 369 + 14 * (2 + 1) + 2: the first tile after a two-place figure.
constexpr int afterFigure = 413;

const GoalCase goalCases[] = {
    {"JapaneseCountAfterTheFigure", Language::japanese, goalPanels, 40, &gameSheetLayout::goalCountWord, afterFigure},
    {"JapaneseOrMoreAfterTheCount", Language::japanese, goalPanels, 40, &gameSheetLayout::goalOrMoreWord,
     afterFigure + 24},
    {"EnglishOrMoreAfterTheFigure", Language::english, goalPanels, 40, &gameSheetLayout::goalOrMoreWord, afterFigure},
    {"EnglishPanelsAfterOrMore", Language::english, goalPanels, 40, &gameSheetLayout::goalClearWord, afterFigure + 48},
    {"EnglishChainAfterItsFigure", Language::english, goalChain, 3, &gameSheetLayout::goalChainWord, 276 + 28 + 2},
};

class PuzzleGoalLine : public ::testing::TestWithParam<GoalCase> {};

TEST_P(PuzzleGoalLine, PutsTheTilesInTheLanguagesOrder) {
    const GoalCase& c = GetParam();
    ASSERT_TRUE(PuzzleStarted(c.language, c.type, c.value));
    EXPECT_TRUE(puzzleTest::PictureShown(*c.tile, c.x, 310));
    if (c.language == Language::english && c.type == goalPanels) {
        EXPECT_TRUE(harness::SaveFramePng(languageFrames::FramePath("PuzzleStart")));
    }
}

INSTANTIATE_TEST_SUITE_P(Goals, PuzzleGoalLine, ::testing::ValuesIn(goalCases),
                         [](const ::testing::TestParamInfo<GoalCase>& p) { return std::string(p.param.name); });

}  // namespace
