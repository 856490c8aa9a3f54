#include "ranking/ranking_viewer_guide.h"

#include <iterator>

#include "shell/menu_input.h"

namespace {

constexpr const MenuKeys& m = menuKeys;

constexpr KeyGuideLine viewerLines[] = {
    {TextName::RankingGuideScroll, {{&m.up, &m.down, &m.upLetter, &m.downLetter}}},
    {TextName::RankingGuideChooseColumn, {{&m.left, &m.right, &m.leftLetter, &m.rightLetter}}},
    {TextName::RankingGuideSortConfirm, {{&m.decide, &m.enter}}},
    {TextName::RankingGuideToBackButton, {{&m.back}}},
    {TextName::MatchGuideBackToMenu, {{&m.escape}}},
};

}  // namespace

const KeyGuidePage rankingViewerGuide = {TextName::RankingGuideTitle, viewerLines,
                                         static_cast<int>(std::size(viewerLines)), 1, nullptr};
