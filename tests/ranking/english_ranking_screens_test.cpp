// The name entry and the ranking viewer in English: the same screens reached
// in each language, the English frame saved, its words inside their boxes
// and different from the Japanese ones.
#include <gtest/gtest.h>

#include "content/game_texts.h"
#include "frontend/frontend_steps.h"
#include "harness/language_frames.h"
#include "match/match_state.h"
#include "platform/surface.h"
#include "ranking/name_entry.h"
#include "ranking/ranking_test_util.h"
#include "ranking/viewer_steps.h"
#include "shell/line_notice.h"
#include "shell/scene.h"

namespace {

using languageFrames::BoxCase;

// An endless result at place 38 of a full table: the name entry, grown.
bool NameEntry(Language language) {
    rankingTest::AtTheResultScreen(endlessMode);
    SetLanguage(language);
    RankingFile table;
    rankingTest::MakeFullTable(table);
    rankingTest::StoreTable(table);
    players[0].score = 1000 * (100 - 37) + 1;
    rankingTest::resultRankingSkipped = 0;
    currentScene = rankingTest::ResultScreenFrame;
    return harness::RunUntil([] { return entryPhase == 1 && boxGrowth == 10; }) && (harness::RunFrames(2), true);
}

// The viewer over a full table, R pressed on an entry without a replay.
bool ViewerNotice(Language language) {
    if (!frontendSteps::BootToMenu()) return false;
    SetLanguage(language);
    RankingFile table;
    rankingTest::MakeFullTable(table);
    rankingTest::StoreTable(table);
    if (!viewerSteps::MenuToViewer()) return false;
    viewerSteps::Step('R');
    return LineNoticeShown();
}

FontHandle Small() { return smallFont; }
FontHandle Big() { return matchFontBig; }

const BoxCase boxCases[] = {
    {"NameEntry", NameEntry, {{49, 20, 589, 80}, {140, 199, 500, 239}}, Big,
     {{TextName::NameEntryPlace, 530, 100}, {TextName::NameEntryPrompt, 360}, {TextName::NameEntryOk, 60}}},
    {"RankingViewer", ViewerNotice, {{500, 8, 636, 28}, {lineNoticeLeft, 300, lineNoticeRight, 334}}, Small,
     {{TextName::RankingReplayKeyHint, 136}, {TextName::RankingReplayMissing, lineNoticeRight - lineNoticeLeft - 20}}},
};

class EnglishRankingBox : public ::testing::TestWithParam<BoxCase> {};

TEST_P(EnglishRankingBox, ShowsTheEnglishWordsInsideTheBox) { languageFrames::ExpectEnglishBoxes(GetParam()); }

INSTANTIATE_TEST_SUITE_P(Screens, EnglishRankingBox, ::testing::ValuesIn(boxCases), languageFrames::CaseName);

}  // namespace
