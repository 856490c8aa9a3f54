#include "setup/setup_guides.h"

#include <iterator>

#include "content/game_texts.h"
#include "setup/remote_opponent.h"
#include "setup/setup_keys.h"
#include "shell/menu_input.h"

namespace {

constexpr const MenuKeys& m = menuKeys;
constexpr const PlayerKeys& s1 = playerKeys[0];
constexpr const PlayerKeys& s2 = playerKeys[1];

constexpr KeyGuideLine toMenu = {TextName::SetupGuideToMenu, {{&m.escape}, {&m.escape}}};

// Player 1 steers with his letters (the arrows work for him too, but they
// are player 2's), player 2 with the arrows.
constexpr KeyGuideLine paramLines[] = {
    {TextName::SetupGuideChooseLevel,
     {{&m.upLetter, &m.downLetter, &m.leftLetter, &m.rightLetter}, {&s2.up, &s2.down, &s2.left, &s2.right}}},
    {TextName::SetupGuideRaise, {{&s1.swap}, {&s2.swap}}},
    {TextName::SetupGuideLower, {{&s1.cancel}, {&s2.cancel}}},
    toMenu,
};

constexpr KeyGuideLine itemLines[] = {
    {TextName::SetupGuideChooseItem,
     {{&m.upLetter, &m.downLetter, &m.leftLetter, &m.rightLetter}, {&s2.up, &s2.down, &s2.left, &s2.right}}},
    {TextName::SetupGuideTake, {{&s1.swap}, {&s2.swap}}},
    {TextName::SetupGuidePutBack, {{&s1.cancel}, {&s2.cancel}}},
    toMenu,
};

constexpr KeyGuideLine confirmLines[] = {
    {TextName::SetupGuideYesNo, {{&s1.left, &s1.right}, {&s2.left, &s2.right}}},
    {TextName::SetupGuideDecide, {{&s1.swap}, {&s2.swap}}},
    toMenu,
};

// Either player answers the question of who plays on the right.
constexpr KeyGuideLine opponentLines[] = {
    {TextName::SetupGuideOpponent, {{&m.left, &m.right, &m.leftLetter, &m.rightLetter}}},
    {TextName::SetupGuideRow, {{&m.up, &m.down, &m.upLetter, &m.downLetter}}},
    {TextName::SetupGuideDecide, {{&s1.swap, &s2.swap}}},
    {TextName::SetupGuideToMenu, {{&s1.cancel, &s2.cancel, &m.escape}}},
};

// Online each machine sets up one side with player 1's keys, the arrows
// included, and Escape ends the game against the other machine.
constexpr KeyGuideLine leaveOnline = {TextName::SetupGuideLeaveOnline, {{&m.escape}}};

constexpr KeyGuideLine onlineParamLines[] = {
    {TextName::SetupGuideChooseLevel,
     {{&m.upLetter, &m.downLetter, &m.leftLetter, &m.rightLetter, &m.up, &m.down, &m.left, &m.right}}},
    {TextName::SetupGuideRaiseSend, {{&s1.swap}}},
    {TextName::SetupGuideLower, {{&s1.cancel}}},
    leaveOnline,
};

constexpr KeyGuideLine onlineItemLines[] = {
    {TextName::SetupGuideChooseItem,
     {{&m.upLetter, &m.downLetter, &m.leftLetter, &m.rightLetter, &m.up, &m.down, &m.left, &m.right}}},
    {TextName::SetupGuideTake, {{&s1.swap}}},
    {TextName::SetupGuidePutBack, {{&s1.cancel}}},
    leaveOnline,
};

constexpr KeyGuideLine onlineConfirmLines[] = {
    {TextName::SetupGuideYesNo, {{&s1.left, &s1.right, &m.left, &m.right}}},
    {TextName::SetupGuideSendAnswer, {{&s1.swap}}},
    leaveOnline,
};

template <size_t n>
constexpr KeyGuidePage Page(TextName title, const KeyGuideLine (&lines)[n]) {
    return {title, lines, static_cast<int>(n), 2, nullptr, nullptr};
}

// Online the other machine must go on hearing from this one under the guide.
template <size_t n>
constexpr KeyGuidePage OnlinePage(TextName title, const KeyGuideLine (&lines)[n]) {
    return {title, lines, static_cast<int>(n), 1, nullptr, KeepRemoteAlive};
}

}  // namespace

const KeyGuidePage opponentGuide = {TextName::SetupGuideOpponentTitle, opponentLines,
                                    static_cast<int>(std::size(opponentLines)), 1, nullptr};
const KeyGuidePage paramPageGuide = Page(TextName::SetupGuideParamTitle, paramLines);
const KeyGuidePage itemPageGuide = Page(TextName::SetupGuideItemTitle, itemLines);
const KeyGuidePage confirmGuide = Page(TextName::SetupGuideConfirmTitle, confirmLines);

const KeyGuidePage onlineParamPageGuide = OnlinePage(TextName::SetupGuideOnlineParamTitle, onlineParamLines);
const KeyGuidePage onlineItemPageGuide = OnlinePage(TextName::SetupGuideOnlineItemTitle, onlineItemLines);
const KeyGuidePage onlineConfirmGuide = OnlinePage(TextName::SetupGuideOnlineConfirmTitle, onlineConfirmLines);
