#include "replay/replay_watch.h"

#include <cstdio>
#include <cstring>

#include "content/game_texts.h"
#include "match/match_begin.h"
#include "match/match_state.h"
#include "match/match_step.h"
#include "options/options_file.h"
#include "platform/clock.h"
#include "platform/draw_switch.h"
#include "platform/keys.h"
#include "platform/present.h"
#include "platform/sound.h"
#include "platform/text.h"
#include "platform/wipe.h"
#include "ranking/ranking_file.h"
#include "ranking/ranking_viewer.h"
#include "replay/replay_file.h"
#include "replay/replay_folder.h"
#include "replay/replay_match.h"
#include "replay/replay_recorder.h"
#include "setup/player_params.h"
#include "shell/farewell.h"
#include "shell/game_mode.h"
#include "shell/menu_assets.h"
#include "shell/menu_input.h"
#include "shell/scene.h"
#include "shell/scene_links.h"

Replay watchedReplay;
ReplayWatch replayWatch;

namespace {

// At most this many steps in one frame: a stalled frame is not caught up.
constexpr int maxStepsPerFrame = 8;
// The end waits for a key at most this many frames (a minute).
constexpr int endWaitFrames = 3600;
// The 「リプレイ」 plate above the boards, and the end's box over them.
constexpr int replayPlateLeft = 240;
constexpr int replayPlateRight = 400;
constexpr int replayPlateTop = 4;
constexpr int replayEndLeft = 170;
constexpr int replayEndRight = 470;
constexpr int replayEndTop = 190;

ReplayCursor cursor;

// The player's own records, which the replay's start record overwrites.
struct KeptRecords {
    OptionsFile options;
    int8_t params[2][5];
    int8_t items[2][2];
    int8_t itemUseOff[2];
    int8_t versusWins[2];
    int8_t gameMode;
    int8_t twoPlayers;
    int8_t puzzleIndex;
};
KeptRecords kept;

void KeepRecords() {
    kept.options = options;
    std::memcpy(kept.params, playerParams, sizeof kept.params);
    std::memcpy(kept.items, itemSlots, sizeof kept.items);
    std::memcpy(kept.itemUseOff, itemUseOff, sizeof kept.itemUseOff);
    std::memcpy(kept.versusWins, versusWins, sizeof kept.versusWins);
    kept.gameMode = gameMode;
    kept.twoPlayers = twoPlayers;
    kept.puzzleIndex = puzzleIndex;
}

void PutRecordsBack() {
    options = kept.options;
    std::memcpy(playerParams, kept.params, sizeof kept.params);
    std::memcpy(itemSlots, kept.items, sizeof kept.items);
    std::memcpy(itemUseOff, kept.itemUseOff, sizeof kept.itemUseOff);
    std::memcpy(versusWins, kept.versusWins, sizeof kept.versusWins);
    gameMode = kept.gameMode;
    twoPlayers = kept.twoPlayers;
    puzzleIndex = kept.puzzleIndex;
}

bool AnyWatcherKey() {
    return DecideHeld() || KeyHeld(menuKeys.back) || KeyHeld(menuKeys.escape) || LeftHeld() || RightHeld();
}

// The keys while the replay plays: each acts once per press.
void PlayingKeys() {
    ReplayWatch& w = replayWatch;
    if (w.keyLatch != 0) {
        if (!AnyWatcherKey()) w.keyLatch = 0;
        return;
    }
    if (KeyHeld(menuKeys.back) || KeyHeld(menuKeys.escape)) {
        w.phase = 3;
        wipeState = 1;
    } else if (DecideHeld()) {
        w.paused = static_cast<int8_t>(w.paused == 0 ? 1 : 0);
    } else if (RightHeld() && w.speedIndex < 2) {
        ++w.speedIndex;
    } else if (LeftHeld() && w.speedIndex > 0) {
        --w.speedIndex;
    } else {
        return;
    }
    w.keyLatch = 1;
}

bool ReplayEnded() { return MatchOver() || cursor.step >= watchedReplay.steps; }

// The steps the wall clock asks for at the chosen speed, only the last of
// them drawn; every one heard.
void RunDueSteps() {
    ReplayWatch& w = replayWatch;
    const uint32_t now = TimeGetTime();
    if (w.paused != 0) {
        w.paceMark = now;
        return;
    }
    int due = 0;
    while (now - w.paceMark >= matchStepMs && due < maxStepsPerFrame) {
        w.paceMark += matchStepMs;
        due += replaySpeeds[w.speedIndex];
    }
    // Behind by more than a frame's worth: start afresh from now.
    if (now - w.paceMark >= matchStepMs) w.paceMark = now;
    if (due > maxStepsPerFrame) due = maxStepsPerFrame;
    for (int n = 0; n < due && !ReplayEnded(); ++n) {
        MatchInput input;
        ReadReplayStep(watchedReplay, cursor, input);
        drawingSkipped = n + 1 < due;
        MatchStep(input);
    }
    drawingSkipped = false;
}

// How the watched match ended, in the player's language (the file's own
// words, ReplayOutcomeWord, are for the console).
static_assert(static_cast<int>(TextName::ReplayOutcomeDraw) - static_cast<int>(TextName::ReplayOutcomeTopOut) ==
              replayOutcomeCount - 1);
const char* OutcomeWords(int outcome) {
    if (outcome < 0 || outcome >= replayOutcomeCount) return "?";
    return Tr(TextAfter(TextName::ReplayOutcomeTopOut, outcome));
}

void DrawPlate() {
    const ReplayWatch& w = replayWatch;
    char words[64];
    if (w.paused != 0) {
        std::snprintf(words, sizeof words, "%s", Tr(TextName::ReplayPlatePaused));
    } else {
        std::snprintf(words, sizeof words, Tr(TextName::ReplayPlateSpeed), replaySpeeds[w.speedIndex]);
    }
    BeginPanelText(smallFont);
    RoundRect(replayPlateLeft, replayPlateTop, replayPlateRight, replayPlateTop + 28, 10, 10);
    DrawTextInRect(words, textCenter, replayPlateLeft, replayPlateTop + 4, replayPlateRight, replayPlateTop + 24);
    EndText();
}

void DrawEnd() {
    const ReplayResult r = ResultOfMatch();
    char score[96];
    if (watchedReplay.start.mode == versusMode) {
        std::snprintf(score, sizeof score, "%s  %d - %d", OutcomeWords(r.outcome), r.score[0], r.score[1]);
    } else {
        std::snprintf(score, sizeof score, Tr(TextName::ReplayEndScore), r.score[0]);
    }
    BeginPanelText(smallFont);
    RoundRect(replayEndLeft, replayEndTop, replayEndRight, replayEndTop + 84, 10, 10);
    DrawTextInRect(Tr(TextName::ReplayEndTitle), textCenter, replayEndLeft, replayEndTop + 8, replayEndRight, replayEndTop + 28);
    DrawTextInRect(score, textCenter, replayEndLeft, replayEndTop + 32, replayEndRight, replayEndTop + 52);
    DrawTextInRect(Tr(TextName::ReplayEndBack), textCenter, replayEndLeft, replayEndTop + 56, replayEndRight, replayEndTop + 76);
    EndText();
}

// Back where the replay was started, with the player's records.
void GoBack() {
    StopSound(bgmBuffer);
    PutRecordsBack();
    if (replayWatch.wayBack == ReplayWayBack::endGame) {
        currentScene = ShutdownScene;
        return;
    }
    ReloadTitleSheet();
    LoadMenuSounds();
    if (options.soundOff == 0) RestartSound(bgmBuffer, true);
    gameMode = rankingMode;
    currentScene = RankingViewerEnter;
}

void Begin() {
    ReleaseMenuAssets();
    BeginReplayMatch(watchedReplay, true);
    cursor = ReplayCursor{};
    replayWatch.phase = 1;
    replayWatch.paceMark = TimeGetTime() - matchStepMs;
}

}  // namespace

void WatchReplay(ReplayWayBack wayBack) {
    replayWatch = ReplayWatch{};
    replayWatch.wayBack = wayBack;
    KeepRecords();
    // From a screen that is shown, the screen closes first.
    replayWatch.phase = wayBack == ReplayWayBack::rankingViewer ? 0 : 1;
    if (replayWatch.phase == 0) wipeState = 1;
    else Begin();
    currentScene = ReplayWatchScene;
}

const char* WatchRankingReplay(int place) {
    static char problem[160];
    RankingFile table;
    ReadRankingFile(table);
    const std::string path = FindRankingReplay(table, place);
    if (path.empty()) return Tr(TextName::RankingReplayMissing);
    ReplayReport report;
    if (!ReadReplayFile(path, watchedReplay, report)) {
        std::fprintf(stderr, "%s\n", ReplayProblemLine(path, report).c_str());
        std::snprintf(problem, sizeof problem, Tr(TextName::ReplayCannotPlay), report.reason);
        return problem;
    }
    WatchReplay(ReplayWayBack::rankingViewer);
    return nullptr;
}

void ReplayWatchScene() {
    ReplayWatch& w = replayWatch;
    switch (w.phase) {
        case 0:
            // The viewer's last picture closes under the wipe.
            if (StripeWipe(0)) Begin();
            break;
        case 1:
            PlayingKeys();
            if (w.phase == 1) RunDueSteps();
            if (w.phase == 1 && ReplayEnded()) {
                w.phase = 2;
                w.keyLatch = 1;
            }
            DrawPlate();
            break;
        case 2:
            DrawEnd();
            if (w.keyLatch != 0) {
                if (!AnyWatcherKey()) w.keyLatch = 0;
            } else if (DecideHeld() || KeyHeld(menuKeys.back) || KeyHeld(menuKeys.escape)) {
                w.phase = 3;
                wipeState = 1;
            }
            if (++w.endWait >= endWaitFrames) {
                w.phase = 3;
                wipeState = 1;
            }
            break;
        default:
            if (StripeWipe(0)) {
                GoBack();
                return;
            }
            break;
    }
    Present();
}

void WatchReplayToTheEnd() { WatchReplay(ReplayWayBack::endGame); }

void LinkReplays() {
    sceneLinks.watchRankingReplay = WatchRankingReplay;
    StartRecordingMatches();
}
