// The key guide's pages of the match, the puzzle picker and the ranking
// viewer in English: every line follows the language and fits its column,
// and the guide over an endless match shows the English page.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "content/game_texts.h"
#include "frontend/frontend_steps.h"
#include "harness/language_frames.h"
#include "match/match_guides.h"
#include "match/match_state.h"
#include "match/versus_run.h"
#include "platform/keys.h"
#include "ranking/ranking_viewer_guide.h"
#include "shell/game_mode.h"
#include "shell/key_guide.h"

namespace {

using languageFrames::WidthIn;

// The guide's panel and its columns (shell/key_guide_drawing.cpp): the
// actions from x 60 to 8 short of the keys, which start at 340 on a page of
// one player and at 314 on a page of two.
constexpr int panelWidth = 604 - 36;
constexpr int soloActionWidth = 340 - 8 - 60;
constexpr int pairActionWidth = 314 - 8 - 60;

struct PageCase {
    const char* name;
    int mode;    // the match's page in this mode, or
    bool paused;
    const KeyGuidePage* page;  // a page of its own
};

const PageCase pageCases[] = {
    {"Endless", endlessMode, false, nullptr},      {"EndlessPause", endlessMode, true, nullptr},
    {"Versus", versusMode, false, nullptr},        {"VersusPause", versusMode, true, nullptr},
    {"Puzzle", puzzleMode, false, nullptr},        {"PuzzlePause", puzzleMode, true, nullptr},
    {"Practice", practiceMode, false, nullptr},    {"PracticePause", practiceMode, true, nullptr},
    {"Picker", 0, false, &puzzlePickerGuide},      {"RankingViewer", 0, false, &rankingViewerGuide},
};

const KeyGuidePage* PageOf(const PageCase& c) {
    if (c.page != nullptr) return c.page;
    harness::StartFresh();
    ResetMatchRecords();
    gameMode = static_cast<int8_t>(c.mode);
    players[0].paused = c.paused ? 1 : 0;
    return MatchGuidePage();
}

class EnglishMatchGuide : public ::testing::TestWithParam<PageCase> {};

// Each line's words change with the language (none is left in Japanese) and
// the English ones fit the action column; the title fits the panel.
TEST_P(EnglishMatchGuide, EveryLineFollowsTheLanguageAndFitsItsColumn) {
    const KeyGuidePage* page = PageOf(GetParam());
    ASSERT_NE(page, nullptr);
    const int actionWidth = page->players == 2 ? pairActionWidth : soloActionWidth;
    for (int i = -1; i < page->lineCount; ++i) {
        const auto words = [&] { return std::string(i < 0 ? page->title : page->lines[i].action); };
        SetLanguage(Language::japanese);
        const std::string japanese = words();
        SetLanguage(Language::english);
        const std::string english = words();
        EXPECT_NE(english, japanese) << i;
        EXPECT_LE(WidthIn(smallFont, english.c_str()), i < 0 ? panelWidth - 20 : actionWidth) << english;
    }
}

INSTANTIATE_TEST_SUITE_P(Pages, EnglishMatchGuide, ::testing::ValuesIn(pageCases),
                         [](const ::testing::TestParamInfo<PageCase>& p) { return std::string(p.param.name); });

// The guide opened over an endless match in the language.
bool EndlessGuide(Language language) {
    if (!frontendSteps::BootToMenu()) return false;
    SetLanguage(language);
    if (!versusRun::EnterMatch(endlessMode)) return false;
    // Past the opening wipe: the guide opens over a screen that is whole.
    harness::RunMs(2500);
    harness::Tap(vkF1);
    harness::RunFrames(2);
    return KeyGuideOpen();
}

TEST(EnglishMatchGuideFrame, TheGuideOverAnEndlessMatchShowsTheEnglishPage) {
    const languageFrames::Region panel{36, 60, 604, 420};
    ASSERT_TRUE(EndlessGuide(Language::japanese));
    const std::vector<uint8_t> japanese = languageFrames::RegionPixels(panel);
    ASSERT_TRUE(EndlessGuide(Language::english));
    EXPECT_TRUE(harness::SaveFramePng(languageFrames::FramePath("EndlessGuide")));
    EXPECT_STREQ(KeyGuidePageOpen()->title, TextIn(Language::english, TextName::MatchGuideEndlessTitle));
    EXPECT_NE(languageFrames::RegionPixels(panel), japanese);
}

}  // namespace
