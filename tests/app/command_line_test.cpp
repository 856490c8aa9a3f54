#include "app/command_line.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Action = CommandLine::Action;
using Screen = CommandLine::Screen;

CommandLine Parse(std::vector<const char*> args) {
    args.insert(args.begin(), "sumline");
    return ParseCommandLine(static_cast<int>(args.size()), args.data());
}

TEST(CommandLineTest, ReadsEachOption) {
    struct Case {
        std::vector<const char*> args;
        Action action;
        Screen screen;
        std::string dataDir;
    };
    const Case cases[] = {
        {{}, Action::play, Screen::asGameOpensIt, ""},
        {{"--help"}, Action::help, Screen::asGameOpensIt, ""},
        {{"-h"}, Action::help, Screen::asGameOpensIt, ""},
        {{"--version"}, Action::version, Screen::asGameOpensIt, ""},
        {{"--version", "--help"}, Action::help, Screen::asGameOpensIt, ""},
        {{"--help", "--version"}, Action::help, Screen::asGameOpensIt, ""},
        {{"--fullscreen"}, Action::play, Screen::fullScreen, ""},
        {{"--window"}, Action::play, Screen::window, ""},
        {{"--fullscreen", "--window"}, Action::play, Screen::window, ""},
        {{"--window", "--fullscreen"}, Action::play, Screen::fullScreen, ""},
        {{"--data-dir", "/tmp/saves"}, Action::play, Screen::asGameOpensIt, "/tmp/saves"},
        {{"--data-dir=saves"}, Action::play, Screen::asGameOpensIt, "saves"},
        {{"--data-dir", "a", "--data-dir", "b"}, Action::play, Screen::asGameOpensIt, "b"},
        {{"--data-dir", "--help"}, Action::play, Screen::asGameOpensIt, "--help"},
    };
    for (const Case& c : cases) {
        const CommandLine line = Parse(c.args);
        const std::string shown = c.args.empty() ? "(none)" : c.args[0];
        EXPECT_EQ(line.action, c.action) << shown;
        EXPECT_EQ(line.screen, c.screen) << shown;
        EXPECT_EQ(line.dataDir, c.dataDir) << shown;
        EXPECT_EQ(line.error, "") << shown;
    }
}

TEST(CommandLineTest, RefusesWhatItDoesNotKnowNamingIt) {
    struct Case {
        std::vector<const char*> args;
        std::string error;
    };
    const Case cases[] = {
        {{"--fulscreen"}, "unknown option '--fulscreen'"},
        {{"-x"}, "unknown option '-x'"},
        {{"saves"}, "unknown option 'saves'"},
        {{"--window", "--bogus", "--help"}, "unknown option '--bogus'"},
        {{"--data-dir"}, "--data-dir needs a folder"},
        {{"--data-dir", ""}, "--data-dir needs a folder"},
        {{"--data-dir="}, "--data-dir needs a folder"},
    };
    for (const Case& c : cases) {
        const CommandLine line = Parse(c.args);
        EXPECT_EQ(line.action, Action::usageError) << c.args[0];
        EXPECT_EQ(line.error, c.error) << c.args[0];
    }
}

TEST(CommandLineTest, TakesOneReplayToWatchOrToVerify) {
    struct Case {
        std::vector<const char*> args;
        Action action;
        std::string file;
        std::string error;
    };
    const Case cases[] = {
        {{"--replay", "a.replay"}, Action::replay, "a.replay", ""},
        {{"--replay=b.replay"}, Action::replay, "b.replay", ""},
        {{"--verify-replay", "c.replay"}, Action::verifyReplay, "c.replay", ""},
        {{"--verify-replay=d.replay"}, Action::verifyReplay, "d.replay", ""},
        {{"--replay", "a.replay", "--fullscreen"}, Action::replay, "a.replay", ""},
        {{"--replay", "a.replay", "--help"}, Action::help, "a.replay", ""},
        {{"--help", "--verify-replay", "a.replay"}, Action::help, "a.replay", ""},
        {{"--replay"}, Action::usageError, "", "--replay needs a replay file"},
        {{"--replay="}, Action::usageError, "", "--replay needs a replay file"},
        {{"--verify-replay", ""}, Action::usageError, "", "--verify-replay needs a replay file"},
        {{"--replay", "a", "--verify-replay", "b"}, Action::usageError, "", "only one replay at a time"},
        {{"--replayx"}, Action::usageError, "", "unknown option '--replayx'"},
    };
    for (const Case& c : cases) {
        const CommandLine line = Parse(c.args);
        EXPECT_EQ(line.action, c.action) << c.args[0];
        EXPECT_EQ(line.error, c.error) << c.args[0];
        if (c.error.empty()) {
            EXPECT_EQ(line.replayFile, c.file) << c.args[0];
        }
    }
}

TEST(CommandLineTest, HostsOrJoinsOnTheNetworkAtOnce) {
    struct Case {
        std::vector<const char*> args;
        Action action;
        std::string host;
        uint16_t port;
        std::string error;
    };
    const Case cases[] = {
        {{"--host"}, Action::host, "", 41730, ""},
        {{"--host", "5000"}, Action::host, "", 5000, ""},
        {{"--host=65535"}, Action::host, "", 65535, ""},
        {{"--host", "--fullscreen"}, Action::host, "", 41730, ""},
        {{"--join", "192.168.0.2"}, Action::join, "192.168.0.2", 41730, ""},
        {{"--join", "192.168.0.2:5000"}, Action::join, "192.168.0.2", 5000, ""},
        {{"--join=box.local:1"}, Action::join, "box.local", 1, ""},
        {{"--join", "127.0.0.1", "--help"}, Action::help, "127.0.0.1", 41730, ""},
        {{"--host", "0"}, Action::usageError, "", 0, "--host takes a port from 1 to 65535, not '0'"},
        {{"--host", "65536"}, Action::usageError, "", 0, "--host takes a port from 1 to 65535, not '65536'"},
        {{"--host", "41x"}, Action::usageError, "", 0, "--host takes a port from 1 to 65535, not '41x'"},
        {{"--host="}, Action::usageError, "", 0, "--host takes a port from 1 to 65535, not ''"},
        {{"--join"}, Action::usageError, "", 0, "--join needs HOST or HOST:PORT (port 1 to 65535)"},
        {{"--join", "--window"}, Action::usageError, "", 0, "--join needs HOST or HOST:PORT (port 1 to 65535)"},
        {{"--join", "10.0.0.1:0"}, Action::usageError, "", 0,
         "--join needs HOST or HOST:PORT (port 1 to 65535), not '10.0.0.1:0'"},
        {{"--join", ":41730"}, Action::usageError, "", 0,
         "--join needs HOST or HOST:PORT (port 1 to 65535), not ':41730'"},
        {{"--host", "--join", "a"}, Action::usageError, "", 0, "only one of --host, --join and a replay at a time"},
        {{"--join", "a", "--replay", "r"}, Action::usageError, "", 0, "only one of --host, --join and a replay at a time"},
        {{"--replay", "r", "--host"}, Action::usageError, "", 0, "only one of --host, --join and a replay at a time"},
    };
    for (const Case& c : cases) {
        const CommandLine line = Parse(c.args);
        const std::string shown = std::string(c.args[0]) + (c.args.size() > 1 ? std::string(" ") + c.args[1] : "");
        EXPECT_EQ(line.action, c.action) << shown;
        EXPECT_EQ(line.error, c.error) << shown;
        if (!c.error.empty()) continue;
        EXPECT_EQ(line.joinHost, c.host) << shown;
        EXPECT_EQ(line.port, c.port) << shown;
    }
}

TEST(CommandLineTest, ChoosesTheLanguageForOneRun) {
    struct Case {
        std::vector<const char*> args;
        std::string error;
        bool given;
        Language language;
    };
    const Case cases[] = {
        {{}, "", false, Language::japanese},
        {{"--language", "en"}, "", true, Language::english},
        {{"--language=en"}, "", true, Language::english},
        {{"--language", "ja"}, "", true, Language::japanese},
        {{"--language", "en", "--language", "ja"}, "", true, Language::japanese},
        {{"--language"}, "--language takes ja or en", false, Language::japanese},
        {{"--language", "--window"}, "--language takes ja or en", false, Language::japanese},
        {{"--language", "fr"}, "--language takes ja or en, not 'fr'", false, Language::japanese},
        {{"--language=EN"}, "--language takes ja or en, not 'EN'", false, Language::japanese},
    };
    for (const Case& c : cases) {
        const CommandLine line = Parse(c.args);
        const std::string shown = c.args.empty() ? "(none)" : c.args.back();
        EXPECT_EQ(line.error, c.error) << shown;
        EXPECT_EQ(line.action, c.error.empty() ? Action::play : Action::usageError) << shown;
        EXPECT_EQ(line.languageGiven, c.given) << shown;
        EXPECT_EQ(line.language, c.language) << shown;
    }
}

TEST(CommandLineTest, HelpNamesEveryOptionAndTheSavedGames) {
    const std::string help = UsageText("/home/p/.local/share/sumline/Data");
    for (const char* part : {"Usage: sumline", "--fullscreen", "--window", "--data-dir DIR", "--language ja|en", "--replay FILE", "--verify-replay FILE", "--host [PORT]", "--join HOST[:PORT]", "41730", "41731", "--help", "--version",
                             "Saved games: /home/p/.local/share/sumline/Data\n"}) {
        EXPECT_NE(help.find(part), std::string::npos) << part;
    }
    EXPECT_EQ(help.back(), '\n');
}

TEST(CommandLineTest, VersionIsOneLine) {
    const std::string version = VersionText();
    EXPECT_EQ(version.rfind("sumline ", 0), 0u);
    EXPECT_EQ(version.find('\n'), version.size() - 1);
}

}  // namespace
