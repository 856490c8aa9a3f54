#include "app/command_line.h"

#include <cstring>

#include "netlink/net_game.h"
#include "netplay/address_field.h"

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
    } else if (line.action == CommandLine::Action::host || line.action == CommandLine::Action::join) {
        error = "only one of --host, --join and a replay at a time";
    } else {
        line.replayFile = file;
        // Help and the version, once asked for, are what the player gets.
        if (line.action == CommandLine::Action::play) line.action = action;
    }
    return true;
}

// The value of option as "--option=VALUE", or as the next argument when
// that is not an option itself (so --host alone takes no port); nullptr when
// there is none.
const char* OptionValue(int argc, const char* const* argv, int& i, const char* option, bool& matched) {
    const char* arg = argv[i];
    const size_t n = std::strlen(option);
    matched = true;
    if (std::strncmp(arg, option, n) == 0 && arg[n] == '=') return arg + n + 1;
    if (std::strcmp(arg, option) != 0) {
        matched = false;
        return nullptr;
    }
    if (i + 1 < argc && argv[i + 1][0] != '-') return argv[++i];
    return nullptr;
}

// --host [PORT] and --join HOST[:PORT]; an error when the value is bad or a
// second way to start was asked for.
bool TakeOnline(int argc, const char* const* argv, int& i, CommandLine& line, std::string& error) {
    bool matched = false;
    const char* value = OptionValue(argc, argv, i, "--host", matched);
    CommandLine::Action action = CommandLine::Action::host;
    if (!matched) {
        value = OptionValue(argc, argv, i, "--join", matched);
        action = CommandLine::Action::join;
    }
    if (!matched) return false;
    if (action == CommandLine::Action::host) {
        line.port = defaultGamePort;
        if (value != nullptr && !ParsePort(value, line.port)) {
            error = std::string("--host takes a port from 1 to 65535, not '") + value + "'";
        }
    } else {
        char host[48];
        if (value == nullptr || !SplitAddress(value, host, sizeof host, line.port)) {
            error = std::string("--join needs HOST or HOST:PORT (port 1 to 65535)") +
                    (value != nullptr ? std::string(", not '") + value + "'" : std::string());
        } else {
            line.joinHost = host;
        }
    }
    if (error.empty() && (!line.replayFile.empty() || line.action == CommandLine::Action::host ||
                          line.action == CommandLine::Action::join)) {
        error = "only one of --host, --join and a replay at a time";
    }
    if (error.empty() && line.action == CommandLine::Action::play) line.action = action;
    return true;
}

// --language ja|en.
bool TakeLanguage(int argc, const char* const* argv, int& i, CommandLine& line, std::string& error) {
    bool matched = false;
    const char* code = OptionValue(argc, argv, i, "--language", matched);
    if (!matched) return false;
    if (code == nullptr || !LanguageFromCode(code, line.language)) {
        error = std::string("--language takes ja or en") +
                (code != nullptr ? std::string(", not '") + code + "'" : std::string());
    } else {
        line.languageGiven = true;
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
        } else if (std::string problem; TakeOnline(argc, argv, i, line, problem)) {
            if (!problem.empty()) return Refused(problem);
        } else if (std::strcmp(arg, "--fullscreen") == 0) {
            line.screen = CommandLine::Screen::fullScreen;
        } else if (std::strcmp(arg, "--window") == 0) {
            line.screen = CommandLine::Screen::window;
        } else if (std::string refusal; TakeLanguage(argc, argv, i, line, refusal)) {
            if (!refusal.empty()) return Refused(refusal);
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
           "  --language ja|en  play in Japanese or English this time (the options\n"
           "                    screen keeps a choice; until then LC_ALL, LC_MESSAGES\n"
           "                    or LANG starting with en gives English)\n"
           "  --replay FILE     watch the replay FILE, then exit\n"
           "  --verify-replay FILE\n"
           "                    re-play FILE without a window and print its result and\n"
           "                    whether every checkpoint matched (exit status 0 when they\n"
           "                    did, 1 when one differed, 2 when FILE cannot be read)\n"
           "  --host [PORT]     host a versus over the network at once, listening on\n"
           "                    PORT (41730 unless given; the local network's search\n"
           "                    is answered on 41731)\n"
           "  --join HOST[:PORT]\n"
           "                    join the versus hosted at HOST (port 41730 unless given)\n"
           "  --help            show this help and exit\n"
           "  --version         show the version and exit\n"
           "\n"
           "Saved games: " +
           dataFolder + "\n";
}

std::string VersionText() { return std::string("sumline ") + SUMLINE_VERSION + "\n"; }
