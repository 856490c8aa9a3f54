#include "setup/setup_guides.h"

#include <iterator>

#include "setup/remote_opponent.h"
#include "setup/setup_keys.h"
#include "shell/menu_input.h"

namespace {

constexpr const MenuKeys& m = menuKeys;
constexpr const PlayerKeys& s1 = playerKeys[0];
constexpr const PlayerKeys& s2 = playerKeys[1];

constexpr KeyGuideLine toMenu = {"メニューにもどる", {{&m.escape}, {&m.escape}}};

// Player 1 steers with his letters (the arrows work for him too, but they
// are player 2's), player 2 with the arrows.
constexpr KeyGuideLine paramLines[] = {
    {"えらぶ・レベルを変える",
     {{&m.upLetter, &m.downLetter, &m.leftLetter, &m.rightLetter}, {&s2.up, &s2.down, &s2.left, &s2.right}}},
    {"決定・レベルを上げる", {{&s1.swap}, {&s2.swap}}},
    {"レベルを下げる", {{&s1.cancel}, {&s2.cancel}}},
    toMenu,
};

constexpr KeyGuideLine itemLines[] = {
    {"アイテムをえらぶ",
     {{&m.upLetter, &m.downLetter, &m.leftLetter, &m.rightLetter}, {&s2.up, &s2.down, &s2.left, &s2.right}}},
    {"取る・決定", {{&s1.swap}, {&s2.swap}}},
    {"取ったものをはずす", {{&s1.cancel}, {&s2.cancel}}},
    toMenu,
};

constexpr KeyGuideLine confirmLines[] = {
    {"はい・いいえをえらぶ", {{&s1.left, &s1.right}, {&s2.left, &s2.right}}},
    {"決定", {{&s1.swap}, {&s2.swap}}},
    toMenu,
};

// Either player answers the question of who plays on the right.
constexpr KeyGuideLine opponentLines[] = {
    {"相手をえらぶ", {{&m.left, &m.right, &m.leftLetter, &m.rightLetter}}},
    {"上下の段をえらぶ", {{&m.up, &m.down, &m.upLetter, &m.downLetter}}},
    {"決定", {{&s1.swap, &s2.swap}}},
    {"メニューにもどる", {{&s1.cancel, &s2.cancel, &m.escape}}},
};

// Online each machine sets up one side with player 1's keys, the arrows
// included, and Escape ends the game against the other machine.
constexpr KeyGuideLine leaveOnline = {"ネット対戦をやめる", {{&m.escape}}};

constexpr KeyGuideLine onlineParamLines[] = {
    {"えらぶ・レベルを変える",
     {{&m.upLetter, &m.downLetter, &m.leftLetter, &m.rightLetter, &m.up, &m.down, &m.left, &m.right}}},
    {"上げる・決定して送る", {{&s1.swap}}},
    {"レベルを下げる", {{&s1.cancel}}},
    leaveOnline,
};

constexpr KeyGuideLine onlineItemLines[] = {
    {"アイテムをえらぶ",
     {{&m.upLetter, &m.downLetter, &m.leftLetter, &m.rightLetter, &m.up, &m.down, &m.left, &m.right}}},
    {"取る・決定", {{&s1.swap}}},
    {"取ったものをはずす", {{&s1.cancel}}},
    leaveOnline,
};

constexpr KeyGuideLine onlineConfirmLines[] = {
    {"はい・いいえをえらぶ", {{&s1.left, &s1.right, &m.left, &m.right}}},
    {"自分の返事を決めて送る", {{&s1.swap}}},
    leaveOnline,
};

template <size_t n>
constexpr KeyGuidePage Page(const char* title, const KeyGuideLine (&lines)[n]) {
    return {title, lines, static_cast<int>(n), 2, nullptr, nullptr};
}

// Online the other machine must go on hearing from this one under the guide.
template <size_t n>
constexpr KeyGuidePage OnlinePage(const char* title, const KeyGuideLine (&lines)[n]) {
    return {title, lines, static_cast<int>(n), 1, nullptr, KeepRemoteAlive};
}

}  // namespace

const KeyGuidePage opponentGuide = {"操作説明：対戦相手", opponentLines, static_cast<int>(std::size(opponentLines)), 1,
                                    nullptr};
const KeyGuidePage paramPageGuide = Page("操作説明：パラメータ", paramLines);
const KeyGuidePage itemPageGuide = Page("操作説明：アイテムえらび", itemLines);
const KeyGuidePage confirmGuide = Page("操作説明：確認", confirmLines);

const KeyGuidePage onlineParamPageGuide = OnlinePage("操作説明：ネット対戦のパラメータ", onlineParamLines);
const KeyGuidePage onlineItemPageGuide = OnlinePage("操作説明：ネット対戦のアイテムえらび", onlineItemLines);
const KeyGuidePage onlineConfirmGuide = OnlinePage("操作説明：ネット対戦の確認", onlineConfirmLines);
