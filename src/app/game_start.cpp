#include "app/game_start.h"

#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/command_line.h"
#include "app/content_lookup.h"
#include "app/executable_folder.h"
#include "app/online_command_line.h"
#include "app/player_folder.h"
#include "app/start_language.h"
#include "computer/computer_source.h"
#include "frontend/boot_scene.h"
#include "frontend/main_menu.h"
#include "netplay/net_lobby.h"
#include "platform/backend.h"
#include "platform/game_folders.h"
#include "replay/replay_file.h"
#include "replay/replay_folder.h"
#include "replay/replay_verify.h"
#include "replay/replay_watch.h"
#include "shell/controls_file.h"
#include "shell/first_run_guides.h"
#include "shell/game_loop.h"
#include "shell/language_file.h"

#ifndef SUMLINE_INSTALLED_CONTENT
#define SUMLINE_INSTALLED_CONTENT ""
#endif

namespace {

const char* Environment(const char* name) { return std::getenv(name); }

}  // namespace

int RunSumLine(int argc, const char* const* argv) {
    const CommandLine line = ParseCommandLine(argc, argv);
    const std::string executableFolder = ExecutableFolder();
    const PlayerFolderChoice player = ChoosePlayerFolder(line.dataDir, executableFolder, Environment);
    switch (line.action) {
        case CommandLine::Action::usageError:
            std::fprintf(stderr, "sumline: %s\n%s", line.error.c_str(), UsageText(player.folder).c_str());
            return 2;
        case CommandLine::Action::help: std::fputs(UsageText(player.folder).c_str(), stdout); return 0;
        case CommandLine::Action::version: std::fputs(VersionText().c_str(), stdout); return 0;
        case CommandLine::Action::verifyReplay:
        case CommandLine::Action::replay:
        case CommandLine::Action::host:
        case CommandLine::Action::join:
        case CommandLine::Action::play: break;
    }

    const std::vector<std::string> candidates = ContentCandidates(executableFolder, SUMLINE_INSTALLED_CONTENT);
    const std::string content = FindContent(candidates);
    if (line.action == CommandLine::Action::verifyReplay) {
        // No window and no sound: the match's rules alone, with the sounds
        // they load found where the game keeps them (and silent).
        SetGameFolders(content, player.folder);
        std::string out, err;
        const int code = VerifyReplayFile(line.replayFile, out, err);
        std::fputs(out.c_str(), stdout);
        std::fputs(err.c_str(), stderr);
        return code;
    }
    if (content.empty()) {
        std::fprintf(stderr, "%s\n", ContentMissingLine(candidates).c_str());
        return 1;
    }
    // An older build kept the player's files beside the executable: the
    // first run with a folder of their own takes them along.
    const std::string legacy =
        player.why == PlayerFolderChoice::Why::userData && !executableFolder.empty() ? executableFolder + "/Data" : "";
    std::string problem;
    if (!PreparePlayerFolder(player.folder, legacy, content + "/defaults", problem)) {
        std::fprintf(stderr, "%s\n", problem.c_str());
        return 1;
    }
    SetGameFolders(content, player.folder);
    SetReplayFolder(ReplayFolderOf(player));
    // Which modes have shown their keys already, from an earlier run.
    ReadSeenGuides();
    // The players' keys, as they last set them.
    ReadControlsFile();
    // The language: this run's option, the player's choice, or the desktop's.
    Language saved = Language::japanese;
    const bool hasSaved = ReadLanguageFile(saved);
    SetLanguage(StartLanguage(line.languageGiven, line.language, hasSaved, saved, Environment));
    if (line.action == CommandLine::Action::replay) {
        ReplayReport report;
        if (!ReadReplayFile(line.replayFile, watchedReplay, report)) {
            std::fprintf(stderr, "%s\n", ReplayProblemLine(line.replayFile, report).c_str());
            return 2;
        }
    }

    const char* failure = nullptr;
    if (!backend::Start(failure, line.screen == CommandLine::Screen::fullScreen)) {
        std::fprintf(stderr, "%s\n", failure != nullptr ? failure : "cannot start");
        return 1;
    }
    LinkFrontEnd();
    // Versus may put the computer on the right.
    InstallComputerOpponent();
    LinkReplays();
    // The question before the versus set-up leads to online play.
    LinkOnlineScreens();
    Scene first = BootScene;
    if (line.action == CommandLine::Action::replay) first = WatchReplayToTheEnd;
    if (line.action == CommandLine::Action::host || line.action == CommandLine::Action::join) {
        PrepareOnlineStart(line.port, line.action == CommandLine::Action::join ? line.joinHost.c_str() : nullptr);
        first = OnlineStartScene;
    }
    const int code = RunGame(first);
    backend::Shutdown();
    return code;
}
