#include "editor/editor_guide.h"

#include <iterator>

#include "editor/editor_input.h"
#include "shell/menu_input.h"

namespace {

constexpr const MenuKeys& m = menuKeys;
constexpr const EditorKeys& e = editorKeys;

constexpr KeyGuideLine editorLines[] = {
    {"カーソル移動・値を変える",
     {{&m.up, &m.down, &m.left, &m.right, &m.upLetter, &m.downLetter, &m.leftLetter, &m.rightLetter}}},
    {"パネルの数字を上げる", {{&e.raise}}},
    {"パネルの数字を下げる", {{&e.lower}}},
    {"前の項目・次の項目", {{&e.previousField, &e.nextField}}},
    {"保存する", {{&e.confirm}}},
    {"質問に答える", {{&e.confirm, &m.decide}}},
    {"はい・いいえをえらぶ", {{&m.left, &m.right, &m.leftLetter, &m.rightLetter}}},
    {"エディタを終わる", {{&m.escape}}},
};

}  // namespace

const KeyGuidePage editorGuide = {"操作説明：エディタ", editorLines, static_cast<int>(std::size(editorLines)), 1,
                                  nullptr};
