#include "options/options_guide.h"

#include <iterator>

#include "shell/menu_input.h"

namespace {

constexpr const MenuKeys& m = menuKeys;

constexpr KeyGuideLine optionsLines[] = {
    {"項目をえらぶ", {{&m.up, &m.down, &m.upLetter, &m.downLetter}}},
    {"設定を変える", {{&m.left, &m.right, &m.leftLetter, &m.rightLetter}}},
    {"決定", {{&m.decide, &m.enter}}},
    {"保存しないでもどる", {{&m.back, &m.escape}}},
    {"キー設定", {{&m.controls}}},
};

}  // namespace

const KeyGuidePage optionsGuide = {"操作説明：オプション", optionsLines, static_cast<int>(std::size(optionsLines)), 1,
                                   nullptr};
