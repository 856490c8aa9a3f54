#include "shell/controls_file.h"
#include "shell/controls_text.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "harness/harness.h"
#include "harness/stderr_capture.h"
#include "platform/key_bindings.h"
#include "shell/menu_input.h"

namespace {

std::string FilePath() { return harness::WorkDir() + "/Data/Controls.txt"; }

void WriteText(const std::string& text) {
    std::ofstream out(FilePath(), std::ios::binary);
    out << text;
}

std::string ReadText() {
    std::ifstream in(FilePath(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The file the game writes with player 1's swap on J (place 13) and his pad's
// Y button, everything else its own.
std::string SavedText() {
    ResetBindings();
    playerKeys[0].swap = 'J';
    playerButtons[0][bindSwap] = PadButton::y;
    playerButtons[0][bindRow] = PadButton::a;
    char text[2048];
    const size_t n = FormatControls(text, sizeof text);
    ResetBindings();
    return std::string(text, n);
}

std::string Replace(std::string text, const std::string& from, const std::string& to) {
    const size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos) text.replace(at, from.size(), to);
    return text;
}

class ControlsFile : public ::testing::Test {
protected:
    void SetUp() override { harness::StartFresh(); }
    void TearDown() override { ResetBindings(); }
};

TEST_F(ControlsFile, SavedKeysAndButtonsComeBackAtTheNextStart) {
    playerKeys[0].swap = 'J';
    playerKeys[1].up = 0xBA;
    playerButtons[1][bindPause] = PadButton::leftShoulder;
    playerButtons[1][bindExDelete] = PadButton::start;
    ASSERT_TRUE(WriteControlsFile());
    const std::string text = ReadText();
    EXPECT_NE(text.find("1 swap 13 a  # J\n"), std::string::npos) << text;
    EXPECT_NE(text.find("2 up 51 up  # ;\n"), std::string::npos) << text;
    EXPECT_NE(text.find("2 pause 40 left-shoulder"), std::string::npos) << text;
    ResetBindings();
    StderrCapture err;
    ReadControlsFile();
    EXPECT_EQ(err.Text(), "");
    EXPECT_EQ(playerKeys[0].swap, 'J');
    EXPECT_EQ(playerKeys[1].up, 0xBA);
    EXPECT_EQ(playerButtons[1][bindPause], PadButton::leftShoulder);
    EXPECT_EQ(playerButtons[1][bindExDelete], PadButton::start);
    EXPECT_EQ(menuKeys.decide, 'J') << "the menus follow player 1's keys";
}

// Every way the file can be damaged: the actions it spoils go back to the
// game's own keys, the rest keep the file's, and one line on standard error
// names what went back.
TEST_F(ControlsFile, ADamagedFileFallsBackActionByActionAndSaysSoInOneLine) {
    const std::string saved = SavedText();
    const std::string swapLine = "1 swap 13 y  # J\n";
    const struct {
        const char* what;
        std::string text;
        int swapKey;       // player 1's swap after reading
        int lineKey;       // player 1's line after reading
        int twoCancelKey;  // player 2's cancel after reading
        const char* said;  // in the one line, or "" for silence
    } cases[] = {
        {"sound", saved, 'J', 'S', 'K', ""},
        {"garbage", "\x01\xff\x7fPK\x03\x04 nonsense\n\n", 'X', 'S', 'K', "for every action (line 1 not understood)"},
        {"empty", "", 'X', 'S', 'K', "for every action"},
        {"a key held twice", Replace(saved, "1 line 22 x", "1 line 13 x"), 'J', 'S', 'K', "for 1P line"},
        {"the other player's key", Replace(saved, "2 cancel 14 b", "2 cancel 13 b"), 'J', 'S', 'K', "for 2P cancel"},
        {"a button held twice", Replace(saved, "1 line 22 x", "1 line 22 y"), 'J', 'S', 'K', "for 1P line"},
        {"an action twice", saved + "1 swap 27 a\n", 'J', 'S', 'K', "for none (line 24 not understood)"},
        {"an unknown action", saved + "1 jump 13 a\n", 'J', 'S', 'K', "(line 24 not understood)"},
                // The swap's own button A is what the file gave a new row: that one
        // goes back as well.
        {"an unknown button", Replace(saved, swapLine, "1 swap 13 z-button\n"), 'X', 'S', 'K', "for 1P swap, 1P row (line 6"},
        {"an unknown place", Replace(saved, swapLine, "1 swap 999 y\n"), 'X', 'S', 'K', "for 1P swap, 1P row (line 6"},
        {"a place no key has", Replace(saved, swapLine, "1 swap 3 y\n"), 'X', 'S', 'K', "for 1P swap"},
        {"Escape", Replace(saved, swapLine, "1 swap 41 y\n"), 'X', 'S', 'K', "for 1P swap"},
        {"a third player", Replace(saved, swapLine, "3 swap 13 y\n"), 'X', 'S', 'K', "for 1P swap"},
        {"a word too many", Replace(saved, swapLine, "1 swap 13 y y\n"), 'X', 'S', 'K', "for 1P swap"},
        {"a line left out", Replace(saved, "2 cancel 14 b  # K\n", ""), 'J', 'S', 'K', "for 2P cancel\n"},
        // Player 1's line is left out, and its own key S is what the file
        // gave his swap: the swap goes back too.
        {"a left-out action's own key taken", Replace(Replace(saved, swapLine, "1 swap 22 y\n"), "1 line 22 x  # S\n", ""),
         'X', 'S', 'K', "for 1P swap, 1P line, 1P row\n"},
        {"too long to be ours", saved + std::string(9000, '#'), 'X', 'S', 'K', "for every action"},
    };
    for (const auto& c : cases) {
        harness::StartFresh();
        WriteText(c.text);
        StderrCapture err;
        ReadControlsFile();
        const std::string said = err.Text();
        EXPECT_EQ(playerKeys[0].swap, c.swapKey) << c.what;
        EXPECT_EQ(playerKeys[0].select, c.lineKey) << c.what;
        EXPECT_EQ(playerKeys[1].cancel, c.twoCancelKey) << c.what;
        EXPECT_TRUE(BindingsSound()) << c.what;
        if (c.said[0] == '\0') {
            EXPECT_EQ(said, "") << c.what;
            continue;
        }
        EXPECT_NE(said.find(c.said), std::string::npos) << c.what << ": " << said;
        EXPECT_EQ(said.find("sumline: "), 0u) << c.what << ": " << said;
        EXPECT_NE(said.find("Controls.txt: the game's own keys"), std::string::npos) << c.what << ": " << said;
        EXPECT_EQ(said.find('\n'), said.size() - 1) << c.what << ": one line, " << said;
    }
}

TEST_F(ControlsFile, NoFileIsTheGamesOwnKeysWithoutAWord) {
    playerKeys[0].swap = 'J';
    StderrCapture err;
    ReadControlsFile();
    EXPECT_EQ(err.Text(), "");
    EXPECT_EQ(playerKeys[0].swap, 'X');
    EXPECT_TRUE(BindingsSound());
}

}  // namespace
