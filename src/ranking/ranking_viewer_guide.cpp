#include "ranking/ranking_viewer_guide.h"

#include <iterator>

#include "shell/menu_input.h"

namespace {

constexpr const MenuKeys& m = menuKeys;

constexpr KeyGuideLine viewerLines[] = {
    {"スクロール", {{&m.up, &m.down, &m.upLetter, &m.downLetter}}},
    {"項目をえらぶ", {{&m.left, &m.right, &m.leftLetter, &m.rightLetter}}},
    {"ならべかえる・決定", {{&m.decide, &m.enter}}},
    {"もどるボタンへ", {{&m.back}}},
    {"メニューにもどる", {{&m.escape}}},
};

}  // namespace

const KeyGuidePage rankingViewerGuide = {"操作説明：ランキング", viewerLines, static_cast<int>(std::size(viewerLines)),
                                         1, nullptr};
