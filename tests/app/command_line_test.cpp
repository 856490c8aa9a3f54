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

TEST(CommandLineTest, HelpNamesEveryOptionAndTheSavedGames) {
    const std::string help = UsageText("/home/p/.local/share/sumline/Data");
    for (const char* part : {"Usage: sumline", "--fullscreen", "--window", "--data-dir DIR", "--replay FILE", "--verify-replay FILE", "--help", "--version",
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
