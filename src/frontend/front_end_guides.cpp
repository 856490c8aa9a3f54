#include "frontend/front_end_guides.h"

#include <iterator>

#include "frontend/title_scene.h"
#include "platform/key_bindings.h"
#include "shell/menu_input.h"

namespace {

constexpr const MenuKeys& m = menuKeys;

constexpr KeyGuideLine titleLines[] = {
    {TextName::TitleGuideChoose, {{&m.up, &m.down, &m.upLetter, &m.downLetter}}},
    {TextName::KeyGuideConfirm, {{&playerKeys[0].swap, &playerKeys[0].pause, &m.enter, &playerKeys[1].swap}}},
    {TextName::TitleGuideQuit, {{&m.escape}}},
};

constexpr KeyGuideLine mainMenuLines[] = {
    {TextName::MainMenuGuideChoose,
     {{&m.up, &m.down, &m.left, &m.right, &m.upLetter, &m.downLetter, &m.leftLetter, &m.rightLetter}}},
    {TextName::KeyGuideConfirm, {{&m.decide, &m.enter}}},
    {TextName::MainMenuGuideBack, {{&m.back, &m.escape}}},
};

// The title sends the game back to the logo after a while left alone: the
// time the guide was read does not count.
void RestartTitleIdle(bool open) {
    if (!open) RestartTitleIdleTime();
}

}  // namespace

const KeyGuidePage titleGuide = {TextName::TitleGuideTitle, titleLines, std::size(titleLines), 1, RestartTitleIdle};
const KeyGuidePage mainMenuGuide = {TextName::MainMenuGuideTitle, mainMenuLines, std::size(mainMenuLines), 1, nullptr};
