#include "netplay/lobby_guides.h"

#include <iterator>

#include "shell/menu_input.h"

namespace {

constexpr const MenuKeys& m = menuKeys;
constexpr int enterKey = vkReturn;

constexpr KeyGuideLine hostLines[] = {
    {"待つのをやめてもどる", {{&m.back, &m.escape}}},
};

constexpr KeyGuideLine joinLines[] = {
    {"ゲーム・入力欄をえらぶ", {{&m.up, &m.down, &m.upLetter, &m.downLetter}}},
    {"アドレス（数字 . :）", {{}}},
    {"つなぐ", {{&m.decide, &enterKey}}},
    {"もどる", {{&m.back, &m.escape}}},
};

}  // namespace

const KeyGuidePage hostGuide = {"操作説明：ホスト", hostLines, static_cast<int>(std::size(hostLines)), 1, nullptr,
                              HostingLinkPass};
const KeyGuidePage joinGuide = {"操作説明：さんか", joinLines, static_cast<int>(std::size(joinLines)), 1, nullptr,
                              JoiningLinkPass};
