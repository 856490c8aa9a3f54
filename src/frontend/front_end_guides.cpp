#include "frontend/front_end_guides.h"

#include <iterator>

#include "frontend/title_scene.h"
#include "platform/key_bindings.h"
#include "shell/menu_input.h"

namespace {

constexpr const MenuKeys& m = menuKeys;

constexpr KeyGuideLine titleLines[] = {
    {"えらぶ", {{&m.up, &m.down, &m.upLetter, &m.downLetter}}},
    {"決定", {{&playerKeys[0].swap, &playerKeys[0].pause, &m.enter, &playerKeys[1].swap}}},
    {"ゲームを終わる", {{&m.escape}}},
};

constexpr KeyGuideLine mainMenuLines[] = {
    {"モードをえらぶ",
     {{&m.up, &m.down, &m.left, &m.right, &m.upLetter, &m.downLetter, &m.leftLetter, &m.rightLetter}}},
    {"決定", {{&m.decide, &m.enter}}},
    {"タイトルにもどる", {{&m.back, &m.escape}}},
};

// The title sends the game back to the logo after a while left alone: the
// time the guide was read does not count.
void RestartTitleIdle(bool open) {
    if (!open) RestartTitleIdleTime();
}

}  // namespace

const KeyGuidePage titleGuide = {"操作説明：タイトル", titleLines, std::size(titleLines), 1, RestartTitleIdle};
const KeyGuidePage mainMenuGuide = {"操作説明：メインメニュー", mainMenuLines, std::size(mainMenuLines), 1, nullptr};
