#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "content/game_texts.h"
#include "options/options_steps.h"
#include "platform/blit.h"
#include "platform/language.h"
#include "platform/text.h"
#include "shell/controls_screen.h"
#include "shell/key_guide.h"
#include "shell/save_notice.h"
#include "shell/save_notice_probe.h"

namespace {

using namespace optionsSteps;

std::string LanguagePath() { return harness::WorkDir() + "/Data/Language.txt"; }

// The file's text; empty when there is none.
std::string LanguageFileText() {
    std::ifstream in(LanguagePath(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// The description box's inside (its words) on the last frame.
std::vector<uint8_t> DescriptionPixels() {
    std::vector<uint8_t> pixels;
    for (int y = 420; y < 440; ++y)
        for (int x = 125; x < 513; ++x) pixels.push_back(harness::PixelAt(x, y));
    return pixels;
}

// True when the description box of the last frame holds exactly this text:
// it is drawn the same way into the back buffer and compared.
bool DescriptionShows(const char* text) {
    BeginPanelText(smallFont);
    RoundRect(119, 416, 519, 444, 10, 10);
    DrawTextInRect(text, textCenter, 10, 420, 629, 440);
    EndText();
    for (int y = 420; y < 440; ++y)
        for (int x = 125; x < 513; ++x)
            if (backBuffer.pixels[y * backBuffer.width + x] != harness::PixelAt(x, y)) return false;
    return true;
}

class OptionsLanguage : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(BootWithFileToMenu(settings));
        ASSERT_TRUE(MenuToOptions());
        harness::RunFrames(12);
    }
    const std::vector<uint8_t> settings = {2, 0, 0, 3, 1};
};

// F3 switches at once, both ways, and keeps the choice in its own file; the
// options file is not touched.
TEST_F(OptionsLanguage, F3SwitchesTheLanguageAndKeepsTheChoice) {
    const std::vector<uint8_t> japanese = DescriptionPixels();
    struct Press {
        Language speaks;
        const char* file;
    };
    constexpr Press presses[] = {{Language::english, "en\n"}, {Language::japanese, "ja\n"}, {Language::english, "en\n"}};
    for (const Press& p : presses) {
        SCOPED_TRACE(p.file);
        harness::ClearSoundLog();
        Step(vkF3);
        EXPECT_EQ(CurrentLanguage(), p.speaks);
        EXPECT_EQ(LanguageFileText(), p.file);
        EXPECT_TRUE(harness::Played("Ok.wav", seBuffer2.index, false));
        EXPECT_EQ(OptionsBytes(), settings) << "OD.dat stays its five bytes";
        EXPECT_TRUE(DescriptionShows(Tr(TextName::OptionsAboutTarget)));
        if (p.speaks == Language::japanese) {
            EXPECT_EQ(DescriptionPixels(), japanese) << "back in Japanese, the box is as it was";
        } else {
            EXPECT_NE(DescriptionPixels(), japanese);
            EXPECT_TRUE(DescriptionShows(TextIn(Language::english, TextName::OptionsAboutTarget)));
        }
        EXPECT_FALSE(InSavePrompt());
        EXPECT_EQ(optionsState.dirty, 0) << "the language is no setting of OD.dat";
    }
    EXPECT_TRUE(harness::SaveFramePng("/tmp/sumline-en-options-switched.png"));
}

// A key held down switches once, however long it is held.
TEST_F(OptionsLanguage, AHeldKeySwitchesOnce) {
    harness::Tap(vkF3, 60);
    harness::RunFrames(2);
    EXPECT_EQ(CurrentLanguage(), Language::english);
}

// The key does nothing in the save question, nor while a wipe runs.
TEST(OptionsLanguageRefused, NotInTheSaveQuestionNorDuringAWipe) {
    struct Case {
        const char* name;
        bool (*reach)();  // from a fresh boot to the moment F3 is pressed
    };
    const Case cases[] = {
        {"save question",
         [] {
             if (!BootToOptions()) return false;
             Step(vkRight);
             CursorTo(endEntry);
             Step('X');
             harness::RunFrames(12);
             return InSavePrompt();
         }},
        {"opening wipe",
         [] {
             if (!frontendSteps::BootToMenu()) return false;
             gameMode = optionsMode;
             harness::Tap('X');
             return harness::RunUntil([] { return currentScene == OptionsScene && wipeState != 0; });
         }},
        {"closing wipe",
         [] {
             if (!BootToOptions()) return false;
             harness::Tap(vkEscape);
             return harness::RunUntil([] { return wipeState == 1; });
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(c.reach());
        harness::ClearSoundLog();
        harness::Tap(vkF3);
        harness::RunFrames(1);
        EXPECT_EQ(CurrentLanguage(), Language::japanese);
        EXPECT_EQ(LanguageFileText(), "");
        EXPECT_FALSE(harness::Played("Ok.wav", seBuffer2.index, false));
    }
}

// The pictures come again from their files in the language now spoken:
// sheets spoiled here are whole again after the switch, in English, then in
// Japanese as they were.
TEST_F(OptionsLanguage, ThePicturesAreReadAgainInTheNewLanguage) {
    Surface* const sheets[2] = {backdropSurface, mainSheet};
    std::vector<uint8_t> japanese[2];
    for (int i = 0; i < 2; ++i) {
        const size_t size = static_cast<size_t>(sheets[i]->width) * sheets[i]->height;
        japanese[i].assign(sheets[i]->pixels, sheets[i]->pixels + size);
        std::fill(sheets[i]->pixels, sheets[i]->pixels + size, uint8_t{0});
    }
    const auto pixels = [](const Surface* s, size_t size) { return std::vector<uint8_t>(s->pixels, s->pixels + size); };
    Step(vkF3);
    for (int i = 0; i < 2; ++i) {
        SCOPED_TRACE(i);
        const std::vector<uint8_t> english = pixels(sheets[i], japanese[i].size());
        EXPECT_NE(english, std::vector<uint8_t>(japanese[i].size(), 0)) << "read again";
        EXPECT_NE(english, japanese[i]) << "from the English pictures";
    }
    Step(vkF3);
    for (int i = 0; i < 2; ++i) EXPECT_EQ(pixels(sheets[i], japanese[i].size()), japanese[i]) << i;
    EXPECT_TRUE(ShowsPicture(optionsLayout::labelX, optionsLayout::LabelY(0), optionSheetLayout::Label(0)));
}

// A choice that cannot be kept is told as any failed save, and the game
// speaks the new language all the same.
TEST_F(OptionsLanguage, AFailedWriteShowsTheSaveNotice) {
    std::filesystem::create_directory(LanguagePath());
    Step(vkF3);
    harness::RunFrames(1);
    EXPECT_EQ(CurrentLanguage(), Language::english);
    EXPECT_TRUE(SaveNoticeShown());
    EXPECT_TRUE(saveNoticeProbe::Shown(223));
}

// The hint in the top corner names the other language, and the options
// screen's key guide has a line for the key.
TEST_F(OptionsLanguage, TheHintAndTheGuideNameTheKey) {
    const auto hint = [] {
        std::vector<uint8_t> pixels;
        for (int y = 8; y < 32; ++y)
            for (int x = 380; x < 520; ++x) pixels.push_back(harness::PixelAt(x, y));
        return pixels;
    };
    const uint8_t white = NearestPaletteIndex(MakeRgb(255, 255, 255));
    const std::vector<uint8_t> before = hint();
    EXPECT_GT(harness::CountIndex(white, 380, 8, 520, 32), 200) << "the F3 cap and its word";
    Step(vkF3);
    EXPECT_NE(hint(), before);
    EXPECT_GT(harness::CountIndex(white, 380, 8, 520, 32), 200);
    EXPECT_TRUE(harness::SaveFramePng("/tmp/sumline-en-options-hint.png"));
    Step(vkF1);
    ASSERT_TRUE(KeyGuideOpen());
    const KeyGuidePage* page = KeyGuidePageOpen();
    bool named = false;
    for (int i = 0; i < page->lineCount; ++i) named = named || page->lines[i].keys[0][0] == &menuKeys.language;
    EXPECT_TRUE(named);
    EXPECT_TRUE(harness::SaveFramePng("/tmp/sumline-en-options-guide.png"));
}

// F3 is the game's own, as F1 and F2 are: the controls screen will not give
// it to an action.
TEST_F(OptionsLanguage, NoActionMayTakeTheKey) {
    Step(vkF2);
    ASSERT_TRUE(ControlsScreenOpen());
    Step(vkReturn);
    Step(vkF3);
    EXPECT_STREQ(controlsScreen.message, "F3 はつかえません");
    EXPECT_EQ(CurrentLanguage(), Language::japanese);
}

}  // namespace
