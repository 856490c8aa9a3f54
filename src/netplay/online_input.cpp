#include "netplay/online_input.h"

#include <iterator>

#include "match/controls.h"
#include "match/step_input.h"
#include "platform/keys.h"
#include "shell/menu_input.h"

namespace {

constexpr const PlayerKeys& k1 = playerKeys[0];
constexpr const MenuKeys& m = menuKeys;

constexpr KeyGuideLine onlineLines[] = {
    {"カーソル移動", {{&k1.up, &k1.down, &k1.left, &k1.right, &m.up, &m.down, &m.left, &m.right}}},
    {"パネルを入れかえる", {{&k1.swap}}},
    {"ラインをえらぶ・決める", {{&k1.select}}},
    {"パネルを1段落とす", {{&k1.drop}}},
    {"キャンセル", {{&k1.cancel}}},
    {"対戦をやめる", {{&m.escape}}},
};

struct Arrow {
    int key;
    uint16_t bit;
};
constexpr Arrow arrows[] = {{vkUp, inputUp}, {vkRight, inputRight}, {vkDown, inputDown}, {vkLeft, inputLeft}};

}  // namespace

const KeyGuidePage onlineMatchGuide = {"操作説明：ネット対戦", onlineLines,
                                       static_cast<int>(std::size(onlineLines)), 1, nullptr};

uint16_t OnlineMatchBits() {
    // The keyboard source fills player 0 with player 1's keys (and the first
    // pad, which plays as him); the arrows are his too, online.
    MatchInput input{};
    KeyboardMatchInput(input);
    uint16_t bits = input.player[0];
    for (const Arrow& a : arrows)
        if (KeyHeld(a.key)) bits = static_cast<uint16_t>(bits | a.bit);
    return static_cast<uint16_t>(bits & inputBitsMask & ~(inputPause | inputLeave));
}
