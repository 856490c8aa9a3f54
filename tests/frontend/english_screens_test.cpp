#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "content/game_texts.h"
#include "frontend/frontend_steps.h"
#include "options/options_steps.h"
#include "platform/language.h"
#include "platform/text.h"
#include "shell/controls_screen.h"
#include "shell/farewell.h"
#include "shell/key_guide.h"

namespace {

using namespace frontendSteps;

void Step(int vk) {
    harness::Tap(vk);
    harness::RunFrames(2);
}

// A fresh game speaking the language from its first frame, at the title.
bool BootInto(Language language) {
    harness::Boot();
    SetLanguage(language);
    return harness::RunUntil([] { return At(TitleScene) && wipeState == 0; });
}

bool ToTitle() {
    harness::RunFrames(2);  // the last stripes of the opening wipe gone
    return At(TitleScene);
}
bool ToMenu() {
    if (!TitleToMenu()) return false;
    harness::RunFrames(15);  // the description panel grows and writes
    return true;
}
bool ToOptions() {
    if (!TitleToMenu() || !optionsSteps::MenuToOptions()) return false;
    harness::RunFrames(12);
    return true;
}
bool ToKeyGuide() {
    if (!TitleToMenu()) return false;
    Step(vkF1);
    return KeyGuideOpen();
}
bool ToControls() {
    if (!TitleToMenu()) return false;
    Step(vkF2);
    return ControlsScreenOpen();
}
bool ToFarewell() {
    virtualBackend::state.windowCloseRequested = true;
    harness::Pass();
    harness::RunFrames(1);
    return At(ExitScene);
}

std::vector<uint8_t> Region(int left, int top, int right, int bottom) {
    std::vector<uint8_t> pixels;
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x) pixels.push_back(harness::PixelAt(x, y));
    return pixels;
}

struct Screen {
    const char* name;
    bool (*walk)();  // from the open title to the screen on show
    // Where its words from the table are; empty where they are all pictures.
    int left, top, right, bottom;
};

constexpr Screen screens[] = {
    {"title", ToTitle, 0, 0, 0, 0},
    {"main-menu", ToMenu, 30, 415, 610, 465},
    {"options", ToOptions, 10, 0, 630, 440},
    {"key-guide", ToKeyGuide, 36, 100, 604, 380},
    {"controls", ToControls, 16, 10, 624, 470},
    {"farewell", ToFarewell, 150, 190, 490, 290},
};

// Each screen is drawn in English where its words are, and the frame is kept
// to be looked at.
TEST(EnglishScreens, ShowTheirWordsInEnglish) {
    for (const Screen& s : screens) {
        SCOPED_TRACE(s.name);
        std::vector<uint8_t> words[languageCount];
        for (const Language language : {Language::japanese, Language::english}) {
            ASSERT_TRUE(BootInto(language));
            ASSERT_TRUE(s.walk());
            words[static_cast<int>(language)] = Region(s.left, s.top, s.right, s.bottom);
            if (language == Language::english) {
                EXPECT_TRUE(harness::SaveFramePng(std::string("/tmp/sumline-en-") + s.name + ".png"));
            }
        }
        if (s.right > s.left) {
            EXPECT_NE(words[0], words[1]) << "the words did not change";
        }
    }
}

// Every English line of a run fits the width its box gives it, in the font
// the screen draws it with.
struct Fit {
    TextName first;
    int count;
    int width;
};

constexpr Fit fits[] = {
    {TextName::MainMenuAboutEndless, 9, 610 - 30},
    {TextName::OptionsAboutTarget, 8, 519 - 119 - 8},  // the box, not the text's rectangle
    {TextName::OptionsSavePrompt, 2, 495 - 145},
    {TextName::TitleGuideTitle, 1, 568},
    {TextName::MainMenuGuideTitle, 1, 568},
    {TextName::OptionsGuideTitle, 1, 568},
    {TextName::TitleGuideChoose, 2, 272},
    {TextName::KeyGuideConfirm, 1, 272},
    {TextName::MainMenuGuideChoose, 2, 272},
    {TextName::OptionsGuideChoose, 4, 272},
    {TextName::ControlsHeading1PKey, 4, 100},
    {TextName::ControlsActionUp, bindingActionCount, 184 - 4 - 32},
    // On their key caps; the stick's directions are never bound, only named.
    {TextName::ControlsPadDpadUp, 4, 100 - 4},
    {TextName::ControlsPadA, padButtonCount - 8, 100 - 4},
    {TextName::ControlsSetDefault, controlsSetCount, 180 - 4},
    {TextName::ControlsBrowseLine, 3, 624 - 16 - 16},
    {TextName::SaveNoticeFailed, 1, 469 - 169},
};

// The Japanese words are measured too: they fit, so the widths are right.
TEST(EnglishScreens, TheirWordsFitTheirBoxes) {
    harness::Boot();
    BeginText();
    SelectFont(smallFont);
    for (const Language language : {Language::japanese, Language::english}) {
        SetLanguage(language);
        for (const Fit& f : fits) {
            for (int i = 0; i < f.count; ++i) {
                const TextName name = TextAfter(f.first, i);
                const std::string text = Tr(name);
                for (size_t start = 0; start <= text.size();) {
                    const size_t end = std::min(text.find('\n', start), text.size());
                    const std::string line = text.substr(start, end - start);
                    EXPECT_LE(TextWidth(line.c_str()), f.width)
                        << LanguageCode(language) << " " << TextNameSpelling(name) << ": " << line;
                    start = end + 1;
                }
            }
        }
    }
    EndText();
}

// The save question's two answers stand just right of the pointers beside
// them (24 wide, at 190 and 310), in English as in Japanese: the answers are
// one line, centred, held apart by blanks.
TEST(EnglishScreens, TheSaveAnswersStandBesideTheirPointers) {
    harness::Boot();
    BeginText();
    SelectFont(smallFont);
    for (const Language language : {Language::japanese, Language::english}) {
        SetLanguage(language);
        const std::string answers = Tr(TextName::OptionsSaveAnswers);
        const size_t second = answers.find_first_not_of(' ', answers.find(' '));
        ASSERT_NE(second, std::string::npos) << LanguageCode(language);
        const int left = 145 + (495 - 145 - TextWidth(answers.c_str())) / 2;
        const int starts[2] = {left, left + TextWidth(answers.substr(0, second).c_str())};
        for (int answer = 0; answer < 2; ++answer) {
            const int pointerRight = 190 + 120 * answer + 24;
            EXPECT_GE(starts[answer], pointerRight + 2) << LanguageCode(language) << answer;
            EXPECT_LE(starts[answer], pointerRight + 30) << LanguageCode(language) << answer;
        }
    }
    EndText();
}

}  // namespace
