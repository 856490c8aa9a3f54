// A replay watched in English: its plate over the match and its end box, the
// same replay watched in each language, the English frames saved, the words
// inside their boxes and different from the Japanese ones.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "content/game_texts.h"
#include "frontend/frontend_steps.h"
#include "harness/language_frames.h"
#include "match/match_scene.h"
#include "match/match_setup.h"
#include "match/step_input.h"
#include "replay/replay_file.h"
#include "replay/replay_folder.h"
#include "replay/replay_recorder.h"
#include "replay/replay_watch.h"
#include "shell/game_mode.h"
#include "shell/scene.h"

namespace {

using frontendSteps::At;
using languageFrames::BoxCase;

// Nobody at the keys for 150 steps, then Escape.
int32_t stepsGiven = 0;
void IdleThenLeave(MatchInput& input) {
    input = MatchInput{};
    if (++stepsGiven > 150) input.player[0] = inputLeave;
}

// An endless match recorded in the language and its replay being watched.
bool Watching(Language language) {
    if (!frontendSteps::BootToMenu()) return false;
    SetLanguage(language);
    stepsGiven = 0;
    StartRecordingMatches();
    matchInputSource = IdleThenLeave;
    gameMode = endlessMode;
    currentScene = MatchSetupScene;
    const bool played = harness::RunUntil([] { return At(MatchScene) && RecordingMatch(); }, 5000000) &&
                        harness::RunUntil([] { return !RecordingMatch(); }, 5000000);
    matchInputSource = KeyboardMatchInput;
    const std::vector<std::string> names = ListReplays();
    if (!played || names.empty()) return false;
    ReplayReport report;
    if (!ReadReplayFile(ReplayFolder() + "/" + names[0], watchedReplay, report)) return false;
    WatchReplay(ReplayWayBack::endGame);
    harness::RunFrames(3);
    return At(ReplayWatchScene) && replayWatch.phase == 1;
}

bool WatchedToTheEnd(Language language) {
    return Watching(language) && harness::RunUntil([] { return replayWatch.phase == 2; }, 5000000) &&
           (harness::RunFrames(2), true);
}

FontHandle Small() { return smallFont; }

const BoxCase boxCases[] = {
    {"ReplayPlate", Watching, {{240, 4, 400, 32}}, Small,
     {{TextName::ReplayPlatePaused, 150}, {TextName::ReplayPlateSpeed, 150, 4}}},
    {"ReplayEnd", WatchedToTheEnd, {{170, 190, 470, 274}}, Small,
     {{TextName::ReplayEndTitle, 290},
      {TextName::ReplayEndScore, 290, 99999999},
      {TextName::ReplayEndBack, 290},
      {TextName::ReplayOutcomeWonByRight, 150}}},
};

class EnglishReplayBox : public ::testing::TestWithParam<BoxCase> {
protected:
    void TearDown() override { matchInputSource = KeyboardMatchInput; }
};

TEST_P(EnglishReplayBox, ShowsTheEnglishWordsInsideTheBox) { languageFrames::ExpectEnglishBoxes(GetParam()); }

INSTANTIATE_TEST_SUITE_P(Screens, EnglishReplayBox, ::testing::ValuesIn(boxCases), languageFrames::CaseName);

}  // namespace
