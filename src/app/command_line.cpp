#include "app/command_line.h"

#include <cstring>

#ifndef SUMLINE_VERSION
#define SUMLINE_VERSION "0"
#endif

namespace {

CommandLine Refused(std::string error) {
    CommandLine refused;
    refused.action = CommandLine::Action::usageError;
    refused.error = std::move(error);
    return refused;
}

// The file of --replay or --verify-replay, given as the next argument or
// after "=". Empty after the error is set.
bool TakeReplayFile(int argc, const char* const* argv, int& i, const char* option, CommandLine& line,
                    CommandLine::Action action, std::string& error) {
    const char* arg = argv[i];
    const size_t n = std::strlen(option);
    const char* file = nullptr;
    if (std::strcmp(arg, option) == 0) {
        if (i + 1 < argc) file = argv[++i];
    } else if (std::strncmp(arg, option, n) == 0 && arg[n] == '=') {
        file = arg + n + 1;
    } else {
        return false;
    }
    if (file == nullptr || file[0] == '\0') {
        error = std::string(option) + " needs a replay file";
    } else if (!line.replayFile.empty()) {
        error = "only one replay at a time";
    } else {
        line.replayFile = file;
        // Help and the version, once asked for, are what the player gets.
        if (line.action == CommandLine::Action::play) line.action = action;
    }
    return true;
}

}  // namespace

CommandLine ParseCommandLine(int argc, const char* const* argv) {
    CommandLine line;
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        if (std::strcmp(arg, "--help") == 0 || std::strcmp(arg, "-h") == 0) {
            line.action = CommandLine::Action::help;
        } else if (std::strcmp(arg, "--version") == 0) {
            // Help, once asked for, is what the player gets.
            if (line.action != CommandLine::Action::help) line.action = CommandLine::Action::version;
        } else if (std::string error;
                   TakeReplayFile(argc, argv, i, "--replay", line, CommandLine::Action::replay, error) ||
                   TakeReplayFile(argc, argv, i, "--verify-replay", line, CommandLine::Action::verifyReplay, error)) {
            if (!error.empty()) return Refused(error);
        } else if (std::strcmp(arg, "--fullscreen") == 0) {
            line.screen = CommandLine::Screen::fullScreen;
        } else if (std::strcmp(arg, "--window") == 0) {
            line.screen = CommandLine::Screen::window;
        } else if (std::strcmp(arg, "--data-dir") == 0) {
            if (i + 1 >= argc || argv[i + 1][0] == '\0') return Refused("--data-dir needs a folder");
            line.dataDir = argv[++i];
        } else if (std::strncmp(arg, "--data-dir=", 11) == 0) {
            if (arg[11] == '\0') return Refused("--data-dir needs a folder");
            line.dataDir = arg + 11;
        } else {
            return Refused(std::string("unknown option '") + arg + "'");
        }
    }
    return line;
}

std::string UsageText(const std::string& dataFolder) {
    return "Usage: sumline [OPTION]...\n"
           "Sum Line, an action puzzle game: swap numbered panels and clear the lines\n"
           "that add up to the target total.\n"
           "\n"
           "  --fullscreen      start in full screen (Alt+Enter or F11 switches)\n"
           "  --window          start in a window\n"
           "  --data-dir DIR    keep rankings, settings and puzzles in DIR\n"
           "  --replay FILE     watch the replay FILE, then exit\n"
           "  --verify-replay FILE\n"
           "                    re-play FILE without a window and print its result and\n"
           "                    whether every checkpoint matched (exit status 0 when they\n"
           "                    did, 1 when one differed, 2 when FILE cannot be read)\n"
           "  --help            show this help and exit\n"
           "  --version         show the version and exit\n"
           "\n"
           "Saved games: " +
           dataFolder + "\n";
}

std::string VersionText() { return std::string("sumline ") + SUMLINE_VERSION + "\n"; }
