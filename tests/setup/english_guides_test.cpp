#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "content/game_texts.h"
#include "editor/editor_guide.h"
#include "editor/editor_scene.h"
#include "frontend/title_scene.h"
#include "gallery/gallery_guide.h"
#include "gallery/gallery_scene.h"
#include "harness/language_frames.h"
#include "platform/keys.h"
#include "platform/language.h"
#include "setup/setup_guides.h"
#include "setup/setup_steps.h"
#include "shell/game_mode.h"
#include "shell/key_guide.h"

namespace {

using namespace setupSteps;

class EnglishGuides : public testing::Test {
protected:
    void TearDown() override { SetLanguage(Language::japanese); }
};

bool BootToMenuIn(Language language) {
    harness::Boot();
    SetLanguage(language);
    return harness::RunUntil([] { return At(TitleScene) && wipeState == 0; }) && frontendSteps::TitleToMenu();
}

bool OpenGuide() {
    harness::RunFrames(3);
    harness::Tap(vkF1);
    harness::RunFrames(3);
    return KeyGuideOpen();
}

bool OpponentGuide(Language language) { return BootToMenuIn(language) && MenuToQuestion() && OpenGuide(); }

bool ParamGuide(Language language) { return BootToMenuIn(language) && MenuToSetup() && OpenGuide(); }

bool GalleryGuide(Language language) {
    if (!BootToMenuIn(language)) return false;
    gameMode = galleryMode;
    harness::Tap('X');
    return harness::RunUntil([] { return At(GalleryScene) && wipeState == 0; }) && OpenGuide();
}

bool EditorGuide(Language language) {
    harness::Boot();
    SetLanguage(language);
    wipeState = 2;
    currentScene = EditorEnterScene;
    return harness::RunUntil([] { return At(EditorScene) && wipeState == 0; }) && OpenGuide();
}

// Where the guide's panel puts the page's title, and its lines' actions.
constexpr int panelLeft = 36, panelRight = 604;
int PanelTop(const KeyGuidePage& page) {
    const int height = 40 + (page.players == 2 ? 24 : 0) + page.lineCount * 28 + 48;
    return (480 - height) / 2;
}
languageFrames::Region Actions(const KeyGuidePage& page) {
    const int top = PanelTop(page) + 40 + (page.players == 2 ? 24 : 0);
    return {60, top, 240, top + page.lineCount * 28};
}

// The set-up's, the gallery's and the editor's guides in English: the title
// and the actions read in English, the title exactly the table's words.
TEST_F(EnglishGuides, TheGuidesOfTheSetUpTheGalleryAndTheEditorSpeakEnglish) {
    struct Case {
        const char* name;
        bool (*reach)(Language);
        const KeyGuidePage& page;
    };
    const Case cases[] = {
        {"guide-opponent", OpponentGuide, opponentGuide},
        {"guide-parameters", ParamGuide, paramPageGuide},
        {"guide-gallery", GalleryGuide, galleryGuide},
        {"guide-editor", EditorGuide, editorGuide},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        languageFrames::ExpectEnglishBoxes({c.name, c.reach, {Actions(c.page)}, [] { return smallFont; }, {}});
        ASSERT_EQ(KeyGuidePageOpen(), &c.page);
        const int top = PanelTop(c.page);
        EXPECT_TRUE(TextShown(c.page.title, textCenter, panelLeft, top + 10, panelRight, top + 36, 20))
            << static_cast<const char*>(c.page.title);
        SetLanguage(Language::japanese);
    }
}

}  // namespace
