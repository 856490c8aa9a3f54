#include "netplay/lobby_guides.h"

#include <iterator>

#include "content/game_texts.h"
#include "shell/menu_input.h"

namespace {

constexpr const MenuKeys& m = menuKeys;
constexpr int enterKey = vkReturn;

constexpr KeyGuideLine hostLines[] = {
    {TextName::OnlineGuideStopWaiting, {{&m.back, &m.escape}}},
};

constexpr KeyGuideLine joinLines[] = {
    {TextName::OnlineGuideChoose, {{&m.up, &m.down, &m.upLetter, &m.downLetter}}},
    {TextName::OnlineGuideAddress, {{}}},
    {TextName::OnlineGuideConnect, {{&m.decide, &enterKey}}},
    {TextName::OnlineGuideBack, {{&m.back, &m.escape}}},
};

}  // namespace

const KeyGuidePage hostGuide = {TextName::OnlineGuideHostTitle, hostLines, static_cast<int>(std::size(hostLines)), 1,
                               nullptr, HostingLinkPass};
const KeyGuidePage joinGuide = {TextName::OnlineGuideJoinTitle, joinLines, static_cast<int>(std::size(joinLines)), 1,
                               nullptr, JoiningLinkPass};
