#include "match/match_guides.h"

#include <iterator>

#include "match/controls.h"
#include "match/match_state.h"
#include "match/puzzle_picker.h"
#include "shell/game_mode.h"
#include "shell/menu_input.h"

namespace {

constexpr const PlayerKeys& k1 = playerKeys[0];
constexpr const PlayerKeys& k2 = playerKeys[1];
constexpr const MenuKeys& m = menuKeys;

// Outside versus player 1 also steers with the arrows.
constexpr KeyGuideLine soloMove = {"カーソル移動",
                                   {{&k1.up, &k1.down, &k1.left, &k1.right, &m.up, &m.down, &m.left, &m.right}}};
constexpr KeyGuideLine soloSwap = {"パネルを入れかえる", {{&k1.swap}}};
constexpr KeyGuideLine soloLine = {"ラインをえらぶ・決める", {{&k1.select}}};
constexpr KeyGuideLine soloCancel = {"キャンセル", {{&k1.cancel}}};
constexpr KeyGuideLine leave = {"ゲームをやめる", {{&m.escape}, {&m.escape}}};

constexpr KeyGuideLine endlessLines[] = {
    soloMove,
    soloSwap,
    soloLine,
    {"パネルを1段落とす", {{&k1.drop}}},
    {"EX デリート", {{&k1.exDelete}}},
    {"EX マックスデリート", {{&k1.exMaxdelete}}},
    soloCancel,
    {"ポーズ", {{&k1.pause}}},
    leave,
};

constexpr KeyGuideLine versusLines[] = {
    {"カーソル移動", {{&k1.up, &k1.down, &k1.left, &k1.right}, {&k2.up, &k2.down, &k2.left, &k2.right}}},
    {"パネルを入れかえる", {{&k1.swap}, {&k2.swap}}},
    {"ラインをえらぶ・決める", {{&k1.select}, {&k2.select}}},
    {"パネルを1段落とす", {{&k1.drop}, {&k2.drop}}},
    {"キャンセル", {{&k1.cancel}, {&k2.cancel}}},
    {"ポーズ", {{&k1.pause}, {&k2.pause}}},
    leave,
};

constexpr KeyGuideLine puzzleLines[] = {
    soloMove, soloSwap, soloLine, {"パネルを1段落とす", {{&k1.drop}}}, soloCancel, {"ポーズメニュー", {{&k1.pause}}},
    leave,
};

constexpr KeyGuideLine practiceLines[] = {
    soloMove, soloSwap, soloLine, {"1段せり上げる", {{&k1.drop}}}, soloCancel, {"ポーズメニュー", {{&k1.pause}}}, leave,
};

constexpr KeyGuideLine pauseLines[] = {
    {"ポーズをとく", {{&k1.pause}}},
    leave,
};

constexpr KeyGuideLine versusPauseLines[] = {
    {"ポーズをとく", {{&k1.pause}, {&k2.pause}}},
    leave,
};

// The practice pause asks whether to go back to the menu.
constexpr KeyGuideLine practicePauseLines[] = {
    {"はい・いいえをえらぶ", {{&k1.left, &k1.right, &m.left, &m.right}}},
    {"決定", {{&k1.pause}}},
    leave,
};

constexpr KeyGuideLine puzzlePauseLines[] = {
    {"えらぶ", {{&k1.up, &k1.down, &m.up, &m.down}}},
    {"決定", {{&k1.swap, &k1.pause}}},
    {"問題にもどる", {{&k1.cancel}}},
    leave,
};

constexpr KeyGuideLine pickerLines[] = {
    {"問題をえらぶ", {{&m.left, &m.right, &m.leftLetter, &m.rightLetter}}},
    {"はじめる", {{&k1.swap, &k1.pause}}},
    {"メニューにもどる", {{&m.escape}}},
};

template <size_t n>
constexpr KeyGuidePage Page(const char* title, const KeyGuideLine (&lines)[n], int players) {
    // The match's clocks count its steps, and no step runs under the guide:
    // they stand still by themselves.
    return {title, lines, static_cast<int>(n), players, nullptr};
}

constexpr KeyGuidePage endlessGuide = Page("操作説明：エンドレス", endlessLines, 1);
constexpr KeyGuidePage versusGuide = Page("操作説明：対戦", versusLines, 2);
constexpr KeyGuidePage puzzleGuide = Page("操作説明：パズル", puzzleLines, 1);
constexpr KeyGuidePage practiceGuide = Page("操作説明：練習", practiceLines, 1);
constexpr KeyGuidePage pauseGuide = Page("操作説明：ポーズ", pauseLines, 1);
constexpr KeyGuidePage versusPauseGuide = Page("操作説明：ポーズ", versusPauseLines, 2);
constexpr KeyGuidePage practicePauseGuide = Page("操作説明：ポーズ", practicePauseLines, 1);
constexpr KeyGuidePage puzzlePauseGuide = Page("操作説明：ポーズメニュー", puzzlePauseLines, 1);

}  // namespace

const KeyGuidePage puzzlePickerGuide = {"操作説明：問題えらび", pickerLines, static_cast<int>(std::size(pickerLines)),
                                        1, nullptr};

const KeyGuidePage* MatchGuidePage() {
    if (matchState != 0) return nullptr;
    const bool paused = AnyPaused();
    switch (gameMode) {
        case endlessMode:
            return paused ? &pauseGuide : &endlessGuide;
        case versusMode:
            return paused ? &versusPauseGuide : &versusGuide;
        case puzzleMode:
            return paused ? &puzzlePauseGuide : &puzzleGuide;
        case practiceMode:
            return paused ? &practicePauseGuide : &practiceGuide;
        default:
            return nullptr;
    }
}
