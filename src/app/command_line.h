#pragma once
#include <cstdint>
#include <string>

#include "netlink/net_game.h"
#include "platform/language.h"

// What the command line asks for. The game itself reads no arguments; these
// only add what a desktop program is expected to answer.
struct CommandLine {
    // replay: play FILE's replay in the window; verifyReplay: re-play it
    // without a window and report. A replay given twice, or both, is refused.
    // host, join: straight to hosting on port, or to joining joinHost at
    // port; one of them at a time, and not with a replay.
    enum class Action { play, help, version, replay, verifyReplay, host, join, usageError };
    Action action = Action::play;
    // Unset leaves the window as the game opens it; the last of --fullscreen
    // and --window given wins.
    enum class Screen { asGameOpensIt, fullScreen, window };
    Screen screen = Screen::asGameOpensIt;
    std::string dataDir;  // --data-dir DIR, empty when not given
    std::string replayFile;  // --replay FILE or --verify-replay FILE
    std::string joinHost;    // --join HOST[:PORT]
    uint16_t port = defaultGamePort;  // --host [PORT], --join HOST[:PORT]
    // --language ja|en: the language of this run only (the saved choice,
    // or the desktop's, otherwise).
    bool languageGiven = false;
    Language language = Language::japanese;
    std::string error;    // for usageError: what was wrong, in one line
};

CommandLine ParseCommandLine(int argc, const char* const* argv);

// The --help text (several lines, ending in a newline). dataFolder names
// where the player's files are kept on this machine.
std::string UsageText(const std::string& dataFolder);

// The --version line, ending in a newline.
std::string VersionText();
